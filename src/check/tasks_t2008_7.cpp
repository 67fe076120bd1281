// Solvers first needed by the 2008 paper, variant 7, until they are merged
// into the topics' files.
#include "bases.h"
#include "error.h"
#include "executor.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace zut::check {

namespace {

using Kind = zut::Element::Kind;

QRegularExpression words(const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption);
}

// A drawn table of road lengths (its corner empty, an empty cell no road).
RoadMap drawnRoads(const Task& t, const QVariantMap& table) {
    const QStringList head = table["head"].toStringList();
    if (head.isEmpty() || !head.front().isEmpty())
        t.fail("a road table's corner is not empty");
    QStringList lines{head.mid(1).join(' ')};
    for (const QVariant& row : table["rows"].toList()) {
        QStringList cells = row.toStringList();
        for (QString& c : cells)
            if (c.isEmpty())
                c = "-";
        lines << cells.join(' ');
    }
    return roadsFromTable(lines.join('\n'));
}

// A drawn scheme of roads: its nodes the places, each edge a road of the
// length written on it.
RoadMap drawnScheme(const Task& t, const QVariantMap& graph) {
    RoadMap map;
    map.places = graph["nodes"].toMap().keys();
    for (const QVariant& e : graph["edges"].toList()) {
        const QStringList edge = e.toStringList();
        if (edge.size() != 3)
            t.fail("a road drawn without its length");
        map.roads.push_back({edge[0], edge[1], number(edge[2])});
    }
    return map;
}

// The texts and pictures of a task in page order, rows walked.
std::vector<const zut::Element*> textsAndPictures(const Task& t) {
    std::vector<const zut::Element*> found;
    std::function<void(const std::vector<zut::Element>&)> walk =
        [&](const std::vector<zut::Element>& es) {
            for (const zut::Element& e : es) {
                if (e.kind == Kind::Text || e.kind == Kind::Picture)
                    found.push_back(&e);
                walk(e.children);
                walk(e.columns);
            }
        };
    walk(t.content().elements);
    return found;
}

// The cells of a drawn spreadsheet by their names ("B3"), empty ones left out.
std::map<QString, QString> drawnSheet(const Task& t, const QVariantMap& drawn) {
    const QVariantMap s = drawn["spreadsheet"].toMap();
    const QStringList columns = s["columns"].toStringList();
    int row = s.value("first-row", 1).toInt();
    std::map<QString, QString> cells;
    for (const QVariant& r : s["rows"].toList()) {
        const QStringList values = r.toStringList();
        if (values.size() != columns.size())
            t.fail("a spreadsheet row of the wrong length");
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (!values[c].isEmpty())
                cells[columns[c] + QString::number(row)] = values[c];
        ++row;
    }
    return cells;
}

// The editor that replaces the leftmost occurrence of one string by another:
// заменить(v, w), the condition нашлось(v) (several joined by "или"),
// "нц пока" … "кц" and "если" … "все" with one-command branches.
class ReplacingEditor {
public:
    ReplacingEditor(const Task& t, const QString& algorithm)
        : t_(t) {
        for (const QString& l : algorithm.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        if (lines_.size() < 2 || lines_.front() != "нач" || lines_.back() != "кон")
            t.fail("the algorithm is not framed by нач and кон");
    }
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

private:
    bool holds(const QString& condition) const {
        static const QRegularExpression found = words(R"(^нашлось\((\w+)\)$)");
        bool any = false;
        for (const QString& part : condition.split(" или ")) {
            const auto m = found.match(part);
            if (!m.hasMatch())
                t_.fail("an unknown condition: " + part);
            any = any || s_.contains(m.captured(1));
        }
        return any;
    }
    void command(const QString& c) {
        static const QRegularExpression replace = words(R"(^заменить\((\w+), (\w*)\)$)");
        const auto m = replace.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown command: " + c);
        const qsizetype at = s_.indexOf(m.captured(1));
        if (at >= 0)
            s_.replace(at, m.captured(1).size(), m.captured(2));
    }
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open))
                ++depth;
            else if (lines_[i] == close && --depth == 0)
                return i;
        }
        t_.fail("no " + close + " for " + lines_[from]);
    }
    // Runs the lines [from, to).
    void block(qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const QString& l = lines_[i];
            if (l.startsWith("нц пока ")) {
                const qsizetype end = closing(i, "нц", "кц");
                while (holds(l.mid(8))) {
                    if (++turns_ > 10000)
                        t_.fail("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith("если ")) {
                const qsizetype end = closing(i, "если", "все");
                if (end != i + 3 || !lines_[i + 1].startsWith("то ") ||
                    !lines_[i + 2].startsWith("иначе "))
                    t_.fail("a branch is not one command: " + l);
                command(holds(l.mid(5)) ? lines_[i + 1].mid(3) : lines_[i + 2].mid(6));
                i = end;
            } else {
                command(l);
            }
        }
    }

    const Task& t_;
    QStringList lines_;
    QString s_;
    int turns_ = 0;
};

} // namespace

