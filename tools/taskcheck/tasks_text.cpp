// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on words and symbols: chains of beads by rules, file masks,
// forecasts of a race, an address put together from its parts.
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

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace zut::check {

namespace {

// How many names two paths share from their start.
qsizetype sharedLead(const QStringList& a, const QStringList& b) {
    qsizetype shared = 0;
    while (shared < a.size() && shared < b.size() && a[shared] == b[shared])
        ++shared;
    return shared;
}

// A file mask: "?" is one character, "*" any run of them, the empty one too.
bool fitsMask(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == u'*') {
        for (qsizetype skip = 0; skip <= name.size(); ++skip)
            if (fitsMask(mask.mid(1), name.mid(skip)))
                return true;
        return false;
    }
    if (name.isEmpty() || (mask.front() != u'?' && mask.front() != name.front()))
        return false;
    return fitsMask(mask.mid(1), name.mid(1));
}

// The four actions on a chain of capitals: an odd chain gets `filler` at
// its end; its halves change places; the two `swapped` letters change
// into each other; its last letter is put in front too. Each action's
// result, in order.
QStringList fourActions(QString s, QChar filler, QChar a, QChar b) {
    QStringList steps;
    if (s.size() % 2 == 1)
        s += filler;
    steps << s;
    s = s.mid(s.size() / 2) + s.left(s.size() / 2);
    steps << s;
    for (QChar& c : s)
        c = c == a ? b : c == b ? a : c;
    steps << s;
    steps << s.back() + s;
    return steps;
}

// A colour named by a word of any case ending ("жёлтая", "зелёной"): the
// letter whose colour name shares the word's first three letters.
QChar colourLetter(const Task& t, const std::map<QString, QChar>& byStem, const QString& word) {
    const auto c = byStem.find(word.left(3).toLower());
    if (c == byStem.end())
        t.fail("no colour " + word);
    return c->second;
}

// The labels and the parts of the address table a task's picture draws,
// row by row.
std::pair<QStringList, QStringList> drawnParts(const Task& t) {
    QStringList labels, parts;
    for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
        const QStringList cells = row.toStringList();
        if (cells.size() != 2)
            t.fail("a row is not a label and a part");
        labels << cells[0];
        parts << cells[1];
    }
    return {labels, parts};
}

} // namespace

