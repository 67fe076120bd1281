// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on logic: statements about words and numbers, equivalent formulas,
// truth tables.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "taskshared.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace zut::check {

namespace {

// A property of a word a statement speaks of: "вторая буква гласная",
// "последняя буква имени согласная".
WordProperty letterProperty(const Task& t, const QString& words) {
    static const std::map<QString, int> places = {
        {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
    QStringList w = words.split(' ');
    w.removeAll("имени");
    if (w.size() != 3 || !places.contains(w[0]) || w[1] != "буква" ||
        (w[2] != "гласная" && w[2] != "согласная"))
        t.fail("an unknown property: " + words);
    const int at = places.at(w[0]);
    const bool vowel = w[2] == "гласная";
    return [at, vowel](const QString& word) {
        if (at >= word.size())
            return false;
        const QChar c = at < 0 ? word.back() : word[at];
        return vowel ? isVowel(c) : isConsonant(c);
    };
}

// The one option, a word, for which `statement` (its parts the variables
// of `properties`) is `truth`; refused unless exactly one.
QString theOneWord(const Task& t, const QString& statement,
                   const std::map<QString, WordProperty>& properties) {
    const QStringList words =
        wordsWhere(Formula::parse(statement), t.options(), properties, truthGiven(t, "truth"));
    if (words.size() != 1)
        t.fail("the statement is " + t.text("truth") + " for " + words.join(", "));
    return words.front();
}

// Where the one implication arrow outside any parentheses stands in
// `formula`; a formula with none, or with a chain of them, is refused.
qsizetype topImplication(const Task& t, const QString& formula) {
    int depth = 0;
    qsizetype arrow = -1;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        depth += formula[i] == '(' ? 1 : formula[i] == ')' ? -1 : 0;
        if (depth == 0 && formula[i] == QChar(0x2192)) {
            if (arrow >= 0)
                t.fail("a chain of implications");
            arrow = i;
        }
    }
    if (arrow < 0)
        t.fail("not an implication");
    return arrow;
}

// The one option in `found`, those that fit only under a slip; more or
// none is refused.
QString theOneMisread(const Task& t, const QStringList& found) {
    if (found.size() != 1)
        t.fail(QString("%1 options fit only so, not one: %2").arg(found.size()).arg(found.join("; ")));
    return found.front();
}
} // namespace

void addLogic(Registry& r) {
    // The option, a string of Latin capitals and digits ("K7B2"), for which
    // `statement` is `truth`; each part in parentheses says how the string
    // begins or ends («строка начинается с буквы», «строка оканчивается
    // цифрой») or compares its counts («цифр в строке больше, чем букв»).
    r.solvers["logic.codeWhere"] = [](const Task& t) {
        static const QRegularExpression code(R"(^[A-Z0-9]+$)");
        for (const QString& o : t.options())
            if (!code.match(o).hasMatch())
                t.fail("not a string of Latin capitals and digits: " + o);
        static const QRegularExpression end = unicodePattern(
            R"(^строка (начинается с|оканчивается) (буквы|цифры|буквой|цифрой)$)");
        static const QRegularExpression more =
            unicodePattern(R"(^(цифр|букв) в строке больше, чем (букв|цифр)$)");
        static const QRegularExpression part(R"(\(([^()]+)\))");
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const QString words = m.captured(1), variable = QString("P%1").arg(++n);
            if (const auto e = end.match(words); e.hasMatch()) {
                const bool first = e.captured(1) == "начинается с";
                const bool digit = e.captured(2).startsWith("циф");
                properties[variable] = [first, digit](const QString& s) {
                    return (first ? s.front() : s.back()).isDigit() == digit;
                };
            } else if (const auto c = more.match(words); c.hasMatch() && c.captured(1) != c.captured(2)) {
                const bool digits = c.captured(1) == "цифр";
                properties[variable] = [digits](const QString& s) {
                    const auto d = std::count_if(s.begin(), s.end(), [](QChar ch) { return ch.isDigit(); });
                    return digits ? 2 * d > s.size() : 2 * d < s.size();
                };
            } else {
                t.fail("an unknown property: " + words);
            }
            statement.replace(m.captured(0), variable);
        }
        return theOneWord(t, statement, properties);
    };
    // The option, a word, for which `statement` is `truth`; each part in
    // parentheses says that the word begins and ends with one letter
    // («слово начинается и оканчивается одной и той же буквой») or that two
    // neighbouring letters are equal («в слове есть две одинаковые соседние
    // буквы»). Its slips: the one option for which the statement is not
    // `truth` but becomes so when every negation is lost, when only its
    // first negation is lost, or when any two equal letters of the word are
    // taken for neighbours.
    {
        enum class Misreading { None, NegationsLost, FirstNegationLost, AnyEqualLetters };
        const auto wordWhere = [](const Task& t, Misreading how) {
            static const QRegularExpression part(R"(\(([^()]+)\))");
            static const QRegularExpression negated(QString::fromUtf8(R"(¬\s*(P\d+))"));
            QString statement = formulaText(t.text("statement"));
            std::map<QString, WordProperty> properties, slippedProperties;
            int n = 0;
            for (const auto& m : part.globalMatch(t.text("statement"))) {
                const QString variable = QString("P%1").arg(++n);
                const QString words = m.captured(1);
                if (words == "слово начинается и оканчивается одной и той же буквой") {
                    properties[variable] = [](const QString& w) {
                        return w.size() > 1 && w.front() == w.back();
                    };
                    slippedProperties[variable] = properties[variable];
                } else if (words == "в слове есть две одинаковые соседние буквы") {
                    properties[variable] = [](const QString& w) {
                        for (qsizetype i = 1; i < w.size(); ++i)
                            if (w[i] == w[i - 1])
                                return true;
                        return false;
                    };
                    slippedProperties[variable] = how != Misreading::AnyEqualLetters
                                                      ? properties[variable]
                                                      : WordProperty([](const QString& w) {
                                                            for (qsizetype i = 1; i < w.size(); ++i)
                                                                if (w.left(i).contains(w[i]))
                                                                    return true;
                                                            return false;
                                                        });
                } else {
                    t.fail("an unknown property: " + words);
                }
                statement.replace(m.captured(0), variable);
            }
            if (how == Misreading::None)
                return theOneWord(t, statement, properties);
            QString slipped = statement;
            if (how != Misreading::AnyEqualLetters) {
                const auto m = negated.match(slipped);
                if (!m.hasMatch())
                    t.fail("a statement with no negation to lose");
                if (how == Misreading::FirstNegationLost)
                    slipped.replace(m.capturedStart(), m.capturedLength(), m.captured(1));
                else
                    slipped.remove(QChar(0x00AC));
            }
            const bool truth = truthGiven(t, "truth");
            const QStringList right =
                wordsWhere(Formula::parse(statement), t.options(), properties, truth);
            QStringList found;
            for (const QString& w :
                 wordsWhere(Formula::parse(slipped), t.options(), slippedProperties, truth))
                if (!right.contains(w))
                    found << w;
            return theOneMisread(t, found);
        };
        r.solvers["logic.wordWhere"] = [=](const Task& t) {
            return wordWhere(t, Misreading::None);
        };
        r.solvers["logic.wordWhereNegationsLost"] = [=](const Task& t) {
            return wordWhere(t, Misreading::NegationsLost);
        };
        r.solvers["logic.wordWhereFirstNegationLost"] = [=](const Task& t) {
            return wordWhere(t, Misreading::FirstNegationLost);
        };
        r.solvers["logic.wordWhereAnyEqualLetters"] = [=](const Task& t) {
            return wordWhere(t, Misreading::AnyEqualLetters);
        };
    }
    // The options, numbers, for which `written` is `truth`; each part in
    // parentheses compares two of its digits ("первая цифра больше
    // последней") or says whether their sum is even ("сумма цифр чётна").
    const auto digitsFitting = [](const Task& t, const QString& written) {
        static const QRegularExpression part(R"(\(([^()]+)\))");
        static const QRegularExpression compare = unicodePattern(
            R"(^(первая|вторая|последняя) цифра (больше|меньше) (первой|второй|последней)$)");
        static const QRegularExpression parity = unicodePattern(R"(^сумма цифр (чётна|нечётна)$)");
        const auto digit = [](const QString& place, const QString& number) {
            const qsizetype at = place.startsWith("перв")   ? 0
                                 : place.startsWith("втор") ? 1
                                                            : number.size() - 1;
            return number[at].digitValue();
        };
        for (const QString& o : t.options())
            for (const QChar c : o)
                if (!c.isDigit())
                    t.fail("an option is not a number: " + o);
        QString statement = formulaText(written);
        std::map<QString, WordProperty> properties;
        int n = 0;
        for (const auto& m : part.globalMatch(written)) {
            const QString words = m.captured(1), variable = QString("P%1").arg(++n);
            if (const auto c = compare.match(words); c.hasMatch()) {
                const QString a = c.captured(1), b = c.captured(3);
                const bool more = c.captured(2) == "больше";
                properties[variable] = [=](const QString& d) {
                    return more ? digit(a, d) > digit(b, d) : digit(a, d) < digit(b, d);
                };
            } else if (const auto p = parity.match(words); p.hasMatch()) {
                const bool even = p.captured(1) == "чётна";
                properties[variable] = [=](const QString& d) {
                    int sum = 0;
                    for (const QChar c : d)
                        sum += c.digitValue();
                    return (sum % 2 == 0) == even;
                };
            } else {
                t.fail("an unknown property: " + words);
            }
            statement.replace(m.captured(0), variable);
        }
        return wordsWhere(Formula::parse(statement), t.options(), properties,
                          truthGiven(t, "truth"));
    };
    // The one option for which `written` is `truth`.
    const auto digitsWhere = [=](const Task& t, const QString& written) {
        const QStringList found = digitsFitting(t, written);
        if (found.size() != 1)
            t.fail("the statement is " + t.text("truth") + " for " + found.join(", "));
        return found.front();
    };
    // A slip: the one option for which `misread` is `truth` and the
    // statement as written is not.
    const auto digitsMisread = [=](const Task& t, const QString& misread) {
        const QString right = digitsWhere(t, t.text("statement"));
        QStringList found = digitsFitting(t, misread);
        found.removeAll(right);
        return theOneMisread(t, found);
    };
    // The statement with the first and the last digit swapped in every
    // comparison, as if the digits were counted from the right.
    const auto fromTheRight = [](QString s) {
        s.replace("первая", "\x01").replace("последняя", "первая").replace("\x01", "последняя");
        s.replace("первой", "\x02").replace("последней", "первой").replace("\x02", "последней");
        return s;
    };
    r.solvers["logic.digitsWhere"] = [=](const Task& t) {
        return digitsWhere(t, t.text("statement"));
    };
    // Slips of a statement of parts joined by ∧ and ∨ outside brackets,
    // each the one option that fits only so: the signs taken from left to
    // right, ∧ no sooner than ∨; the one ∨ outside brackets read as
    // exclusive; the digits counted from the right end of the number.
    {
        // The parts outside any brackets and the signs between them.
        const auto topLevel = [](const Task& t, const QString& s) {
            QStringList parts{QString()}, signs;
            int depth = 0;
            for (const QChar c : s) {
                depth += c == '(' ? 1 : c == ')' ? -1 : 0;
                if (depth == 0 && (c == QChar(0x2227) || c == QChar(0x2228))) {
                    signs << QString(c);
                    parts << QString();
                } else {
                    parts.back() += c;
                }
            }
            for (QString& p : parts)
                p = p.trimmed();
            if (!signs.contains(QString(QChar(0x2227))) || !signs.contains(QString(QChar(0x2228))))
                t.fail("not a statement mixing ∧ and ∨ outside brackets");
            return std::pair{parts, signs};
        };
        r.solvers["logic.digitsWhereLeftToRight"] = [=](const Task& t) {
            const auto [parts, signs] = topLevel(t, t.text("statement"));
            QString read = parts[0];
            for (qsizetype i = 0; i < signs.size(); ++i)
                read = "(" + read + " " + signs[i] + " " + parts[i + 1] + ")";
            return digitsMisread(t, read);
        };
        r.solvers["logic.digitsWhereExclusiveOr"] = [=](const Task& t) {
            const auto [parts, signs] = topLevel(t, t.text("statement"));
            const QString disjunction(QChar(0x2228));
            if (signs.count(disjunction) != 1)
                t.fail("not one ∨ outside brackets");
            QString left = parts[0], right;
            for (qsizetype i = 0; i < signs.size(); ++i)
                (i < signs.indexOf(disjunction) ? left : right) +=
                    (i == signs.indexOf(disjunction) ? QString() : " " + signs[i] + " ") +
                    parts[i + 1];
            return digitsMisread(t, QString(QChar(0x00AC)) + "((" + left + ") " + QChar(0x2261) +
                                        " (" + right + "))");
        };
        r.solvers["logic.digitsWhereFromTheRight"] = [=](const Task& t) {
            return digitsMisread(t, fromTheRight(t.text("statement")));
        };
    }
    // A slip: the implication `formula` (premise → conclusion outside any
    // parentheses) read backwards, conclusion → premise.
    r.solvers["logic.converse"] = [](const Task& t) {
        const QString f = t.text("formula");
        const qsizetype arrow = topImplication(t, f);
        return f.mid(arrow + 1).trimmed() + " → " + f.left(arrow).trimmed();
    };
    // The option, whole values of the formula's number variables ("X = 8,
    // Y = 4"), for which `formula` (or the misreading `written`) is `truth`.
    const auto optionPair = [](const Task& t, const QString& written) {
        static const QRegularExpression pair(R"(^(\w+) = (−?\d+), (\w+) = (−?\d+)$)");
        const auto values = [&](const QString& o) {
            const auto m = pair.match(o);
            if (!m.hasMatch() || m.captured(1) == m.captured(3))
                t.fail("not the values of two variables: " + o);
            return std::map<QString, qint64>{{m.captured(1), number(m.captured(2))},
                                             {m.captured(3), number(m.captured(4))}};
        };
        QStringList names;
        for (const auto& [name, value] : values(t.options().front()))
            names << name;
        const Formula f = Formula::parse(formulaText(written), names);
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return f.evaluate({}, values(o)) == truth; });
    };
    r.solvers["logic.optionPair"] = [=](const Task& t) { return optionPair(t, t.text("formula")); };
    // Its slips, where `formula` is two bracketed parts joined by one sign
    // and one part negated ("¬(X > Y) ∨ (X + Y > 12)"): the negation
    // dropped; put on the other part; put on both parts.
    enum class Negation { Dropped, Moved, OnBoth };
    const auto negationSlip = [=](const Task& t, Negation slip) {
        const QString f = t.text("formula");
        const QChar no(0x00AC);
        std::vector<std::pair<qsizetype, qsizetype>> parts;
        int depth = 0;
        for (qsizetype i = 0; i < f.size(); ++i) {
            if (f[i] == '(' && depth++ == 0)
                parts.push_back({i, f.size()});
            else if (f[i] == ')' && --depth == 0)
                parts.back().second = i + 1;
        }
        if (parts.size() != 2 || depth != 0)
            t.fail("not two bracketed parts");
        const QString before = f.left(parts[0].first).trimmed(),
                      between = f.mid(parts[0].second, parts[1].first - parts[0].second).trimmed();
        const bool first = before == no, second = between.endsWith(no);
        const QString sign = second ? between.chopped(1).trimmed() : between;
        if ((!before.isEmpty() && !first) || !f.mid(parts[1].second).trimmed().isEmpty() ||
            first == second || sign.isEmpty())
            t.fail("not two parts joined by a sign, one of them negated");
        const auto part = [&](int n, bool negated) {
            return (negated ? QString(no) : QString()) +
                   f.mid(parts[n].first, parts[n].second - parts[n].first);
        };
        const bool one = slip == Negation::OnBoth || (slip == Negation::Moved && second),
                   two = slip == Negation::OnBoth || (slip == Negation::Moved && first);
        return optionPair(t, part(0, one) + " " + sign + " " + part(1, two));
    };
    r.solvers["logic.optionPairNegationDropped"] = [=](const Task& t) {
        return negationSlip(t, Negation::Dropped);
    };
    r.solvers["logic.optionPairNegationMoved"] = [=](const Task& t) {
        return negationSlip(t, Negation::Moved);
    };
    r.solvers["logic.optionPairNegationOnBoth"] = [=](const Task& t) {
        return negationSlip(t, Negation::OnBoth);
    };
    // The option is a formula equivalent to the answer.
    r.readers["equivalent"] = [](const QString& answer, const QString& o, int, const Task&) {
        return equivalent(Formula::parse(formulaText(answer)), Formula::parse(formulaText(o)));
    };
    // The name among the options for which `statement` (properties of a
    // letter of the name in parentheses, "(вторая буква гласная)", joined
    // by logical signs) is `truth`.
    r.solvers["logic.nameWhere"] = [](const Task& t) {
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        static const QRegularExpression part(R"(\(([^()]+)\))");
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = letterProperty(t, m.captured(1));
            statement.replace(m.captured(0), variable);
        }
        return theOneWord(t, statement, properties);
    };
    // The formula itself, for options equivalent to it.
    r.solvers["logic.formula"] = [](const Task& t) { return t.text("formula"); };
    // The option whose formula fits the truth-table fragment the picture
    // draws (its last column is F).
    // The picture's fragment: the variables' names and the rows, each a
    // word of digits with F last.
    const auto fragment = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        QStringList head = table["head"].toStringList();
        if (head.size() < 2 || head.last() != "F")
            t.fail("the table's last column is not F");
        head.removeLast();
        QStringList rows;
        for (const QVariant& row : table["rows"].toList())
            rows << row.toStringList().join("");
        return std::pair{head, rows};
    };
    r.solvers["logic.fitsTable"] = [=](const Task& t) {
        const auto [head, rows] = fragment(t);
        return theOption(t, [&](const QString& o) {
            return fitsTableFragment(Formula::parse(formulaText(o)), head, rows);
        });
    };
    // The one option whose formula does not fit the picture's fragment,
    // where the other three do. Its slips, each the one fitting option that
    // stops fitting when misread: its brackets dropped; ¬P ∧ ¬Q (or ∨) read
    // as ¬(P ∧ Q).
    {
        r.solvers["logic.failsTable"] = [=](const Task& t) {
            const auto [head, rows] = fragment(t);
            return theOption(t, [&](const QString& o) {
                return !fitsTableFragment(Formula::parse(formulaText(o)), head, rows);
            });
        };
        const auto misjudged = [=](const Task& t,
                                   const std::function<QString(const QString&)>& misread) {
            const auto [head, rows] = fragment(t);
            QStringList found;
            for (const QString& o : t.options()) {
                const QString f = formulaText(o);
                if (fitsTableFragment(Formula::parse(f), head, rows) &&
                    !fitsTableFragment(Formula::parse(misread(f)), head, rows))
                    found << o;
            }
            return theOneMisread(t, found);
        };
        r.solvers["logic.failsTableBracketsDropped"] = [=](const Task& t) {
            return misjudged(t, [](QString f) { return f.remove('(').remove(')'); });
        };
        r.solvers["logic.failsTableNegationsJoined"] = [=](const Task& t) {
            static const QRegularExpression pair(R"(¬(\w+)\s*(&&|/\\|&|∧|\|\||\\/|\||∨)\s*¬(\w+))");
            return misjudged(t, [](QString f) { return f.replace(pair, "¬(\\1 \\2 \\3)"); });
        };
    }
    // Slips of matching a truth-table fragment: the one option that does
    // not fit the picture's table but fits it when its formula is read with
    // ∧ and ∨ of equal strength, left to right; when its brackets are
    // dropped; or when a ¬ is taken over the rest of its conjunction.
    {
        const auto misfit = [=](const Task& t,
                                const std::function<QString(const QString&)>& misread) {
            const auto [head, rows] = fragment(t);
            QStringList found;
            for (const QString& o : t.options()) {
                const QString f = formulaText(o);
                if (!fitsTableFragment(Formula::parse(f), head, rows) &&
                    fitsTableFragment(Formula::parse(misread(f)), head, rows))
                    found << o;
            }
            return theOneMisread(t, found);
        };
        r.solvers["logic.fitsTableLeftToRight"] = [=](const Task& t) {
            static const QStringList ands = {"&&", "/\\", "&", "∧"}, ors = {"||", "\\/", "|", "∨"};
            std::function<QString(const QString&)> inOrder = [&](const QString& s) {
                for (const char* sign : {"→", "->", "–>", "≡", "=", "↔"})
                    if (s.contains(QString::fromUtf8(sign)))
                        t.fail("the slip reads ∧ and ∨ only: " + s);
                QStringList parts, joins;
                int depth = 0;
                qsizetype from = 0;
                for (qsizetype i = 0; i < s.size(); ++i) {
                    depth += s[i] == '(' ? 1 : s[i] == ')' ? -1 : 0;
                    if (depth != 0)
                        continue;
                    for (const QString& sign : ands + ors)
                        if (s.mid(i, sign.size()) == sign) {
                            parts << s.mid(from, i - from).trimmed();
                            joins << (ands.contains(sign) ? "∧" : "∨");
                            i += sign.size() - 1;
                            from = i + 1;
                            break;
                        }
                }
                parts << s.mid(from).trimmed();
                for (QString& p : parts) {
                    const qsizetype open = p.indexOf('(');
                    if (open >= 0 && p.endsWith(')'))
                        p = p.left(open + 1) + inOrder(p.mid(open + 1, p.size() - open - 2)) + ")";
                }
                QString read = parts.front();
                for (qsizetype i = 0; i < joins.size(); ++i)
                    read = "(" + read + " " + joins[i] + " " + parts[i + 1] + ")";
                return read;
            };
            return misfit(t, inOrder);
        };
        r.solvers["logic.fitsTableBracketsDropped"] = [=](const Task& t) {
            return misfit(t, [](QString f) { return f.remove('(').remove(')'); });
        };
        // ¬ read as weaker than ∧ (but stronger than ∨): a ¬ inside a
        // conjunction takes the rest of that conjunction, ¬X ∧ Y as ¬(X ∧ Y).
        r.solvers["logic.fitsTableNegationOverConjunction"] = [=](const Task& t) {
            static const QStringList ands = {"&&", "/\\", "&", "∧"}, ors = {"||", "\\/", "|", "∨"};
            const auto signAt = [](const QString& s, qsizetype i, const QStringList& signs) {
                for (const QString& sign : signs)
                    if (s.mid(i, sign.size()) == sign)
                        return sign.size();
                return qsizetype(0);
            };
            std::function<QString(const QString&)> wide = [&](const QString& s) {
                for (const char* sign : {"→", "->", "–>", "≡", "=", "↔"})
                    if (s.contains(QString::fromUtf8(sign)))
                        t.fail("the slip reads ¬, ∧ and ∨ only: " + s);
                QStringList terms;
                QString term;
                for (qsizetype i = 0; i < s.size(); ++i) {
                    if (s[i] == '(') {
                        qsizetype close = i;
                        for (int depth = 0; close < s.size(); ++close) {
                            depth += s[close] == '(' ? 1 : s[close] == ')' ? -1 : 0;
                            if (depth == 0)
                                break;
                        }
                        if (close == s.size())
                            t.fail("an unclosed bracket: " + s);
                        term += "(" + wide(s.mid(i + 1, close - i - 1)) + ")";
                        i = close;
                    } else if (const qsizetype n = signAt(s, i, ors)) {
                        terms << term.trimmed();
                        term.clear();
                        i += n - 1;
                    } else {
                        term += s[i];
                    }
                }
                terms << term.trimmed();
                for (QString& part : terms) {
                    qsizetype negation = -1;
                    bool conjunctionAfter = false;
                    for (qsizetype i = 0, depth = 0; i < part.size(); ++i) {
                        depth += part[i] == '(' ? 1 : part[i] == ')' ? -1 : 0;
                        if (depth == 0 && negation < 0 && (part[i] == u'¬' || part[i] == '!'))
                            negation = i;
                        else if (depth == 0 && negation >= 0 && signAt(part, i, ands))
                            conjunctionAfter = true;
                    }
                    if (conjunctionAfter)
                        part =
                            part.left(negation + 1) + "(" + part.mid(negation + 1).trimmed() + ")";
                }
                return terms.join(" ∨ ");
            };
            return misfit(t, wide);
        };
    }
    // Slips of turning an implication (premise → conclusion outside any
    // parentheses) round with negations: ¬conclusion → premise, the premise
    // left without its negation; conclusion → ¬premise, the conclusion
    // left without it.
    {
        const auto turned = [](const Task& t, bool negateConclusion) {
            const QString f = t.text("formula");
            const qsizetype arrow = topImplication(t, f);
            const QString premise = f.left(arrow).trimmed(),
                          conclusion = f.mid(arrow + 1).trimmed();
            return negateConclusion ? "¬(" + conclusion + ") → " + premise
                                    : conclusion + " → ¬(" + premise + ")";
        };
        r.solvers["logic.turnedPremiseKept"] = [=](const Task& t) { return turned(t, true); };
        r.solvers["logic.turnedConclusionKept"] = [=](const Task& t) { return turned(t, false); };
    }
    // The greatest or least (`extreme`: наибольшее, наименьшее) whole X for
    // which `formula` is `truth`.
    r.solvers["logic.extremeX"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const QString extreme = t.text("extreme");
        if (extreme != "наибольшее" && extreme != "наименьшее")
            t.fail("extreme is neither наибольшее nor наименьшее");
        const bool value = truthGiven(t, "truth");
        const auto x = extreme == "наибольшее" ? greatestWhere(f, value, -10000, 10000)
                                               : leastWhere(f, value, -10000, 10000);
        if (!x || *x == 10000 || *x == -10000)
            t.fail("no bound within the range searched");
        return QString::number(*x);
    };
    // How many whole X make `formula` `truth`; refused where there are
    // none or endlessly many (an X at the ends of the range searched).
    r.solvers["logic.countX"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const bool value = truthGiven(t, "truth");
        constexpr qint64 bound = 10000;
        if (evaluateAt(f, -bound) == value || evaluateAt(f, bound) == value)
            t.fail("endlessly many X");
        qint64 count = 0;
        for (qint64 x = -bound + 1; x < bound; ++x)
            count += evaluateAt(f, x) == value ? 1 : 0;
        if (count == 0)
            t.fail("no X at all");
        return QString::number(count);
    };
    // The option, a whole X, for which `formula` (or `statement`) is
    // `truth`.
    r.solvers["logic.optionX"] = [](const Task& t) {
        const QString formula = t.text(t.has("statement") ? "statement" : "formula");
        const Formula f = Formula::parse(formulaText(formula), {"X"});
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == truth; });
    };
    // The least natural X for which `formula` is `truth`.
    // The greatest whole X for which exactly one of the three `statements`
    // is true: each a comparison over X, «X делится на k» or «X — чётное
    // (нечётное) число». Refused where no X is so or ever larger X are,
    // where only one X is (the first one tried would give it), and where it
    // is the last X before some single statement changes its value (that
    // statement alone would settle it).
    r.solvers["logic.greatestExactlyOne"] = [](const Task& t) {
        const QStringList shown = t.list("statements");
        if (shown.size() != 3)
            t.fail("not three statements");
        static const QRegularExpression divides(QString::fromUtf8(R"(^X делится на (\d+)$)")),
            parity(QString::fromUtf8(R"(^X[\s\x{00A0}]+— (чётное|нечётное) число$)"));
        std::vector<std::function<bool(qint64)>> holds;
        for (const QString& s : shown) {
            if (const auto d = divides.match(s); d.hasMatch()) {
                const qint64 k = d.captured(1).toLongLong();
                if (k < 2)
                    t.fail("a divisor below 2");
                holds.push_back([k](qint64 x) { return x % k == 0; });
            } else if (const auto p = parity.match(s); p.hasMatch()) {
                const bool even = p.captured(1) == QString::fromUtf8("чётное");
                holds.push_back([even](qint64 x) { return (x % 2 == 0) == even; });
            } else {
                const Formula f = Formula::parse(formulaText(s), {"X"});
                holds.push_back([f](qint64 x) { return evaluateAt(f, x); });
            }
        }
        constexpr qint64 bound = 10000;
        std::vector<qint64> found;
        for (qint64 x = -bound; x <= bound; ++x) {
            int trueCount = 0;
            for (const auto& h : holds)
                trueCount += h(x) ? 1 : 0;
            if (trueCount == 1)
                found.push_back(x);
        }
        if (found.empty() || found.back() > bound / 2)
            t.fail("no X, or ever larger X");
        if (found.size() == 1)
            t.fail("one X only");
        const qint64 greatest = found.back();
        for (const auto& h : holds) {
            qint64 lastChange = -bound - 1;
            for (qint64 x = -bound; x < bound; ++x)
                if (h(x) != h(x + 1))
                    lastChange = x;
            if (lastChange == greatest)
                t.fail("one statement alone gives the answer");
        }
        return QString::number(greatest);
    };
    // Whether `formula` is `truth` at a natural X, where a part in
    // parentheses may also say «X делится на k», «X — чётное число» or
    // «X — нечётное число».
    const auto divisibilityStatement = [](const Task& t) -> std::function<bool(qint64)> {
        QString text = formulaText(t.text("formula"));
        static const QRegularExpression part(
            QString::fromUtf8(R"(\(X(?: делится на (\d+)|[\s\x{00A0}]+— (чётное|нечётное) число)\))"));
        std::vector<std::function<bool(qint64)>> tests;
        for (auto m = part.match(text); m.hasMatch(); m = part.match(text)) {
            const qint64 k = m.captured(1).toLongLong();
            if (!m.captured(1).isEmpty() && k < 2)
                t.fail("a divisor below 2");
            const bool even = m.captured(2) == QString::fromUtf8("чётное");
            tests.push_back([k, even, divides = !m.captured(1).isEmpty()](qint64 x) {
                return divides ? x % k == 0 : (x % 2 == 0) == even;
            });
            text.replace(m.capturedStart(), m.capturedLength(),
                         QString("(P%1)").arg(tests.size()));
        }
        if (tests.empty())
            t.fail("no part on divisibility");
        const Formula f = Formula::parse(text, {"X"});
        const bool truth = truthGiven(t, "truth");
        return [f, tests, truth](qint64 x) {
            std::map<QString, bool> values;
            for (size_t i = 0; i < tests.size(); ++i)
                values[QString("P%1").arg(i + 1)] = tests[i](x);
            return f.evaluate(values, {{"X", x}}) == truth;
        };
    };
    // The least N such that any N natural numbers in a row hold an X for
    // which it is so: the longest run of numbers without one, and one more.
    // Refused where from some X on no number is (no N at all), and where
    // the run before the least such X is the longest (the least X would
    // give the answer).
    r.solvers["logic.leastWindowWhere"] = [=](const Task& t) {
        const auto holds = divisibilityStatement(t);
        constexpr qint64 bound = 100000;
        qint64 first = 0, run = 0, longest = 0;
        for (qint64 x = 1; x <= bound; ++x) {
            if (!holds(x)) {
                longest = std::max(longest, ++run);
                continue;
            }
            first = first ? first : x;
            run = 0;
        }
        if (first == 0 || run > bound / 2)
            t.fail("from some X on the statement is never so");
        if (longest == first - 1)
            t.fail("the least X gives the answer");
        return QString::number(longest + 1);
    };
    // The number of sets of values of `variables` for which `formula`
    // equals `value` (0 or 1).
    r.solvers["logic.countEquationSolutions"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")));
        const QStringList names = t.list("variables");
        const qint64 value = t.integer("value");
        if (value != 0 && value != 1)
            t.fail("the equation's value is neither 0 nor 1");
        const qint64 ones = countSolutions(f, names);
        return QString::number(value == 1 ? ones : (qint64(1) << names.size()) - ones);
    };
    // The one set of values of `variables`, in that order, for which
    // `formula` is `truth`.
    r.solvers["logic.onlyAssignment"] = [](const Task& t) {
        const QStringList sets = assignmentsWhere(Formula::parse(formulaText(t.text("formula"))),
                                                  t.list("variables"), truthGiven(t, "truth"));
        if (sets.size() != 1)
            t.fail("not one set of values: " + sets.join(' '));
        return sets.front();
    };
    // A system: each of `equations` equals its item of `values` (0 or 1).
    // The one set of values of `variables` (0/1 digits in their order) that
    // solves it; refused when an equation is not needed, the others alone
    // leaving that one set.
    r.solvers["logic.systemSolution"] = [](const Task& t) {
        const QStringList equations = t.list("equations"), values = t.list("values");
        if (equations.size() != values.size())
            t.fail("the equations and their values do not pair");
        const auto solutions = [&](qsizetype without) {
            QStringList parts;
            for (qsizetype i = 0; i < equations.size(); ++i) {
                if (values[i] != "0" && values[i] != "1")
                    t.fail("an equation's value is neither 0 nor 1");
                if (i != without)
                    parts << "((" + formulaText(equations[i]) + ") ≡ " + values[i] + ")";
            }
            return assignmentsWhere(Formula::parse(parts.join(" ∧ ")), t.list("variables"), true);
        };
        const QStringList sets = solutions(-1);
        if (sets.size() != 1)
            t.fail(QString("%1 sets of values").arg(sets.size()));
        for (qsizetype i = 0; i < equations.size(); ++i)
            if (solutions(i).size() == 1)
                t.fail(QString("equation %1 is not needed").arg(i + 1));
        return sets.front();
    };
    // The option, a town's name, for which `statement` is `truth`: each
    // part in parentheses counts the letters ("в названии больше шести
    // букв") or places the first letter in the Russian alphabet ("название
    // начинается с буквы, стоящей в алфавите раньше буквы «М»").
    r.solvers["logic.townWhere"] = [](const Task& t) {
        static const QString alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
        static const QRegularExpression count = unicodePattern(R"((больше|меньше) (\w+) букв)");
        static const QRegularExpression letter = unicodePattern(R"((раньше|позже) буквы «(\w)»)");
        static const QRegularExpression part(R"(\(([^()]+)\))");
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const QString words = m.captured(1), variable = QString("P%1").arg(++n);
            if (const auto c = count.match(words); c.hasMatch()) {
                const bool more = c.captured(1) == "больше";
                const int bound = numeral(c.captured(2));
                properties[variable] = [more, bound](const QString& w) {
                    const auto letters = std::count_if(w.begin(), w.end(),
                                                       [](QChar ch) { return ch.isLetter(); });
                    return more ? letters > bound : letters < bound;
                };
            } else if (const auto l = letter.match(words); l.hasMatch()) {
                const bool earlier = l.captured(1) == "раньше";
                const qsizetype bound = alphabet.indexOf(l.captured(2).toUpper());
                if (bound < 0)
                    t.fail("not a Russian letter: " + l.captured(2));
                properties[variable] = [earlier, bound](const QString& w) {
                    const qsizetype first = w.isEmpty() ? -1 : alphabet.indexOf(w.front().toUpper());
                    if (first < 0)
                        throw CheckError("a name that starts with no Russian letter: " + w);
                    return earlier ? first < bound : first > bound;
                };
            } else {
                t.fail("an unknown property: " + words);
            }
            statement.replace(m.captured(0), variable);
        }
        return theOneWord(t, statement, properties);
    };
    // Slips of a statement about a town's name, its parts read as
    // logic.townWhere reads them: the one option for which the statement is
    // not `truth` but becomes so when its negations are lost; when «больше»
    // and «меньше» take in their bound (seven letters «больше шести» and
    // six too); or when each part's negation is turned over, so that a
    // negation before one of two parts moves to the other.
    {
        enum class Misreading { NegationLost, BoundTakenIn, NegationMoved };
        const auto misread = [](const Task& t, Misreading how) {
            static const QString alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
            static const QRegularExpression count = unicodePattern(R"((больше|меньше) (\w+) букв)");
            static const QRegularExpression letter = unicodePattern(R"((раньше|позже) буквы «(\w)»)");
            static const QRegularExpression part(R"(\(([^()]+)\))");
            static const QRegularExpression variable(QString::fromUtf8(R"((¬\s*)?\b(P\d+)\b)"));
            const auto read = [&](bool boundTakenIn) {
                QString statement = formulaText(t.text("statement"));
                std::map<QString, WordProperty> properties;
                int n = 0;
                for (const auto& m : part.globalMatch(t.text("statement"))) {
                    const QString words = m.captured(1), name = QString("P%1").arg(++n);
                    if (const auto c = count.match(words); c.hasMatch()) {
                        const bool more = c.captured(1) == "больше";
                        const int bound = numeral(c.captured(2));
                        properties[name] = [more, bound, boundTakenIn](const QString& w) {
                            const auto letters = std::count_if(
                                w.begin(), w.end(), [](QChar ch) { return ch.isLetter(); });
                            if (boundTakenIn && letters == bound)
                                return true;
                            return more ? letters > bound : letters < bound;
                        };
                    } else if (const auto l = letter.match(words); l.hasMatch()) {
                        const bool earlier = l.captured(1) == "раньше";
                        const qsizetype bound = alphabet.indexOf(l.captured(2).toUpper());
                        if (bound < 0)
                            t.fail("not a Russian letter: " + l.captured(2));
                        properties[name] = [earlier, bound](const QString& w) {
                            const qsizetype first =
                                w.isEmpty() ? -1 : alphabet.indexOf(w.front().toUpper());
                            if (first < 0)
                                throw CheckError("a name that starts with no Russian letter: " + w);
                            return earlier ? first < bound : first > bound;
                        };
                    } else {
                        t.fail("an unknown property: " + words);
                    }
                    statement.replace(m.captured(0), name);
                }
                return std::pair{statement, properties};
            };
            const bool truth = truthGiven(t, "truth");
            const auto [statement, properties] = read(false);
            auto [slipped, slippedProperties] = read(how == Misreading::BoundTakenIn);
            if (how == Misreading::NegationLost) {
                if (!slipped.contains(QChar(0x00AC)))
                    t.fail("a statement with no negation to lose");
                slipped.remove(QChar(0x00AC));
            } else if (how == Misreading::NegationMoved) {
                QString turned;
                qsizetype from = 0;
                for (const auto& m : variable.globalMatch(slipped)) {
                    turned += slipped.mid(from, m.capturedStart() - from) +
                              (m.captured(1).isEmpty() ? "¬" : "") + m.captured(2);
                    from = m.capturedEnd();
                }
                slipped = turned + slipped.mid(from);
            }
            const QStringList right =
                wordsWhere(Formula::parse(statement), t.options(), properties, truth);
            QStringList found;
            for (const QString& w : wordsWhere(Formula::parse(slipped), t.options(),
                                               slippedProperties, truth))
                if (!right.contains(w))
                    found << w;
            return theOneMisread(t, found);
        };
        r.solvers["logic.townWhereNegationLost"] = [=](const Task& t) {
            return misread(t, Misreading::NegationLost);
        };
        r.solvers["logic.townWhereBoundTakenIn"] = [=](const Task& t) {
            return misread(t, Misreading::BoundTakenIn);
        };
        r.solvers["logic.townWhereNegationMoved"] = [=](const Task& t) {
            return misread(t, Misreading::NegationMoved);
        };
    }
    // The greatest natural `parameter` (a name such as A) for which
    // `formula`, over it and X, is true for every natural X (both tried up
    // to 300); the values that fit must run from 1 up to it without a gap.
    // A part in parentheses may say «число N делится на X + k».
    r.solvers["logic.greatestParameter"] = [](const Task& t) {
        const QString a = t.text("parameter");
        QString text = formulaText(t.text("formula"));
        static const QRegularExpression part(QString::fromUtf8(
            R"(\(число (\d+) делится на X[\s\x{00A0}]*\+[\s\x{00A0}]*(\d+)\))"));
        std::vector<std::pair<qint64, qint64>> divisible; // N, k
        for (auto m = part.match(text); m.hasMatch(); m = part.match(text)) {
            divisible.emplace_back(m.captured(1).toLongLong(), m.captured(2).toLongLong());
            text.replace(m.capturedStart(), m.capturedLength(),
                         QString("(P%1)").arg(divisible.size()));
        }
        const Formula f = Formula::parse(text, {"X", a});
        const auto forEveryX = [&](qint64 v) {
            for (qint64 x = 1; x <= 300; ++x) {
                std::map<QString, bool> values;
                for (size_t i = 0; i < divisible.size(); ++i)
                    values[QString("P%1").arg(i + 1)] =
                        divisible[i].first % (x + divisible[i].second) == 0;
                if (!f.evaluate(values, {{"X", x}, {a, v}}))
                    return false;
            }
            return true;
        };
        qint64 greatest = 0;
        for (qint64 v = 1; v <= 300; ++v)
            if (forEveryX(v)) {
                if (greatest != v - 1)
                    t.fail("the values of " + a + " that fit have a gap");
                greatest = v;
            }
        if (greatest == 0 || greatest == 300)
            t.fail("no greatest " + a + " within the range searched");
        return QString::number(greatest);
    };

    // The option, a natural number X, for which `statement` is `truth`;
    // each part in parentheses speaks of X's binary record: "(двоичная
    // запись X оканчивается на 0)", "(в двоичной записи X ровно 2 единицы)".
    {
        const auto binaryWhere = [](const Task& t, const QString& said) {
            static const QRegularExpression part(R"(\(([^()]+)\))");
            static const QRegularExpression ending =
                unicodePattern(R"(^двоичная запись X оканчивается на ([01])$)");
            static const QRegularExpression ones =
                unicodePattern(R"(^в двоичной записи X ровно (\d+) единиц\w*$)");
            QString statement = formulaText(said);
            std::map<QString, WordProperty> properties;
            int n = 0;
            for (const auto& m : part.globalMatch(said)) {
                const QString variable = QString("P%1").arg(++n);
                const QString words = m.captured(1);
                if (const auto e = ending.match(words); e.hasMatch())
                    properties[variable] = [digit = e.captured(1)](const QString& o) {
                        return toBase(number(o), 2).endsWith(digit);
                    };
                else if (const auto c = ones.match(words); c.hasMatch())
                    properties[variable] = [count = c.captured(1).toInt()](const QString& o) {
                        return toBase(number(o), 2).count('1') == count;
                    };
                else
                    t.fail("a part the solver cannot read: " + words);
                statement.replace(m.captured(0), variable);
            }
            return theOneWord(t, statement, properties);
        };
        r.solvers["logic.binaryWhere"] = [=](const Task& t) {
            return binaryWhere(t, t.text("statement"));
        };
        // A slip: the implication (premise → conclusion outside any
        // parentheses) read backwards, conclusion → premise.
        r.solvers["logic.binaryWhereConverse"] = [=](const Task& t) {
            const QString s = t.text("statement");
            const qsizetype arrow = topImplication(t, s);
            return binaryWhere(t, s.mid(arrow + 1).trimmed() + " → " + s.left(arrow).trimmed());
        };
    }
}

} // namespace zut::check