void addT2008_7(Registry& r) {
    // The option is digits with their base as an index ("CB{_16}"): the
    // base the given `system` names, the digits the answer.
    r.readers["indexedDigits"] = [](const QString& answer, const QString& o, int, const Task& t) {
        static const QRegularExpression form(R"(^([0-9A-Z]+)\{_(\d+)\}$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not digits with their base: " + o);
        return m.captured(2).toInt() == numeral(t.text("system")) && m.captured(1) == answer;
    };
    // One book taken of `shelves` shelves of `books` books each: the bits of
    // the message which one.
    r.solvers["volume.oneBookOfShelves"] = [](const Task& t) {
        const double bits = informationBits(t.integer("shelves") * t.integer("books"));
        if (bits != std::floor(bits))
            t.fail("the information is no whole number of bits");
        return written(bits);
    };
    // A measurement every `every` minutes for a day, each a whole number from
    // `low` to `high` in the least equal number of bits.
    r.solvers["volume.dayOfMeasurements"] = [](const Task& t) {
        const qint64 every = t.integer("every");
        if (every <= 0 || 24 * 60 % every)
            t.fail("the measurements do not fill the day");
        const qint64 values = t.integer("high") - t.integer("low") + 1;
        return written(double(messageBits(24 * 60 / every, values)));
    };
    // A text of `pages` pages of `lines` lines of `chars` characters, `bits`
    // bits a character, sent in `seconds` seconds: the rate in bits a second.
    r.solvers["volume.textSendRate"] = [](const Task& t) {
        const qint64 size = textBits(t.integer("pages") * t.integer("lines") * t.integer("chars"),
                                     t.integer("bits"));
        const qint64 seconds = t.integer("seconds");
        if (seconds <= 0 || size % seconds)
            t.fail("the rate is no whole number of bits a second");
        return written(double(size / seconds));
    };
    // The sum of the based numbers `numbers` ("57_8") written in the base
    // `system` names.
    r.solvers["bases.sumOfBasedList"] = [](const Task& t) {
        return evaluateBased(t.list("numbers").join(" + "), numeral(t.text("system")));
    };
    // The name among the options for which `statement` is `truth`; its
    // parts say which letter ("первая", "последняя" …) is "гласная" or
    // "согласная": "(первая буква согласная)".
    r.solvers["logic.nameByLetters"] = [](const Task& t) {
        static const std::map<QString, int> places = {
            {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
        static const QRegularExpression part = words(R"(\((\w+) буква (\w+)\))");
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        int n = 0;
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const auto place = places.find(m.captured(1));
            const QString kind = m.captured(2);
            if (place == places.end() || (kind != "гласная" && kind != "согласная"))
                t.fail("an unknown property: " + m.captured(0));
            const int at = place->second;
            const bool vowel = kind == "гласная";
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = [at, vowel](const QString& w) {
                if (w.size() <= at)
                    return false;
                const QChar c = at < 0 ? w.back() : w[at];
                return vowel ? isVowel(c) : isConsonant(c);
            };
            statement.replace(m.captured(0), variable);
        }
        const QStringList found =
            wordsWhere(Formula::parse(statement), t.options(), properties, truthGiven(t, "truth"));
        if (found.size() != 1)
            t.fail("the statement is " + t.text("truth") + " for " + found.join(", "));
        return found.front();
    };
    // The least natural X for which `formula` is `truth`.
    r.solvers["logic.leastNaturalXWhere"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const auto x = leastWhere(f, truthGiven(t, "truth"), 1, 100000);
        if (!x || *x == 100000)
            t.fail("no natural X within the range searched");
        return QString::number(*x);
    };
    // The first picture's road table and the schemes drawn after the
    // captions "1)" … "4)": the option "схема k" of the one scheme that
    // shows the table's roads.
    r.solvers["tables.schemeOfRoadTable"] = [](const Task& t) {
        const RoadMap table = drawnRoads(t, t.drawn(0)["table"].toMap());
        static const QRegularExpression caption(R"(^(\d)\)$)");
        const auto all = textsAndPictures(t);
        QStringList fit;
        int schemes = 0;
        for (size_t i = 0; i + 1 < all.size(); ++i) {
            const auto m = caption.match(all[i]->text);
            if (all[i]->kind != Kind::Text || !m.hasMatch() || all[i + 1]->kind != Kind::Picture)
                continue;
            const QVariantMap drawn = all[i + 1]->draw.toMap();
            if (!drawn.contains("graph"))
                t.fail("a caption over no scheme");
            if (m.captured(1).toInt() != ++schemes)
                t.fail("the schemes are not numbered in order");
            if (sameRoads(table, drawnScheme(t, drawn["graph"].toMap())))
                fit << "схема " + m.captured(1);
        }
        if (schemes != 4 || fit.size() != 1)
            t.fail(QString("%1 schemes, these fit: %2").arg(schemes).arg(fit.join(", ")));
        return fit.front();
    };
    // The records of the picture's table (the first column a name, the
    // others numbers) that meet `condition` (its fields compared, joined by
    // ИЛИ and И): their count.
    r.solvers["tables.recordsMeetingCondition"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        QString condition = t.text("condition");
        condition.replace(" ИЛИ ", " ∨ ").replace(" И ", " ∧ ");
        const QStringList fields = head.mid(1);
        const Formula f = Formula::parse(condition, fields);
        if (!f.variables().isEmpty())
            t.fail("the condition names what the table lacks: " + f.variables().join(", "));
        qint64 count = 0;
        for (const QVariant& row : table["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != head.size())
                t.fail("a record of the wrong length");
            std::map<QString, qint64> values;
            for (qsizetype c = 1; c < head.size(); ++c)
                values[head[c]] = number(cells[c]);
            count += f.evaluate({}, values) ? 1 : 0;
        }
        return QString::number(count);
    };
    // The option that, written into the spreadsheet's hidden cell `hidden`
    // (shown "?"), gives the range `first`…`last` of one row the values the
    // bars of the second picture show.
    r.solvers["tables.hiddenFormulaForBars"] = [](const Task& t) {
        const std::map<QString, QString> cells = drawnSheet(t, t.drawn(0));
        const QString hidden = t.text("hidden");
        if (!cells.contains(hidden) || cells.at(hidden) != "?")
            t.fail("the hidden cell is not shown as hidden");
        const QVariantMap chart = t.drawn(1)["chart"].toMap();
        if (chart["kind"].toString() != "bar")
            t.fail("not a bar chart");
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row)
            t.fail("the range is not one row");
        QStringList range;
        for (int c = first.column; c <= last.column; ++c)
            range << cellText({c, first.row, false, false});
        if (chart["labels"].toStringList() != range)
            t.fail("the bars are not labelled with the range");
        const QVariantList bars = chart["values"].toList();
        return theOption(t, [&](const QString& o) {
            auto filled = cells;
            filled[hidden] = o;
            const auto values = evaluateSheet(filled);
            for (qsizetype i = 0; i < range.size(); ++i)
                if (values.at(range[i]) != bars[i].toDouble())
                    return false;
            return true;
        });
    };
    // A password of six: letters on odd places, each earlier in the Latin
    // alphabet than the one before, digits on even places, each greater
    // than the one before, the digits' sum `sum`. The option that is one.
    r.solvers["text.passwordByRules"] = [](const Task& t) {
        const qint64 sum = t.integer("sum");
        return theOption(t, [&](const QString& o) {
            if (o.size() != 6)
                return false;
            qint64 total = 0;
            for (qsizetype i = 0; i < 6; ++i) {
                const QChar c = o[i];
                if (i % 2 == 0 ? !(c >= 'A' && c <= 'Z') : !c.isDigit())
                    return false;
                if (i >= 2 && !(i % 2 == 0 ? c < o[i - 2] : c > o[i - 2]))
                    return false;
                if (i % 2 == 1)
                    total += c.digitValue();
            }
            return total == sum;
        });
    };
    // Three `names` from three `towns`, three `guesses` ("Денис из
    // Мурманска, а Оля из Ельца"), each half right: the first letters of
    // their towns, in the order of the names, small.
    r.solvers["text.halfRightTowns"] = [](const Task& t) {
        const QStringList names = t.list("names");
        QStringList towns = t.list("towns");
        if (names.size() != towns.size())
            t.fail("not a town for each");
        static const QRegularExpression guess = words(R"(^(\w+) из (\w+), а (\w+) из (\w+)$)");
        std::vector<std::pair<std::pair<qsizetype, QString>, std::pair<qsizetype, QString>>> halves;
        for (const QString& g : t.list("guesses")) {
            const auto m = guess.match(g);
            if (!m.hasMatch())
                t.fail("a guess of no known form: " + g);
            for (int i : {1, 3})
                if (!names.contains(m.captured(i)) || !towns.contains(m.captured(i + 1)))
                    t.fail("a guess names someone or somewhere unknown: " + g);
            halves.push_back({{names.indexOf(m.captured(1)), m.captured(2)},
                              {names.indexOf(m.captured(3)), m.captured(4)}});
        }
        std::sort(towns.begin(), towns.end());
        QStringList found;
        do {
            const auto right = [&](const auto& h) { return towns[h.first] == h.second; };
            if (std::all_of(halves.begin(), halves.end(),
                            [&](const auto& g) { return right(g.first) != right(g.second); })) {
                QString letters;
                for (const QString& town : towns)
                    letters += town.front().toLower();
                found << letters;
            }
        } while (std::next_permutation(towns.begin(), towns.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The address `protocol`://`server`/`file` put together from the parts
    // the picture's table draws (a label and a part a row): the labels in
    // that order.
    r.solvers["text.addressFromDrawnParts"] = [](const Task& t) {
        QStringList labels, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row is not a label and a part");
            labels << cells[0];
            parts << cells[1];
        }
        const QString whole = t.text("protocol") + "://" + t.text("server") + "/" + t.text("file");
        std::vector<qsizetype> order(size_t(parts.size()));
        std::iota(order.begin(), order.end(), 0);
        QStringList found;
        do {
            QString spelt, word;
            for (qsizetype i : order) {
                spelt += parts[i];
                word += labels[i];
            }
            if (spelt == whole)
                found << word;
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways to spell %2").arg(found.size()).arg(whole));
        return found.front();
    };
    // The string the replacing editor's algorithm (the task's field that
    // starts with нач) leaves of `start`.
    r.solvers["programs.replacingEditor"] = [](const Task& t) {
        for (const zut::Element* f : t.elements(Kind::Field))
            if (f->text.trimmed().startsWith("нач"))
                return ReplacingEditor(t, f->text).run(t.text("start"));
        t.fail("no algorithm");
    };
    // As programs.commands, the most commands a word ("пяти"): the one
    // program of the executor's `commands` that turns `from` into `to`; the
    // example program `example` must turn `exampleFrom` into `exampleTo`.
    r.solvers["programs.commandsUpToWordLimit"] = [](const Task& t) {
        QStringList numbered;
        const QStringList commands = t.list("commands");
        for (qsizetype i = 0; i < commands.size(); ++i)
            numbered << QString("%1: %2").arg(i + 1).arg(commands[i]);
        const QStringList parsed = parseCommands(numbered.join("; "));
        if (runCommands(parsed, t.integer("exampleFrom"), t.text("example")) !=
            t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        const QStringList programs =
            programsFor(parsed, t.integer("from"), t.integer("to"), numeral(t.text("most")));
        if (programs.size() != 1)
            t.fail(QString("%1 programs: %2").arg(programs.size()).arg(programs.join(' ')));
        return programs.front();
    };
    // Strings of digits, each its own number and then the one before twice,
    // the first `chains.1`: how often `digit` occurs in the string `which`
    // (an ordinal word). The strings shown must follow the rule.
    r.solvers["programs.numberedChainCount"] = [](const Task& t) {
        static const QString rule = "{n}{s}{s}";
        const QStringList shown = t.list("chains");
        for (qsizetype n = 2; n <= shown.size(); ++n)
            if (buildString(shown[0], rule, int(n)) != shown[n - 1])
                t.fail(QString("string %1 does not follow the rule").arg(n));
        return QString::number(
            builtCount(shown[0], rule, numeral(t.text("which")), t.text("digit").front()));
    };
}

} // namespace zut::check
