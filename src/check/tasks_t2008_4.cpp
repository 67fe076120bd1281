// Solvers first needed by the 2008 paper, variant 4, until they are merged
// into the topics' files.
#include "bases.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zut::check {

namespace {

// A drawn table of road lengths (its corner empty) as the route solver
// reads it.
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

// The cells of a drawn spreadsheet by their names ("B3"); empty cells
// left out.
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

// A property of a word a statement speaks of: "вторая буква гласная".
WordProperty letterProperty(const Task& t, const QString& words) {
    static const std::map<QString, int> places = {
        {"первая", 0}, {"вторая", 1}, {"третья", 2}, {"последняя", -1}};
    const QStringList w = words.split(' ');
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

// The cells of a one-column range ("C2:C4"), top to bottom; empty when the
// option is no such range.
QStringList columnCells(const QString& range) {
    static const QRegularExpression form(R"(^([A-Z])(\d+):([A-Z])(\d+)$)");
    const auto m = form.match(range);
    if (!m.hasMatch() || m.captured(1) != m.captured(3))
        return {};
    QStringList cells;
    for (int r = m.captured(2).toInt(); r <= m.captured(4).toInt(); ++r)
        cells << m.captured(1) + QString::number(r);
    return cells;
}

} // namespace

void addT2008_4(Registry& r) {
    // The option is digits with their base as an index ("74{_8}"): the
    // answer's digits in the base the given `system` names.
    r.readers["digitsWithBase"] = [](const QString& answer, const QString& o, int, const Task& t) {
        static const QRegularExpression form(R"(^([0-9A-Z]+)\{_(\d+)\}$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not digits with a base: " + o);
        return m.captured(1) == answer && m.captured(2).toInt() == numeral(t.text("system"));
    };

    // Messages of signals of the `kinds` (a list of them), from `least` to
    // `most` signals long (words: "одной", "пяти").
    r.solvers["volume.signalsFromTo"] = [](const Task& t) {
        QStringList kinds = t.list("kinds");
        kinds.removeDuplicates();
        if (kinds.size() != t.list("kinds").size())
            t.fail("a kind of signal given twice");
        qint64 count = 0;
        for (int n = numeral(t.text("least")); n <= numeral(t.text("most")); ++n)
            count += codeCount(kinds.size(), n);
        return written(double(count));
    };
    // `mbytes` Mbytes ("0,125") in Kbits.
    r.solvers["volume.mbytesInKbits"] = [](const Task& t) {
        const double mbytes = QString(t.text("mbytes")).replace(',', '.').toDouble();
        if (mbytes <= 0)
            t.fail("no volume in mbytes");
        return written(convert(mbytes, Unit::Mbyte, Unit::Kbit));
    };
    // A picture whose palette of `before` colours is cut to `after`: how
    // many times its volume shrinks.
    r.solvers["volume.paletteShrink"] = [](const Task& t) {
        const double ratio = double(rasterBits(64, 64, t.integer("before"))) /
                             double(rasterBits(64, 64, t.integer("after")));
        if (ratio != std::floor(ratio))
            t.fail("the volume shrinks no whole number of times");
        return written(ratio);
    };
    // Text sent for `seconds` at `rate` bits a second, pages of `lines`
    // lines of `characters` characters, `bits` bits a character: the pages.
    r.solvers["volume.pagesSent"] = [](const Task& t) {
        const double sent = transferSize(double(t.integer("rate")), Unit::Bit,
                                         double(t.integer("seconds")), Unit::Bit);
        const double page =
            double(textBits(t.integer("lines") * t.integer("characters"), t.integer("bits")));
        if (sent / page != std::floor(sent / page))
            t.fail("no whole number of pages");
        return written(sent / page);
    };

    // The sum of `numbers` (each digits_base) written in the base the word
    // `system` names.
    r.solvers["bases.sumOfNumbers"] = [](const Task& t) {
        return evaluateBased(t.list("numbers").join(" + "), numeral(t.text("system")));
    };
    // The one base in which the decimal `value` is written `writing`.
    r.solvers["bases.baseOfWriting"] = [](const Task& t) {
        const std::vector<qint64> bases = basesWithPattern(t.integer("value"), t.text("writing"));
        if (bases.size() != 1)
            t.fail(QString("%1 bases fit, not one").arg(bases.size()));
        return QString::number(bases.front());
    };

    // The word among the options for which `statement` (properties of a
    // letter of the word in parentheses, "(вторая буква гласная)", joined
    // by logical signs) is `truth`.
    r.solvers["logic.wordWhere"] = [](const Task& t) {
        QString statement = formulaText(t.text("statement"));
        std::map<QString, WordProperty> properties;
        static const QRegularExpression part(R"(\(([^()]+)\))");
        int n = 0;
        for (const auto& m : part.globalMatch(t.text("statement"))) {
            const QString variable = QString("P%1").arg(++n);
            properties[variable] = letterProperty(t, m.captured(1));
            statement.replace(m.captured(0), variable);
        }
        const QStringList words =
            wordsWhere(Formula::parse(statement), t.options(), properties, truthGiven(t, "truth"));
        if (words.size() != 1)
            t.fail("the statement is " + t.text("truth") + " for " + words.join(", "));
        return words.front();
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

    // The value the fragment in three languages leaves in `variable`, which
    // each of them prints and nothing else.
    r.solvers["programs.printedValue"] = [](const Task& t) {
        const std::vector<QString> f = t.threeFragments();
        const Comparison c = runAll(
            {{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
        if (!c.agree())
            t.fail("the three languages disagree: " + c.differences.join("; "));
        const qint64 value = c.results[1].integer(t.text("variable"));
        for (const RunResult& run : c.results)
            if (run.printed.size() != 1 || run.printed.front().number() != double(value))
                t.fail("a fragment does not print the value alone");
        return QString::number(value);
    };
    // The one program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`; the example, `example`
    // turning `exampleFrom` into `exampleTo`, must do so.
    r.solvers["programs.commandsAtMost"] = [](const Task& t) {
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
    // Strings, each the one before, its own number and the one before
    // again, the first `strings.1`: how many times `letter` occurs in the
    // string `which` (an ordinal word). The strings shown must follow the
    // rule.
    r.solvers["programs.aroundNumberCount"] = [](const Task& t) {
        static const QString rule = "{s}{n}{s}";
        const QStringList shown = t.list("strings");
        for (qsizetype n = 2; n <= shown.size(); ++n)
            if (buildString(shown[0], rule, int(n)) != shown[n - 1])
                t.fail(QString("string %1 does not follow the rule").arg(n));
        return QString::number(
            builtCount(shown[0], rule, numeral(t.text("which")), t.text("letter").front()));
    };
    // The letters the ant writes on the picture's field (its columns and
    // rows numbered from 1), starting in column `column`, row `row`, each
    // line of `program` moves ("вправо 3") and "запиши" commands.
    r.solvers["programs.antLetters"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        std::map<std::pair<qint64, qint64>, QString> cells;
        const QVariantList rows = table["rows"].toList();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QStringList line = rows[r].toStringList();
            if (line.size() != head.size() || line[0] != QString::number(r + 1))
                t.fail("the field's rows are not numbered from 1 down");
            for (qsizetype c = 1; c < line.size(); ++c) {
                if (head[c] != QString::number(c) || line[c].size() != 1)
                    t.fail("the field is not numbered columns of one letter a cell");
                cells[{c, r + 1}] = line[c];
            }
        }
        static const std::map<QString, std::pair<int, int>> moves = {
            {"вверх", {0, -1}}, {"вниз", {0, 1}}, {"влево", {-1, 0}}, {"вправо", {1, 0}}};
        static const QRegularExpression move(R"(^(\S+) (\d+)$)");
        qint64 c = t.integer("column"), row = t.integer("row");
        QString letters;
        for (const QString& line : t.list("program"))
            for (const QString& command : line.split(", ")) {
                if (command == "запиши") {
                    letters += cells.at({c, row});
                    continue;
                }
                const auto m = move.match(command);
                if (!m.hasMatch() || !moves.contains(m.captured(1)))
                    t.fail("a command the ant lacks: " + command);
                const auto [dc, dr] = moves.at(m.captured(1));
                c += dc * m.captured(2).toLongLong();
                row += dr * m.captured(2).toLongLong();
                if (!cells.contains({c, row}))
                    t.fail("the ant leaves the field at " + command);
            }
        return letters;
    };

    // The picture's numbered road tables: the number of the one in which the
    // shortest way from `from` to `to` is exactly `length`.
    r.solvers["tables.routeOfLength"] = [](const Task& t) {
        const QVariantList tables = t.drawn()["tables"].toList();
        QStringList fit;
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QVariantMap m = tables[i].toMap();
            if (m["title"].toString() != QString("%1)").arg(i + 1))
                t.fail("the tables are not numbered in order");
            if (shortestRoute(drawnRoads(t, m), t.text("from"), t.text("to")).length ==
                t.integer("length"))
                fit << QString::number(i + 1);
        }
        if (fit.size() != 1)
            t.fail("tables of that length: " + fit.join(", "));
        return fit.front();
    };
    // The picture's table sorted up by the field `ascending`, of equal
    // values down by `descending`: the first cell of the record at the
    // place `place` (an ordinal word). No tie may be left undecided.
    r.solvers["tables.placeAfterSort"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const qsizetype up = head.indexOf(t.text("ascending")),
                        down = head.indexOf(t.text("descending"));
        if (up < 0 || down < 0)
            t.fail("the table lacks a field to sort by");
        std::vector<QStringList> rows;
        for (const QVariant& row : table["rows"].toList())
            rows.push_back(row.toStringList());
        std::sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
            if (number(a[up]) != number(b[up]))
                return number(a[up]) < number(b[up]);
            return number(a[down]) > number(b[down]);
        });
        for (size_t i = 1; i < rows.size(); ++i)
            if (rows[i][up] == rows[i - 1][up] && rows[i][down] == rows[i - 1][down])
                t.fail("a tie the order does not decide");
        const int place = numeral(t.text("place"));
        if (place < 1 || size_t(place) > rows.size())
            t.fail("fewer records than the place");
        return rows[size_t(place - 1)].front();
    };
    // The option, a one-column range of the spreadsheet of the first
    // picture, whose values both charts of the next pictures show: a bar
    // chart the values, a pie chart their shares, each labelled by the
    // column A of the values' rows.
    r.solvers["tables.rangeOnBothCharts"] = [](const Task& t) {
        const std::map<QString, QString> cells = drawnSheet(t, t.drawn(0));
        const std::map<QString, double> values = evaluateSheet(cells);
        const std::vector<QVariantMap> charts = {t.drawn(1)["chart"].toMap(),
                                                 t.drawn(2)["chart"].toMap()};
        if (charts[0]["kind"].toString() != "bar" || charts[1]["kind"].toString() != "pie")
            t.fail("not a bar chart and a pie chart");
        return theOption(t, [&](const QString& o) {
            std::vector<double> range;
            QStringList labels;
            for (const QString& c : columnCells(o)) {
                if (!values.contains(c) || !cells.contains("A" + c.mid(1)))
                    return false;
                range.push_back(values.at(c));
                labels << cells.at("A" + c.mid(1));
            }
            const double total = std::accumulate(range.begin(), range.end(), 0.0);
            for (const QVariantMap& chart : charts) {
                std::vector<double> shown;
                for (const QVariant& v : chart["values"].toList())
                    shown.push_back(v.toDouble());
                const double sum = std::accumulate(shown.begin(), shown.end(), 0.0);
                if (range.empty() || shown.size() != range.size() ||
                    chart["labels"].toStringList() != labels)
                    return false;
                for (size_t i = 0; i < range.size(); ++i)
                    if (chart["kind"].toString() == "bar"
                            ? shown[i] != range[i]
                            : std::abs(shown[i] / sum - range[i] / total) > 1e-9)
                        return false;
            }
            return true;
        });
    };

    // Chains of four: a letter of `letters`, a digit above `above`, a letter
    // of `letters` later in the alphabet than the first, the second digit
    // less `less`. The one option built so.
    r.solvers["text.letterDigitChain"] = [](const Task& t) {
        const QString letters = t.list("letters").join("");
        const int above = int(t.integer("above")), less = int(t.integer("less"));
        return theOption(t, [&](const QString& o) {
            if (o.size() != 4 || !o[1].isDigit() || !o[3].isDigit())
                return false;
            const int second = o[1].digitValue(), fourth = o[3].digitValue();
            return letters.contains(o[0]) && second > above && letters.contains(o[2]) &&
                   o[2] > o[0] && fourth == second - less;
        });
    };
    // The directory `start`, `up` (a word) levels up, then down into each
    // of `into`.
    r.solvers["text.pathAfterMoves"] = [](const Task& t) {
        QStringList path = t.text("start").split('\\');
        const int up = numeral(t.text("up"));
        if (up >= path.size())
            t.fail("the climb goes above the disk");
        path.resize(path.size() - up);
        return (path + t.list("into")).join('\\');
    };
    // Guesses of a cell of a plan (rows `rows`, places `low` … `high`):
    // guess i is row `guessRows.i`, place `guessPlaces.i`, each right in
    // exactly one half. The one cell, its row and place.
    r.solvers["text.halfRightGuesses"] = [](const Task& t) {
        const QStringList rows = t.list("rows"), guessRows = t.list("guessRows"),
                          guessPlaces = t.list("guessPlaces");
        if (guessRows.size() != guessPlaces.size())
            t.fail("the guesses' rows and places do not pair");
        for (const QString& g : guessRows)
            if (!rows.contains(g))
                t.fail("a guess names no row of the plan");
        QStringList found;
        for (const QString& row : rows)
            for (qint64 place = t.integer("low"); place <= t.integer("high"); ++place) {
                bool halfRight = true;
                for (qsizetype i = 0; i < guessRows.size(); ++i)
                    halfRight &= (guessRows[i] == row) != (number(guessPlaces[i]) == place);
                if (halfRight)
                    found << row + QString::number(place);
            }
        if (found.size() != 1)
            t.fail("not one cell: " + found.join(' '));
        return found.front();
    };
    // The address `protocol`://`server`/`file` put together from the parts
    // of the picture's table (a letter and a part a row): the letters in
    // that order.
    r.solvers["text.addressFromDrawn"] = [](const Task& t) {
        QStringList labels, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row of the table is not a letter and a part");
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
}

} // namespace zut::check