void addText(Registry& r) {
    // The directories (the root not counted) that hold the files `files`,
    // given by their full names, where no other files and no empty
    // directories exist. Its slips: directories of one name counted once
    // wherever they stand; the root counted too; each file's directories
    // counted for that file.
    {
        const auto paths = [](const Task& t) {
            std::vector<QStringList> dirs;
            for (const QString& f : t.list("files")) {
                QStringList parts = f.split('\\');
                if (parts.size() < 2 || !parts.front().endsWith(':'))
                    t.fail("not a full file name: " + f);
                parts.removeLast();
                dirs.push_back(parts);
            }
            return dirs;
        };
        const auto distinct = [=](const Task& t) {
            std::set<QString> all;
            for (const QStringList& d : paths(t))
                for (qsizetype n = 2; n <= d.size(); ++n)
                    all.insert(d.mid(0, n).join('\\'));
            return qint64(all.size());
        };
        r.solvers["text.directoriesOfFiles"] = [=](const Task& t) {
            return QString::number(distinct(t));
        };
        r.solvers["text.directoriesOfFilesWithRoot"] = [=](const Task& t) {
            return QString::number(distinct(t) + 1);
        };
        r.solvers["text.directoriesOfFilesEachFile"] = [=](const Task& t) {
            qint64 count = 0;
            for (const QStringList& d : paths(t))
                count += d.size() - 1;
            return QString::number(count);
        };
        // Slip: each file's directories counted for that file, the root
        // with them (one for every backslash of its name).
        r.solvers["text.directoriesOfFilesEachFileWithRoot"] = [=](const Task& t) {
            qint64 count = 0;
            for (const QStringList& d : paths(t))
                count += d.size();
            return QString::number(count);
        };
    }
    // The one option, a day's timetable of `length` lessons (a letter a
    // subject, `letters` standing for `subjects`), that keeps three rules
    // «если …, то …»: if lesson `ifHas` is in it, some lesson `before`
    // comes earlier, not necessarily just before; if the first lesson is
    // `ifFirst`, no lesson is `thenNone`; if a subject comes more than once,
    // its lessons follow one another. A rule holds whenever its condition
    // does not.
    r.solvers["text.timetableByConditions"] = [](const Task& t) {
        const QStringList letters = t.list("letters");
        if (letters.size() != t.list("subjects").size())
            t.fail("not a letter for every subject");
        const QChar has = t.text("ifHas").front(), before = t.text("before").front();
        const QChar first = t.text("ifFirst").front(), none = t.text("thenNone").front();
        for (const QChar c : {has, before, first, none})
            if (!letters.contains(QString(c)))
                t.fail(QString("a rule names no subject: %1").arg(c));
        const qint64 length = countGiven(t, "length");
        return theOption(t, [&](const QString& day) {
            if (day.size() != length)
                t.fail("a timetable of another length: " + day);
            for (const QChar c : day)
                if (!letters.contains(QString(c)))
                    t.fail("a lesson of no subject named: " + day);
            const qsizetype at = day.indexOf(has);
            if (at >= 0 && !day.left(at).contains(before))
                return false;
            if (day.front() == first && day.contains(none))
                return false;
            for (const QChar c : day)
                if (day.lastIndexOf(c) - day.indexOf(c) + 1 != day.count(c))
                    return false;
            return true;
        });
    };
    // A pendant of `length` (a word: "семи") beads of the kinds `colours`,
    // each named with its letter in brackets («медные (М)»): any three beads
    // in a row are of three kinds, and the two kinds `equal` occur equally
    // often. The row `row` breaks these rules; an option («вторую — на М»)
    // replaces one of its beads by a bead of another kind. The one option
    // after which the row keeps both rules. Its slips: the one option that
    // would do if rule 1 only forbade two beads of one kind side by side,
    // and the one that keeps rule 1 but not the rule of equal counts.
    {
        // Whether `s` keeps the rule of `span` beads in a row all different,
        // and whether it keeps the rule of equal counts.
        const auto keeps = [](const Task& t, const QString& s, qsizetype span) {
            bool different = true;
            for (qsizetype i = 0; i < s.size(); ++i)
                for (qsizetype j = i + 1; j < s.size() && j < i + span; ++j)
                    different = different && s[i] != s[j];
            const QStringList equal = t.list("equal");
            return std::pair{different, s.count(equal[0]) == s.count(equal[1])};
        };
        // The row after the replacement an option names.
        const auto replaced = [=](const Task& t, const QString& option) {
            static const QRegularExpression letter = unicodePattern(R"(\((\w)\)$)");
            static const QRegularExpression replacement =
                unicodePattern(R"(^(\w+)[ \x{00A0}]— на (\w)$)");
            QString kinds;
            for (const QString& c : t.list("colours")) {
                const auto m = letter.match(c);
                if (!m.hasMatch())
                    t.fail("a kind of bead without its letter: " + c);
                kinds += m.captured(1);
            }
            QString row = t.text("row");
            const QStringList equal = t.list("equal");
            if (row.size() != numeral(t.text("length")) || equal.size() != 2 ||
                !kinds.contains(equal[0]) || !kinds.contains(equal[1]) || equal[0] == equal[1])
                t.fail("the row or the kinds of equal counts do not fit the pendant");
            for (const QChar c : row)
                if (!kinds.contains(c))
                    t.fail(QString("a bead of no kind named: %1").arg(c));
            const auto [different, equalCounts] = keeps(t, row, 3);
            if (different && equalCounts)
                t.fail("the row already keeps the rules");
            const auto m = replacement.match(option);
            if (!m.hasMatch())
                t.fail("not a replacement: " + option);
            const int place = numeral(m.captured(1));
            const QChar kind = m.captured(2).front();
            if (place > row.size() || !kinds.contains(kind) || row[place - 1] == kind)
                t.fail("a replacement of no bead or by the same kind: " + option);
            row[place - 1] = kind;
            return row;
        };
        r.solvers["text.beadReplacement"] = [=](const Task& t) {
            return theOption(t, [&](const QString& o) {
                const auto [different, equalCounts] = keeps(t, replaced(t, o), 3);
                return different && equalCounts;
            });
        };
        r.solvers["text.beadReplacementNeighboursOnly"] = [=](const Task& t) {
            return theOption(t, [&](const QString& o) {
                const QString row = replaced(t, o);
                const auto [neighbours, equalCounts] = keeps(t, row, 2);
                return neighbours && equalCounts && !keeps(t, row, 3).first;
            });
        };
        r.solvers["text.beadReplacementCountsIgnored"] = [=](const Task& t) {
            return theOption(t, [&](const QString& o) {
                const auto [different, equalCounts] = keeps(t, replaced(t, o), 3);
                return different && !equalCounts;
            });
        };
    }
    // How many of the files `names` fit the mask `mask`.
    r.solvers["text.namesFittingMask"] = [](const Task& t) {
        const QStringList names = t.list("names");
        return QString::number(std::count_if(names.begin(), names.end(), [&](const QString& n) {
            return fitsMask(t.text("mask"), n);
        }));
    };
    // Its slips: "?" read as "*", any run of characters; "?" read as one
    // character or none (the name fits the mask with some of its "?" left
    // out); only the parts before the last dot compared.
    r.solvers["text.namesFittingMaskQuestionAsStar"] = [](const Task& t) {
        const QString mask = QString(t.text("mask")).replace('?', '*');
        const QStringList names = t.list("names");
        return QString::number(std::count_if(names.begin(), names.end(),
                                             [&](const QString& n) { return fitsMask(mask, n); }));
    };
    r.solvers["text.namesFittingMaskQuestionOptional"] = [](const Task& t) {
        const QString mask = t.text("mask");
        const qsizetype marks = mask.count('?');
        if (marks > 10)
            t.fail("too many question marks");
        const QStringList names = t.list("names");
        return QString::number(std::count_if(names.begin(), names.end(), [&](const QString& n) {
            for (int kept = 0; kept < 1 << marks; ++kept) {
                QString m;
                int mark = 0;
                for (QChar c : mask)
                    if (c != '?' || kept & (1 << mark++))
                        m += c;
                if (fitsMask(m, n))
                    return true;
            }
            return false;
        }));
    };
    r.solvers["text.namesFittingMaskExtensionIgnored"] = [](const Task& t) {
        const auto stem = [](const QString& s) {
            return s.contains('.') ? s.left(s.lastIndexOf('.')) : s;
        };
        const QString mask = stem(t.text("mask"));
        const QStringList names = t.list("names");
        return QString::number(std::count_if(names.begin(), names.end(), [&](const QString& n) {
            return fitsMask(mask, stem(n));
        }));
    };
    // Chains of `length` (a word) counters of the `colours` ("красных (К)"):
    // the first one of the colours `first` names ("синяя или жёлтая"), and
    // each next one as the rule `rules` gives for the counter before it
    // ("после красной фишки может лежать только жёлтая", "после синей —
    // красная или синяя", "после жёлтой — любая, кроме жёлтой"). The option
    // built so; and the slip of the rules read backwards (the rule of a
    // colour taken as what may lie before it). With `missed` (1, 2, …): the
    // slip of the rule `rules.<missed>` overlooked, the one option that
    // keeps every other rule and breaks that one.
    const auto byTransitions = [](const Task& t, bool backwards, int missed) {
        std::map<QString, QChar> byStem;
        QString all;
        for (const QString& c : t.list("colours")) {
            if (c.size() < 5 || !c.endsWith(')'))
                t.fail("a colour is not its word and its letter: " + c);
            byStem[c.left(3).toLower()] = c[c.size() - 2];
            all += c[c.size() - 2];
        }
        const auto colours = [&](const QString& words) {
            QString letters;
            static const QRegularExpression word = unicodePattern(R"(\w+)");
            for (const auto& m : word.globalMatch(words))
                if (m.captured(0) != "или" && m.captured(0) != "только")
                    letters += colourLetter(t, byStem, m.captured(0));
            return letters;
        };
        std::map<QChar, QString> next;
        QString ruled; // the colour of each rule, in order
        static const QRegularExpression rule = unicodePattern(
            R"(^после (\w+)(?: фишки)?(?: может лежать|[ \x{00A0}]—) (?:(любая, кроме) )?(.+)$)");
        for (const QString& said : t.list("rules")) {
            const auto m = rule.match(said);
            if (!m.hasMatch())
                t.fail("not a rule of what lies after a colour: " + said);
            QString allowed = colours(m.captured(3));
            if (!m.captured(2).isEmpty()) {
                QString rest = all;
                for (QChar c : allowed)
                    rest.remove(c);
                allowed = rest;
            }
            const QChar colour = colourLetter(t, byStem, m.captured(1));
            if (!next.emplace(colour, allowed).second)
                t.fail("two rules for one colour");
            ruled += colour;
        }
        if (missed > ruled.size())
            t.fail(QString("no rule %1 to overlook").arg(missed));
        const QString first = colours(t.text("first"));
        const qsizetype length = numeral(t.text("length"));
        // Whether `o` is laid by the rules, the rule of the colour `free`
        // (if any) left out.
        const auto keeps = [&](const QString& o, QChar free) {
            if (o.size() != length || !first.contains(o.front()))
                return false;
            for (qsizetype i = 0; i + 1 < o.size(); ++i) {
                const QChar before = backwards ? o[i + 1] : o[i];
                const QChar after = backwards ? o[i] : o[i + 1];
                if (before != free && (!next.contains(before) || !next.at(before).contains(after)))
                    return false;
            }
            return true;
        };
        return theOption(t, [&](const QString& o) {
            if (missed == 0)
                return keeps(o, QChar());
            return keeps(o, ruled[missed - 1]) && !keeps(o, QChar());
        });
    };
    r.solvers["text.chainByTransitions"] = [=](const Task& t) {
        return byTransitions(t, false, 0);
    };
    r.solvers["text.chainByTransitionsBackwards"] = [=](const Task& t) {
        return byTransitions(t, true, 0);
    };
    r.solvers["text.chainByTransitionsButRule1"] = [=](const Task& t) {
        return byTransitions(t, false, 1);
    };
    r.solvers["text.chainByTransitionsButRule2"] = [=](const Task& t) {
        return byTransitions(t, false, 2);
    };
    // The fewest moves (one level up, or one level down into a directory)
    // from the directory `start` to `target` (full paths, "C:\\…"): up to
    // their common part and down again. And the slips: the climb made to the
    // disk's root, a step between two directories of one parent counted as
    // one move, the deepest directory of the start whose name the target's
    // branch also has taken for that directory.
    const auto movesBetween = [](const Task& t, const QString& slip) {
        const QStringList a = t.text("start").split('\\'), b = t.text("target").split('\\');
        if (a.size() < 2 || b.size() < 2 || a.front() != b.front())
            t.fail("the directories are not on one disk");
        const qsizetype common = sharedLead(a, b);
        qsizetype moves = a.size() + b.size() - 2 * common;
        if (slip == "root") {
            moves = a.size() + b.size() - 2;
        } else if (slip == "sideways") {
            if (common >= a.size() || common >= b.size())
                t.fail("no two branches to step between");
            moves -= 1;
        } else if (slip == "sameName") {
            for (qsizetype i = a.size() - 1; i >= common; --i)
                if (const qsizetype j = b.indexOf(a[i], common); j >= 0)
                    return QString::number((a.size() - 1 - i) + (b.size() - 1 - j));
            t.fail("no directory of the same name on both branches");
        }
        return QString::number(moves);
    };
    r.solvers["text.fewestMoves"] = [=](const Task& t) { return movesBetween(t, ""); };
    r.solvers["text.movesViaRoot"] = [=](const Task& t) { return movesBetween(t, "root"); };
    r.solvers["text.movesSideways"] = [=](const Task& t) { return movesBetween(t, "sideways"); };
    r.solvers["text.movesToSameName"] = [=](const Task& t) { return movesBetween(t, "sameName"); };
    // Chains of three beads: the option whose beads stand each in the set
    // its place allows (`places`, one string of letters a place), no bead
    // twice.
    r.solvers["text.beadsByPlace"] = [](const Task& t) {
        const QStringList places = t.list("places");
        return theOption(t, [&](const QString& chain) {
            if (chain.size() != places.size())
                return false;
            for (qsizetype i = 0; i < chain.size(); ++i)
                if (!places[i].contains(chain[i]) || chain.left(i).contains(chain[i]))
                    return false;
            return true;
        });
    };
    // The option, a full file name, that a search in the directory `root`
    // and every directory below it finds by the file mask `mask`, applied to
    // the name alone. Its slips, each the option that only the slip finds: a
    // directory of the root's name found anywhere; the mask applied to the
    // path below the root; "?" taken as one character or none.
    {
        const auto found = [](const Task& t, const QString& o, bool anywhere, bool path,
                              bool optional) {
            const QString root = t.text("root");
            QString mask = t.text("mask");
            if (optional)
                mask.replace("?", "*");
            const QString name = o.section('\\', -1);
            bool below = o.startsWith(root + "\\");
            if (anywhere)
                below = o.contains("\\" + root.section('\\', -1) + "\\");
            return below && fitsMask(mask, path && below ? o.mid(root.size() + 1) : name);
        };
        const auto onlyBy = [=](bool anywhere, bool path, bool optional) {
            return [=](const Task& t) {
                return theOption(t, [&](const QString& o) {
                    return found(t, o, anywhere, path, optional) &&
                           !found(t, o, false, false, false);
                });
            };
        };
        r.solvers["text.foundInTree"] = [=](const Task& t) {
            return theOption(t, [&](const QString& o) { return found(t, o, false, false, false); });
        };
        r.solvers["text.foundInTreeAnywhere"] = onlyBy(true, false, false);
        r.solvers["text.foundInTreeByPath"] = onlyBy(false, true, false);
        r.solvers["text.foundInTreeMarkOptional"] = onlyBy(false, false, true);
    }
    // The option that fits the file mask `mask`.
    r.solvers["text.mask"] = [](const Task& t) {
        return theOption(t, [&](const QString& o) { return fitsMask(t.text("mask"), o); });
    };
    // Four `runners`, three `forecasts` of two claims each ("Борис придёт
    // четвёртым, а Вадим — третьим"), each forecast half right: the places
    // of the runners in their order, the one answer; the `example` of the
    // answer's form must not be it.
    r.solvers["text.halfRightForecasts"] = [](const Task& t) {
        const QStringList names = t.list("runners");
        static const QStringList stems = {"перв", "втор", "трет", "четв"};
        const QRegularExpression claim("(" + names.join('|') + R"()[^,]*?(перв|втор|трет|четв))");
        std::vector<std::vector<std::pair<qsizetype, int>>> forecasts;
        for (const QString& f : t.list("forecasts")) {
            std::vector<std::pair<qsizetype, int>> claims;
            for (const auto& m : claim.globalMatch(f))
                claims.emplace_back(names.indexOf(m.captured(1)),
                                    int(stems.indexOf(m.captured(2))) + 1);
            if (claims.size() != 2)
                t.fail("a forecast has not two claims: " + f);
            forecasts.push_back(claims);
        }
        if (names.size() != 4)
            t.fail("not four runners");
        QStringList solutions;
        std::vector<int> place = {1, 2, 3, 4};
        do {
            const bool halfRight = std::all_of(forecasts.begin(), forecasts.end(), [&](auto& f) {
                return (place[size_t(f[0].first)] == f[0].second) +
                           (place[size_t(f[1].first)] == f[1].second) ==
                       1;
            });
            if (halfRight)
                solutions
                    << QString("%1%2%3%4").arg(place[0]).arg(place[1]).arg(place[2]).arg(place[3]);
        } while (std::next_permutation(place.begin(), place.end()));
        if (solutions.size() != 1)
            t.fail(QString("%1 solutions").arg(solutions.size()));
        if (t.has("example") && t.text("example") == solutions.front())
            t.fail("the example of the answer's form is the answer");
        return solutions.front();
    };
    // The address `protocol`://`server`/`file` put together from labelled
    // parts, a label and a part a row, of the task's table (as typed: the
    // Latin look-alike A stands for the Cyrillic) or else of the table its
    // picture draws (as drawn): the labels in that order.
    r.solvers["text.address"] = [](const Task& t) {
        QStringList l, p;
        if (const auto tables = t.all<zut::TableElement>(); !tables.empty()) {
            const zut::TableElement& table = *tables.front();
            std::map<int, QString> labels, parts;
            for (const zut::TableElement::Cell& c : table.cells)
                (c.at.x() < table.columnRules.at(0) ? labels : parts)[c.at.y()] = c.text;
            if (labels.size() != parts.size())
                t.fail("the table's rows are not whole");
            auto label = labels.begin();
            for (auto part = parts.begin(); part != parts.end(); ++part, ++label) {
                if (std::abs(label->first - part->first) > 2)
                    t.fail("a label and its part are not on one row");
                l << (label->second == "A" ? QString(QChar(0x0410)) : label->second);
                p << part->second;
            }
        } else {
            std::tie(l, p) = drawnParts(t);
        }
        return spelling(t, l, p,
                        t.text("protocol") + "://" + t.text("server") + "/" + t.text("file"));
    };
    // The address `protocol`://`server`/… of the file whose full name on
    // the server's disk is `file`, the server's root directory being the
    // disk's folder `root`: the path below `root`, with "/" for "\", and at
    // least one directory in it; the labels of the drawn parts that spell
    // it, in that order.
    r.solvers["text.addressOnDisk"] = [](const Task& t) {
        const QString root = t.text("root") + '\\', file = t.text("file");
        if (!file.startsWith(root) || !file.mid(root.size()).contains('\\'))
            t.fail("the file is not in a directory inside the root");
        const auto [labels, parts] = drawnParts(t);
        return spelling(t, labels, parts,
                        t.text("protocol") + "://" + t.text("server") + "/" +
                            file.mid(root.size()).replace('\\', '/'));
    };
    // The address a relative `link` on the page at `page` leads to (the
    // link's path counted from the page's directory, each «..» one
    // directory up), put together from the parts the picture draws: the
    // labels in that order.
    r.solvers["text.addressByLink"] = [](const Task& t) {
        static const QRegularExpression address(R"(^(\w+://[^/]+)/(.*)$)");
        const auto m = address.match(t.text("page"));
        if (!m.hasMatch())
            t.fail("not a page's address: " + t.text("page"));
        QStringList path = m.captured(2).split('/');
        path.removeLast(); // the page's own file
        const QString link = t.text("link");
        if (link.startsWith('/') || link.contains("://") || !link.contains(".."))
            t.fail("not a link counted from the page: " + link);
        for (const QString& step : link.split('/')) {
            if (step != "..")
                path << step;
            else if (path.isEmpty())
                t.fail("the link climbs above the root");
            else
                path.removeLast();
        }
        const auto [labels, parts] = drawnParts(t);
        return spelling(t, labels, parts, m.captured(1) + "/" + path.join('/'));
    };
    // The e-mail address of a `name`, built by the rule the `login` of her
    // `brother` shows: the same `server`, and a login that is the
    // brother's with his first name, in Latin letters, replaced by hers;
    // the labels of the drawn parts in that order.
    r.solvers["text.mailAddressByRule"] = [](const Task& t) {
        static const QStringList latin = {
            "a", "b", "v", "g", "d", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
            "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya"};
        const auto inLatin = [&](const QString& word) {
            QString out;
            for (const QChar c : word.toLower()) {
                const int i = c.unicode() - 0x0430;
                if (i < 0 || i >= latin.size() || latin[i].isEmpty())
                    t.fail("a name with a letter not spelt in Latin: " + word);
                out += latin[i];
            }
            return out;
        };
        const QString brother = t.text("login"), server = t.text("server");
        const QString own = inLatin(t.text("brother")) + ".";
        if (!brother.startsWith(own) || server.count('.') != 2)
            t.fail("the brother's login is not his first name, a dot and the rest, or the server not of three levels");
        const QString login = inLatin(t.text("name")) + "." + brother.mid(own.size());
        const auto [labels, parts] = drawnParts(t);
        return spelling(t, labels, parts, login + "@" + server);
    };
    // Four `pupils` on chairs 1 … 4 in a row and three `statements` of two
    // halves joined by ", а ", each half about one pupil: «… сидит на
    // первом стуле», «… рядом с …», «… между … и …» (next to both), «…
    // с краю», any of them with «не». One half of each statement true: the
    // chairs of the pupils in their order, the one answer.
    r.solvers["text.halfRightSeats"] = [](const Task& t) {
        const QStringList pupils = t.list("pupils");
        if (pupils.size() != 4)
            t.fail("not four pupils");
        QStringList stems;
        for (const QString& p : pupils)
            stems << p.left(3);
        const QRegularExpression name = unicodePattern("\\b(" + stems.join('|') + ")\\w*");
        static const QStringList ordinals = {"перв", "втор", "трет", "четв"};
        // A claim: whether it holds for the chairs `chair` (by pupil).
        using Claim = std::function<bool(const std::vector<int>&)>;
        std::vector<std::pair<Claim, Claim>> statements;
        for (const QString& s : t.list("statements")) {
            const QStringList halves = s.split(QString::fromUtf8(", а "));
            if (halves.size() != 2)
                t.fail("not two halves: " + s);
            std::vector<Claim> claims;
            for (const QString& half : halves) {
                std::vector<qsizetype> who;
                for (const auto& m : name.globalMatch(half))
                    who.push_back(stems.indexOf(m.captured(1)));
                if (who.empty())
                    t.fail("no pupil in: " + half);
                const bool negated = half.contains(QString::fromUtf8(" не "));
                const size_t a = size_t(who[0]);
                Claim c;
                if (half.contains(QString::fromUtf8("рядом с")) && who.size() == 2) {
                    const size_t b = size_t(who[1]);
                    c = [a, b](const std::vector<int>& ch) { return std::abs(ch[a] - ch[b]) == 1; };
                } else if (half.contains(QString::fromUtf8("между")) && who.size() == 3) {
                    const size_t b = size_t(who[1]), d = size_t(who[2]);
                    c = [a, b, d](const std::vector<int>& ch) {
                        return std::abs(ch[a] - ch[b]) == 1 && std::abs(ch[a] - ch[d]) == 1;
                    };
                } else if (half.contains(QString::fromUtf8("с краю")) && who.size() == 1) {
                    c = [a](const std::vector<int>& ch) { return ch[a] == 1 || ch[a] == 4; };
                } else {
                    int seat = 0;
                    for (qsizetype i = 0; i < ordinals.size(); ++i)
                        if (half.contains(ordinals[i]))
                            seat = int(i) + 1;
                    if (seat == 0 || who.size() != 1)
                        t.fail("an unknown claim: " + half);
                    c = [a, seat](const std::vector<int>& ch) { return ch[a] == seat; };
                }
                claims.push_back(negated ? Claim([c](const std::vector<int>& ch) { return !c(ch); })
                                         : c);
            }
            statements.emplace_back(claims[0], claims[1]);
        }
        QStringList solutions;
        std::vector<int> chair = {1, 2, 3, 4};
        do {
            if (std::all_of(statements.begin(), statements.end(), [&](const auto& st) {
                    return st.first(chair) != st.second(chair);
                })) {
                QString s;
                for (int c : chair)
                    s += QString::number(c);
                solutions << s;
            }
        } while (std::next_permutation(chair.begin(), chair.end()));
        if (solutions.size() != 1)
            t.fail(QString("%1 solutions: %2").arg(solutions.size()).arg(solutions.join(' ')));
        return solutions.front();
    };
    // The address `protocol`://IP/`file` of a server whose IP address (four
    // numbers 0 … 255 without leading zeros, between dots) is not named,
    // put together from the labelled parts of the table the picture draws:
    // the labels of the one order of all parts that spells such an address.
    r.solvers["text.addressByIp"] = [](const Task& t) {
        const auto [labels, parts] = drawnParts(t);
        const QString head = t.text("protocol") + "://", tail = "/" + t.text("file");
        static const QRegularExpression ip(R"(^(0|[1-9]\d{0,2})(\.(0|[1-9]\d{0,2})){3}$)");
        const auto isIp = [](const QString& s) {
            if (!ip.match(s).hasMatch())
                return false;
            for (const QString& n : s.split('.'))
                if (n.toInt() > 255)
                    return false;
            return true;
        };
        std::vector<int> order(size_t(parts.size()));
        std::iota(order.begin(), order.end(), 0);
        QStringList found;
        do {
            QString whole, spelt;
            for (int i : order) {
                whole += parts[i];
                spelt += labels[i];
            }
            if (whole.startsWith(head) && whole.endsWith(tail) &&
                whole.size() > head.size() + tail.size() &&
                isIp(whole.mid(head.size(), whole.size() - head.size() - tail.size())))
                found << spelt;
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 orders spell an address: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The option is a time "1 ч 30 мин", the answer in minutes.
    r.readers["hoursAndMinutes"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression form(R"(^(\d+) ч (\d+) мин$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not a time: " + o);
        return number(m.captured(1)) * 60 + number(m.captured(2)) == number(answer);
    };
    // A journey of legs `lengths` km at `speeds` km/h with a stop of `stop`
    // minutes: its time in whole minutes.
    r.solvers["motion.journeyMinutes"] = [](const Task& t) {
        const QStringList lengths = t.list("lengths"), speeds = t.list("speeds");
        if (lengths.isEmpty() || lengths.size() != speeds.size())
            t.fail("the legs' lengths and speeds do not pair");
        qint64 minutes = t.integer("stop");
        for (qsizetype i = 0; i < lengths.size(); ++i) {
            const qint64 km60 = number(lengths[i]) * 60, speed = number(speeds[i]);
            if (speed <= 0 || km60 % speed)
                t.fail("a leg takes no whole number of minutes");
            minutes += km60 / speed;
        }
        return QString::number(minutes);
    };
    // The slip of that journey: the whole way, all the legs' `lengths`
    // together, taken at the first leg's speed, the stop added; in minutes.
    r.solvers["motion.journeyAtFirstSpeed"] = [](const Task& t) {
        const QStringList lengths = t.list("lengths"), speeds = t.list("speeds");
        if (lengths.isEmpty() || lengths.size() != speeds.size())
            t.fail("the legs' lengths and speeds do not pair");
        qint64 km60 = 0;
        for (const QString& length : lengths)
            km60 += number(length) * 60;
        const qint64 speed = number(speeds.front());
        if (speed <= 0 || km60 % speed)
            t.fail("the way takes no whole number of minutes at the first speed");
        return QString::number(t.integer("stop") + km60 / speed);
    };
    // Chains of `length` beads of the `colours` whose first and last are
    // alike, no two neighbours alike and of the colour named `rare` at most
    // `most`: how many. Its slips: the rule on `rare` dropped; the last two
    // beads taken for no neighbours; «at most» read as «exactly».
    {
        enum class Slip { None, RareFree, LastPairFree, RareExact };
        const auto count = [](const Task& t, Slip slip) {
            const QStringList colours = t.list("colours");
            const qsizetype kinds = colours.size(), rare = colours.indexOf(t.text("rare"));
            if (rare < 0)
                t.fail("the limited colour is none of the colours");
            const int length = numeral(t.text("length")), most = numeral(t.text("most"));
            if (kinds < 2 || length < 3 || length > 8)
                t.fail("no chains of that length to count");
            qint64 found = 0;
            std::vector<qsizetype> chain(size_t(length), 0);
            for (;;) {
                bool fits = chain.front() == chain.back();
                for (int i = 1; i < length && fits; ++i)
                    fits = chain[size_t(i)] != chain[size_t(i - 1)] ||
                           (slip == Slip::LastPairFree && i == length - 1);
                const auto rares = std::count(chain.begin(), chain.end(), rare);
                if (fits && (slip == Slip::RareFree ||
                             (slip == Slip::RareExact ? rares == most : rares <= most)))
                    ++found;
                int place = length - 1;
                while (place >= 0 && ++chain[size_t(place)] == kinds)
                    chain[size_t(place--)] = 0;
                if (place < 0)
                    break;
            }
            return QString::number(found);
        };
        r.solvers["text.beadChainsCount"] = [=](const Task& t) { return count(t, Slip::None); };
        r.solvers["text.beadChainsCountRareFree"] = [=](const Task& t) {
            return count(t, Slip::RareFree);
        };
        r.solvers["text.beadChainsCountLastPairFree"] = [=](const Task& t) {
            return count(t, Slip::LastPairFree);
        };
        r.solvers["text.beadChainsCountRareExact"] = [=](const Task& t) {
            return count(t, Slip::RareExact);
        };
    }
    // Chains of `length` characters of `letters` and `digits`: the option
    // that begins and ends with a letter, has `digitCount` digits none
    // beside another, the letter `once` at most once and the digit `after`
    // never followed by `banned`.
    r.solvers["text.chainRules"] = [](const Task& t) {
        const QString letters = t.list("letters").join(""), digits = t.list("digits").join("");
        const qsizetype length = numeral(t.text("length")), count = numeral(t.text("digitCount"));
        const QString once = t.text("once"), pair = t.text("after") + t.text("banned");
        return theOption(t, [&](const QString& o) {
            if (o.size() != length || digits.contains(o.front()) || digits.contains(o.back()))
                return false;
            qsizetype found = 0;
            for (qsizetype i = 0; i < o.size(); ++i) {
                if (!letters.contains(o[i]) && !digits.contains(o[i]))
                    return false;
                if (!digits.contains(o[i]))
                    continue;
                if (i > 0 && digits.contains(o[i - 1]))
                    return false;
                ++found;
            }
            return found == count && o.count(once) <= 1 && !o.contains(pair);
        });
    };
    // The algorithm field (НАЧАЛО … КОНЕЦ) run on `word`: each letter put
    // at the end or at the start of R, as its branch for `vowels` and for
    // the other letters says.
    r.solvers["text.vowelsBackConsonantsFront"] = [](const Task& t) {
        QString algorithm;
        for (const zut::FieldElement* f : t.all<zut::FieldElement>())
            if (f->text.trimmed().startsWith("НАЧАЛО"))
                algorithm = f->text;
        if (algorithm.isEmpty())
            t.fail("no algorithm");
        if (!algorithm.contains("ЕСЛИ S[i]\u00A0— гласная буква") ||
            !algorithm.contains("i := 1\n") || !algorithm.contains("i := i + 1\n"))
            t.fail("an algorithm of another kind");
        const auto appends = [&](const QString& branch) {
            const QRegularExpression line("^ *" + branch + R"( R := (.+)$)",
                                          QRegularExpression::MultilineOption);
            const QString what = line.match(algorithm).captured(1).trimmed();
            if (what != "R + S[i]" && what != "S[i] + R")
                t.fail("a branch " + branch + " of no known kind");
            return what == "R + S[i]";
        };
        const bool vowelBack = appends("ТО"), otherBack = appends("ИНАЧЕ");
        const QString vowels = t.list("vowels").join("");
        QString r;
        for (QChar c : t.text("word")) {
            if (vowels.contains(c) ? vowelBack : otherBack)
                r += c;
            else
                r.prepend(c);
        }
        return r;
    };
    // Three `people` in the `villages` of one river, one each (the villages
    // named upstream first); three `phrases` of two halves joined by «, а »,
    // one half of each true. A half is «<who> живёт в <village>» or «<who>
    // живёт выше (ниже) по реке, чем <whom>»; after «а» a dash may stand for
    // «живёт», and «по реке» may be left out. A village is known by its
    // first three letters, whatever its ending. The first letters of the
    // people's villages, in their order, capital; every phrase is needed.
    r.solvers["text.halfTrueAlongRiver"] = [](const Task& t) {
        const QStringList people = t.list("people"), villages = t.list("villages");
        if (people.size() != villages.size())
            t.fail("the people and the villages do not pair");
        static const QRegularExpression at =
            unicodePattern(R"(^(\w+)(?: живёт|[ \x{00A0}]—) в (\w+)$)");
        static const QRegularExpression order =
            unicodePattern(R"(^(\w+)(?: живёт|[ \x{00A0}]—) (выше|ниже)(?: по реке)?, чем (\w+)$)");
        const auto person = [&](const QString& name) {
            const qsizetype i = people.indexOf(name);
            if (i < 0)
                t.fail("no one called " + name);
            return size_t(i);
        };
        // A half as a test of a placing: place[i] is the village of
        // people[i], 0 the one furthest upstream.
        using Half = std::function<bool(const std::vector<qsizetype>&)>;
        std::vector<std::pair<Half, Half>> phrases;
        for (const QString& p : t.list("phrases")) {
            const QStringList parts = p.split(", а ");
            if (parts.size() != 2)
                t.fail("a phrase not of two halves: " + p);
            Half h[2];
            for (int k = 0; k < 2; ++k) {
                if (const auto m = at.match(parts[k]); m.hasMatch()) {
                    const size_t who = person(m.captured(1));
                    QList<qsizetype> where;
                    for (qsizetype v = 0; v < villages.size(); ++v)
                        if (villages[v].left(3) == m.captured(2).left(3))
                            where << v;
                    if (where.size() != 1)
                        t.fail("not one village " + m.captured(2));
                    h[k] = [=, v = where.front()](const auto& place) { return place[who] == v; };
                } else if (const auto n = order.match(parts[k]); n.hasMatch()) {
                    const size_t who = person(n.captured(1)), whom = person(n.captured(3));
                    if (who == whom)
                        t.fail("a half comparing someone with himself: " + parts[k]);
                    const bool above = n.captured(2) == "выше";
                    h[k] = [=](const auto& place) { return (place[who] < place[whom]) == above; };
                } else {
                    t.fail("a half of no known form: " + parts[k]);
                }
            }
            phrases.push_back({h[0], h[1]});
        }
        // The placings that keep every phrase but the one numbered `without`.
        const auto placings = [&](size_t without) {
            std::vector<qsizetype> place(size_t(people.size()));
            std::iota(place.begin(), place.end(), 0);
            QStringList found;
            do {
                bool halfRight = true;
                for (size_t i = 0; i < phrases.size(); ++i)
                    if (i != without)
                        halfRight =
                            halfRight && phrases[i].first(place) != phrases[i].second(place);
                if (halfRight) {
                    QString initials;
                    for (qsizetype v : place)
                        initials += villages[v].front().toUpper();
                    found << initials;
                }
            } while (std::next_permutation(place.begin(), place.end()));
            return found;
        };
        const QStringList found = placings(phrases.size());
        if (found.size() != 1)
            t.fail(QString("%1 placings: %2").arg(found.size()).arg(found.join(' ')));
        for (size_t i = 0; i < phrases.size(); ++i)
            if (placings(i).size() == 1)
                t.fail(QString("phrase %1 is not needed").arg(i + 1));
        return found.front();
    };
    // The four actions (fourActions above, of `filler` and the two letters
    // `swapped`) applied to `start` twice; the example, `example.1` turned
    // into `example.5` an action at a time, must come out as shown.
    r.solvers["text.fourLetterActionsTwice"] = [](const Task& t) {
        const QStringList swapped = t.list("swapped"), example = t.list("example");
        if (swapped.size() != 2 || t.text("filler").size() != 1)
            t.fail("the actions' letters are not one and a pair");
        const auto apply = [&](const QString& s) {
            return fourActions(s, t.text("filler")[0], swapped[0][0], swapped[1][0]);
        };
        if (example.size() != 5 || apply(example[0]) != example.mid(1))
            t.fail("the example does not come out as shown");
        return apply(apply(t.text("start")).back()).back();
    };
    // The name of the file `file` relative to the directory `current` (both
    // full names on one disk): one «..» for each level from `current` up to
    // the deepest directory they share, then the rest of the file's name.
    // Its slips: one «..» fewer; the shared directory named again after the
    // climb; the full name without its disk.
    const auto relativeName = [](const Task& t, const QString& slip) {
        const QStringList from = t.text("current").split('\\'), to = t.text("file").split('\\');
        if (from.contains("") || to.contains("") || to.size() < 2 || from.front() != to.front())
            t.fail("not two full names on one disk");
        if (slip == "root")
            return to.mid(1).join('\\');
        // The file's own name is no directory to share.
        const qsizetype shared = sharedLead(from, to.mid(0, to.size() - 1));
        qsizetype up = from.size() - shared;
        if (slip == "fewer" && up < 2)
            t.fail("no «..» to leave out");
        if (slip == "repeated" && (up == 0 || shared < 2))
            t.fail("no shared directory to name again");
        if (slip == "fewer")
            up -= 1;
        QStringList name(up, "..");
        if (slip == "repeated")
            name << to[shared - 1];
        return (name + to.mid(shared)).join('\\');
    };
    r.solvers["text.relativeName"] = [=](const Task& t) { return relativeName(t, ""); };
    r.solvers["text.relativeNameOneUpFewer"] = [=](const Task& t) {
        return relativeName(t, "fewer");
    };
    r.solvers["text.relativeNameSharedRepeated"] = [=](const Task& t) {
        return relativeName(t, "repeated");
    };
    r.solvers["text.relativeNameFromRoot"] = [=](const Task& t) { return relativeName(t, "root"); };
    // Guesses of a cell of a plan (rows `rows`, places `low` … `high`),
    // each «Приз (не) в ряду <row>, (а) (не) на месте <place>» and right in
    // exactly one half. The one cell, its row and place.
    r.solvers["text.halfRightGuesses"] = [](const Task& t) {
        static const QRegularExpression form =
            unicodePattern(R"(^Приз (не )?в ряду (\w+), (?:а )?(не )?на месте (\d+)$)");
        struct Guess {
            QString row;
            bool notRow;
            qint64 place;
            bool notPlace;
        };
        const QStringList rows = t.list("rows");
        const qint64 low = t.integer("low"), high = t.integer("high");
        std::vector<Guess> guesses;
        for (const QString& g : t.list("guesses")) {
            const auto m = form.match(g);
            if (!m.hasMatch())
                t.fail("a guess of no known form: " + g);
            guesses.push_back({m.captured(2), !m.captured(1).isEmpty(), m.captured(4).toLongLong(),
                               !m.captured(3).isEmpty()});
            if (!rows.contains(guesses.back().row) || guesses.back().place < low ||
                guesses.back().place > high)
                t.fail("a guess names no row or place of the plan: " + g);
        }
        QStringList found;
        for (const QString& row : rows)
            for (qint64 place = low; place <= high; ++place)
                if (std::all_of(guesses.begin(), guesses.end(), [&](const Guess& g) {
                        return ((g.row == row) != g.notRow) != ((g.place == place) != g.notPlace);
                    }))
                    found << row + QString::number(place);
        if (found.size() != 1)
            t.fail("not one cell: " + found.join(' '));
        return found.front();
    };
    // Chains of `length` (a word: "четырёх") beads, `consonants` and
    // `vowels`: the option in which they alternate, a consonant first, the
    // first and third beads differ and the last comes before the second in
    // the alphabet.
    r.solvers["text.beadsAlternating"] = [](const Task& t) {
        const QString consonants = t.list("consonants").join(""),
                      vowels = t.list("vowels").join("");
        const int length = numeral(t.text("length"));
        return theOption(t, [&](const QString& o) {
            if (o.size() != length || length < 4)
                return false;
            for (qsizetype i = 0; i < o.size(); ++i) {
                if (!consonants.contains(o[i]) && !vowels.contains(o[i]))
                    return false;
                if (i > 0 && vowels.contains(o[i]) == vowels.contains(o[i - 1]))
                    return false;
            }
            return consonants.contains(o[0]) && o[0] != o[2] && o.back() < o[1];
        });
    };
    // The mask among the options that picks from `files` exactly `chosen`,
    // `count` (a word: "три") of them.
    r.solvers["text.maskSelecting"] = [](const Task& t) {
        const QStringList files = t.list("files");
        QStringList chosen = t.list("chosen");
        if (chosen.size() != numeral(t.text("count")))
            t.fail("the files named are not as many as the wording says");
        for (const QString& f : chosen)
            if (!files.contains(f))
                t.fail(f + " is not among the files");
        chosen.sort();
        return theOption(t, [&](const QString& mask) {
            QStringList picked;
            for (const QString& f : files)
                if (fitsMask(mask, f))
                    picked << f;
            picked.sort();
            return picked == chosen;
        });
    };
    // `pupils` in the different `schools`; three claims of two halves, half k
    // saying that the school number of `whose` k (a pupil's name in another
    // case) is `what` k: «чётный», «нечётный», «больше N», «меньше N»,
    // «делится на N», «не делится на N», «больше, чем у …», «меньше, чем у
    // …». Each claim half right: the schools of the pupils in their order.
    r.solvers["text.halfRightProperties"] = [](const Task& t) {
        const QStringList pupils = t.list("pupils"), whose = t.list("whose"), what = t.list("what");
        QStringList schools = t.list("schools");
        if (pupils.size() != schools.size() || whose.size() != what.size() || whose.size() % 2)
            t.fail("the pupils, schools and claims do not pair");
        // A pupil by a form of the name, which begins with the name less its
        // last letter.
        const auto pupil = [&](const QString& form) {
            qsizetype found = -1;
            for (qsizetype i = 0; i < pupils.size(); ++i)
                if (form.startsWith(pupils[i].chopped(1))) {
                    if (found >= 0)
                        t.fail("two pupils fit " + form);
                    found = i;
                }
            if (found < 0)
                t.fail("no pupil " + form);
            return found;
        };
        static const QRegularExpression compared(R"(^(больше|меньше), чем у (\S+)$)"),
            bound(R"(^(больше|меньше) (\d+)$)"), divides(R"(^(не )?делится на (\d+)$)");
        using Half = std::function<bool(const std::vector<qint64>&)>;
        std::vector<Half> halves;
        for (qsizetype i = 0; i < what.size(); ++i) {
            const size_t p = size_t(pupil(whose[i]));
            const QString& w = what[i];
            QRegularExpressionMatch m;
            if (w == "чётный" || w == "нечётный") {
                const qint64 rest = w == "нечётный" ? 1 : 0;
                halves.push_back([=](const std::vector<qint64>& s) { return s[p] % 2 == rest; });
            } else if ((m = compared.match(w)).hasMatch()) {
                const size_t q = size_t(pupil(m.captured(2)));
                if (q == p)
                    t.fail("a pupil compared with himself: " + w);
                const bool more = m.captured(1) == "больше";
                halves.push_back(
                    [=](const std::vector<qint64>& s) { return more ? s[p] > s[q] : s[p] < s[q]; });
            } else if ((m = bound.match(w)).hasMatch()) {
                const qint64 n = m.captured(2).toLongLong();
                const bool more = m.captured(1) == "больше";
                halves.push_back([=](const std::vector<qint64>& s) { return more ? s[p] > n : s[p] < n; });
            } else if ((m = divides.match(w)).hasMatch()) {
                const qint64 d = m.captured(2).toLongLong();
                const bool yes = m.captured(1).isEmpty();
                halves.push_back([=](const std::vector<qint64>& s) { return (s[p] % d == 0) == yes; });
            } else {
                t.fail("a property not known: " + w);
            }
        }
        std::sort(schools.begin(), schools.end());
        QStringList found;
        do {
            std::vector<qint64> s;
            for (const QString& n : schools)
                s.push_back(n.toLongLong());
            bool halfRight = true;
            for (size_t i = 0; i < halves.size(); i += 2)
                halfRight = halfRight && halves[i](s) != halves[i + 1](s);
            if (halfRight)
                found << schools.join("");
        } while (std::next_permutation(schools.begin(), schools.end()));
        if (found.size() != 1)
            t.fail(QString("%1 solutions: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // As text.runLengthLetters, with every multiplier written in binary
    // (a multiplier of another digit fails the task).
    r.solvers["text.runLengthLettersBinary"] = [](const Task& t) {
        static const QRegularExpression number("[0-9]+");
        const auto decimal = [&](const QString& code) {
            QString out = code;
            for (auto m = number.globalMatch(code); m.hasNext();) {
                const auto n = m.next();
                if (n.captured().contains(QRegularExpression("[2-9]")))
                    t.fail("a multiplier not in binary: " + code);
            }
            qsizetype shift = 0;
            for (auto m = number.globalMatch(code); m.hasNext();) {
                const auto n = m.next();
                const QString value = QString::number(fromBase(n.captured(), 2));
                out.replace(n.capturedStart() + shift, n.capturedLength(), value);
                shift += value.size() - n.capturedLength();
            }
            return out;
        };
        const QStringList examples = t.list("examples"), decoded = t.list("decoded");
        if (examples.size() != decoded.size())
            t.fail("the examples and their letters do not pair");
        for (qsizetype i = 0; i < examples.size(); ++i)
            if (runLengthDecode(decimal(examples[i])) != decoded[i])
                t.fail("the example " + examples[i] + " is wrong");
        return QString::number(runLengthDecodedLength(decimal(t.text("code"))));
    };
    // `projects` (letters), each with its subject, grade and authors («два
    // автора») at the same place of `subjects`, `grades` and `authors`; one
    // of them won. Three `statements` of two sentences parted by ". ", each
    // sentence about the winner's subject (a word that begins as the
    // subject does: «по химии»), grade («11 класса») or authors («один
    // автор»), «не» denying it; one sentence of each statement true. The
    // winner; refused unless it is one and every statement is needed.
    r.solvers["text.winnerByProperties"] = [](const Task& t) {
        const QStringList projects = t.list("projects"), subjects = t.list("subjects"),
                          grades = t.list("grades"), authors = t.list("authors");
        if (subjects.size() != projects.size() || grades.size() != projects.size() ||
            authors.size() != projects.size())
            t.fail("the projects and their properties do not pair");
        static const QRegularExpression word = unicodePattern(R"(\w+)"),
                                        grade = unicodePattern(R"((\d+) класс)"),
                                        count = unicodePattern(R"((\w+) автор)");
        // For each sentence, the projects it is true of.
        std::vector<std::pair<std::vector<bool>, std::vector<bool>>> said;
        for (const QString& s : t.list("statements")) {
            const QStringList sentences = s.split(". ");
            if (sentences.size() != 2)
                t.fail("not a statement of two sentences: " + s);
            std::vector<bool> truth[2];
            for (int k = 0; k < 2; ++k) {
                const QString& h = sentences[k];
                std::vector<std::function<bool(qsizetype)>> about;
                bool denied = false;
                for (const auto& w : word.globalMatch(h)) {
                    denied = denied || w.captured() == "не";
                    for (const QString& subject : subjects)
                        if (w.captured().size() >= 4 && subject.startsWith(w.captured().left(4))) {
                            about.push_back([&, subject](qsizetype p) { return subjects[p] == subject; });
                            break;
                        }
                }
                if (const auto m = grade.match(h); m.hasMatch())
                    about.push_back([&, g = m.captured(1)](qsizetype p) { return grades[p] == g; });
                if (const auto m = count.match(h); m.hasMatch()) {
                    const int n = numeral(m.captured(1));
                    about.push_back([&, n](qsizetype p) {
                        return numeral(authors[p].section(' ', 0, 0)) == n;
                    });
                }
                if (about.size() != 1)
                    t.fail("a sentence not about one property: " + h);
                for (qsizetype p = 0; p < projects.size(); ++p)
                    truth[k].push_back(about.front()(p) != denied);
            }
            said.push_back({truth[0], truth[1]});
        }
        const auto winners = [&](size_t without) {
            QStringList found;
            for (qsizetype p = 0; p < projects.size(); ++p) {
                bool halfRight = true;
                for (size_t i = 0; i < said.size(); ++i)
                    if (i != without)
                        halfRight = halfRight && said[i].first[size_t(p)] != said[i].second[size_t(p)];
                if (halfRight)
                    found << projects[p];
            }
            return found;
        };
        const QStringList found = winners(said.size());
        if (found.size() != 1)
            t.fail("projects that fit: " + found.join(", "));
        for (size_t i = 0; i < said.size(); ++i)
            if (winners(i).size() == 1)
                t.fail(QString("statement %1 is not needed").arg(i + 1));
        return found.front();
    };
    // `names` each in a mask of `masks` (named in the genitive, «медведя»;
    // one mask more, which nobody wears); each of `guesses` is two halves
    // joined by «, а », one true and the other not; a half is «<name> в
    // маске <mask>», «<name> не в маске <mask>» (a dash may follow the
    // name) or «маску <mask> никто не надел». The first letters of the
    // masks of the names, in their order, small.
    r.solvers["text.halfRightMasks"] = [](const Task& t) {
        const QStringList names = t.list("names"), masks = t.list("masks");
        if (masks.size() != names.size() + 1)
            t.fail("not one mask more than people");
        static const QRegularExpression worn =
            unicodePattern(R"(^(\w+)(?:[ \x{00A0}]—)? (не )?в маске (\w+)$)");
        static const QRegularExpression spare =
            unicodePattern(R"(^[Мм]аску (\w+) никто не надел$)");
        // A half: who (−1 for nobody), which mask, whether it says «не».
        struct Half { qsizetype who; qsizetype mask; bool negated; };
        std::vector<std::pair<Half, Half>> guesses;
        for (const QString& g : t.list("guesses")) {
            const QStringList parts = g.split(", а ");
            if (parts.size() != 2)
                t.fail("a guess not of two halves: " + g);
            Half h[2];
            for (int i = 0; i < 2; ++i) {
                bool known = true;
                if (const auto m = worn.match(parts[i]); m.hasMatch()) {
                    h[i] = {names.indexOf(m.captured(1)), masks.indexOf(m.captured(3)),
                            !m.captured(2).isEmpty()};
                    known = h[i].who >= 0;
                } else if (const auto n = spare.match(parts[i]); n.hasMatch()) {
                    h[i] = {-1, masks.indexOf(n.captured(1)), false};
                } else {
                    t.fail("a half of no known form: " + parts[i]);
                }
                if (!known || h[i].mask < 0)
                    t.fail("a half names someone or some mask unknown: " + parts[i]);
            }
            guesses.push_back({h[0], h[1]});
        }
        std::vector<qsizetype> order(size_t(masks.size()));
        std::iota(order.begin(), order.end(), 0);
        std::set<QString> found;
        do {
            // order[k] is the mask of names[k]; the last entry is nobody's.
            const auto holds = [&](const Half& h) {
                if (h.who < 0)
                    return order.back() == h.mask;
                return (order[size_t(h.who)] == h.mask) != h.negated;
            };
            if (std::all_of(guesses.begin(), guesses.end(),
                            [&](const auto& g) { return holds(g.first) != holds(g.second); })) {
                QString letters;
                for (qsizetype k = 0; k < names.size(); ++k)
                    letters += masks[order[size_t(k)]].front().toLower();
                found.insert(letters);
            }
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways").arg(found.size()));
        return *found.begin();
    };
    // Friends `friends` on floors 1 to 4, one a floor; each says, in the
    // same order, `claims`: «Я живу (не) на …-м этаже, а <friend> — (не) на
    // …-м», one half true and the other not. The one placing: the floors
    // in the order of `friends`, run together.
    r.solvers["text.halfTrueFloors"] = [](const Task& t) {
        const QStringList friends = t.list("friends"), claims = t.list("claims");
        if (friends.size() != claims.size())
            t.fail("each friend makes one claim");
        static const QRegularExpression form = unicodePattern(
            QString::fromUtf8(R"(^Я живу (не )?на (\w+) этаже, а (\w+)[ \x{00A0}]— (не )?на (\w+)$)"));
        // A half: whose floor, which floor, and whether it is denied.
        struct Half {
            qsizetype who;
            int floor;
            bool denied;
        };
        std::vector<std::pair<Half, Half>> said;
        for (qsizetype i = 0; i < claims.size(); ++i) {
            const auto m = form.match(claims[i]);
            if (!m.hasMatch() || !friends.contains(m.captured(3)) || m.captured(3) == friends[i])
                t.fail("not a claim about oneself and another friend: " + claims[i]);
            said.push_back({{i, numeral(m.captured(2)), !m.captured(1).isEmpty()},
                            {friends.indexOf(m.captured(3)), numeral(m.captured(5)),
                             !m.captured(4).isEmpty()}});
        }
        std::vector<int> floors(size_t(friends.size()));
        std::iota(floors.begin(), floors.end(), 1);
        QStringList found;
        do {
            const auto holds = [&](const Half& h) {
                return (floors[size_t(h.who)] == h.floor) != h.denied;
            };
            bool half = true;
            for (const auto& [a, b] : said)
                half = half && holds(a) != holds(b);
            if (half) {
                QString s;
                for (int f : floors)
                    s += QString::number(f);
                found << s;
            }
        } while (std::next_permutation(floors.begin(), floors.end()));
        if (found.size() != 1)
            t.fail(QString("%1 placings: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The address `protocol`://`server`/<year>/<month>/<day>.`extension` of
    // the file kept for the `day`-th day of the year `year` (1 January the
    // first), the month and the day of the month in two digits each; the
    // labels of the drawn parts that spell it, in that order. The day of
    // the month must be a month's number too and another than its month,
    // so that the two can be taken for each other.
    r.solvers["text.addressByDayOfYear"] = [](const Task& t) {
        const int year = int(t.integer("year"));
        const qint64 day = t.integer("day");
        const QDate date = QDate(year, 1, 1).addDays(day - 1);
        if (day < 1 || date.year() != year)
            t.fail("not a day of the year");
        if (date.day() > 12 || date.day() == date.month())
            t.fail("the day and the month cannot be taken for each other");
        const auto [l, p] = drawnParts(t);
        return spelling(t, l, p,
                        QString("%1://%2/%3/%4/%5.%6")
                            .arg(t.text("protocol"), t.text("server"), t.text("year"))
                            .arg(date.month(), 2, 10, QChar('0'))
                            .arg(date.day(), 2, 10, QChar('0'))
                            .arg(t.text("extension")));
    };
    // The address `protocol`://`host`.<domains>/`file`, the server's name
    // put together from the domains `levels`, named from the top level down
    // (at least three, so that knowing the top level alone does not give
    // the order) and written from the lowest up, spelt from the labelled
    // parts of the table the picture draws: the labels in that order.
    r.solvers["text.addressByLevels"] = [](const Task& t) {
        QStringList levels = t.list("levels");
        if (levels.size() < 3)
            t.fail("fewer than three domain levels");
        std::reverse(levels.begin(), levels.end());
        const auto [l, p] = drawnParts(t);
        return spelling(t, l, p,
                        t.text("protocol") + "://" + t.text("host") + "." + levels.join('.') + "/" +
                            t.text("file"));
    };
    // The address `protocol`://`server`/`file` put together from the one
    // label of the task's table, a line a part: its letter (the Latin
    // look-alike A standing for the Cyrillic), blanks, the part. The
    // letters in that order.
    r.solvers["text.addressFromLines"] = [](const Task& t) {
        const auto tables = t.all<zut::TableElement>();
        if (tables.empty() || tables.front()->cells.size() != 1)
            t.fail("not a table of one label");
        static const QRegularExpression line(R"(^(\S)[ \x{00A0}]+(\S+)$)");
        QStringList l, p;
        for (const QString& text : tables.front()->cells.front().text.split('\n')) {
            const auto m = line.match(text);
            if (!m.hasMatch())
                t.fail("a line is not a letter and a part: " + text);
            l << (m.captured(1) == "A" ? QString(QChar(0x0410)) : m.captured(1));
            p << m.captured(2);
        }
        return spelling(t, l, p,
                        t.text("protocol") + "://" + t.text("server") + "/" + t.text("file"));
    };

    // The option, a code of `length` digits, whose neighbouring digits
    // differ by 1 or 2, whose first digit is greater than its last and
    // whose digit sum is odd.
    r.solvers["text.doorCode"] = [](const Task& t) {
        return theOption(t, [&](const QString& o) {
            if (o.size() != t.integer("length"))
                return false;
            int sum = 0;
            for (qsizetype i = 0; i < o.size(); ++i) {
                if (!o[i].isDigit())
                    return false;
                sum += o[i].digitValue();
                const int step = i ? std::abs(o[i].digitValue() - o[i - 1].digitValue()) : 1;
                if (step < 1 || step > 2)
                    return false;
            }
            return o.front() > o.back() && sum % 2 == 1;
        });
    };
    // The option «<directory> в <directory>» whose move (the first
    // directory, with all it holds, into the second) turns the file's full
    // name `file` into `became`. Its slips, each an option made from the
    // end the two names share (the file and the directories above it, up to
    // the moved one): the directory just above that end taken as the moved
    // one, as if its name left the path with it; the moved directory's new
    // full name taken as the directory it went into; both at once.
    const auto afterMove = [](const Task& t, const QString& option) {
        const QStringList dirs = option.split(" в ");
        if (dirs.size() != 2)
            t.fail("not a move of one directory into another: " + option);
        const QString file = t.text("file");
        if (file == t.text("became"))
            t.fail("the file's name did not change");
        if (!file.startsWith(dirs[0] + '\\'))
            return file;
        return dirs[1] + '\\' + dirs[0].section('\\', -1) + file.mid(dirs[0].size());
    };
    r.solvers["text.moveGiving"] = [=](const Task& t) {
        return theOption(t, [&](const QString& o) { return afterMove(t, o) == t.text("became"); });
    };
    // The old name's part before the shared end, the moved directory's
    // name (the first of the shared end) and the new name's part before it.
    const auto sharedEnd = [](const Task& t) {
        const QStringList a = t.text("file").split('\\'), b = t.text("became").split('\\');
        qsizetype k = 0;
        while (k < a.size() && k < b.size() && a[a.size() - 1 - k] == b[b.size() - 1 - k])
            ++k;
        if (k < 2 || a.size() - k < 2 || b.size() - k < 2)
            t.fail("no directory below the disk moved into one below the disk");
        return std::tuple{a.mid(0, a.size() - k).join('\\'), a[a.size() - k],
                          b.mid(0, b.size() - k).join('\\')};
    };
    const auto moveSlip = [=](bool parentMoved, bool intoNewPlace) {
        return [=](const Task& t) {
            const auto [from, moved, to] = sharedEnd(t);
            return (parentMoved ? from : from + '\\' + moved) + " в " +
                   (intoNewPlace ? to + '\\' + moved : to);
        };
    };
    r.solvers["text.moveGivingParent"] = moveSlip(true, false);
    r.solvers["text.moveGivingIntoNewPlace"] = moveSlip(false, true);
    r.solvers["text.moveGivingBothSlips"] = moveSlip(true, true);
}

} // namespace zut::check
