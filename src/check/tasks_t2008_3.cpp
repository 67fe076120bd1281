// Solvers first needed by the 2008 paper, variant 3, until they are merged
// into the topics' files.
#include "bases.h"
#include "error.h"
#include "executor.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "taskcheck.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace zut::check {

namespace {

// The cells of the n-th picture's spreadsheet by their names ("B3");
// empty cells left out.
std::map<QString, QString> drawnSheet(const Task& t, int n) {
    const QVariantMap s = t.drawn(n)["spreadsheet"].toMap();
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

// A drawn table of road lengths (the first column and the heading row
// name the places, the corner empty) as the route solver reads it.
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

// A clock time "08:40" in minutes from midnight.
int minutesOfDay(const Task& t, const QString& hhmm) {
    static const QRegularExpression form(R"(^(\d\d):(\d\d)$)");
    const auto m = form.match(hhmm);
    if (!m.hasMatch())
        t.fail("not a time: " + hhmm);
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

// The colour's letter a colour word stands for: the word's first letter as
// a capital, which the list of `colours` ("белых (Б)") must name.
QChar colourLetter(const Task& t, const QString& word) {
    const QChar letter = word.front().toUpper();
    for (const QString& c : t.list("colours"))
        if (c.endsWith(QString("(%1)").arg(letter)))
            return letter;
    t.fail("no colour of letter " + QString(letter));
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

} // namespace

void addT2008_3(Registry& r) {
    // The option is digits with their base as an index ("15E{_16}"); the
    // digits are the answer.
    r.readers["digitsUnderBaseIndex"] = [](const QString& answer, const QString& o, int,
                                           const Task&) {
        static const QRegularExpression form(R"(^([0-9A-Z]+)\{_\d+\}$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not digits with a base: " + o);
        return m.captured(1) == answer;
    };
    // The option is "в 2 раза", "в 16 раз": the answer is the number.
    r.readers["timesSmaller"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression form(R"(^в (\d+) раза?$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not a number of times: " + o);
        return number(m.captured(1)) == number(answer);
    };

    // A text of `pages` pages of `lines` lines of `chars` characters, each
    // in `bits` bits.
    r.solvers["volume.pagedTextBits"] = [](const Task& t) {
        const qint64 characters = t.integer("pages") * t.integer("lines") * t.integer("chars");
        return written(double(textBits(characters, t.integer("bits"))));
    };
    // The information of drawing one of `part` alike things out of `total`.
    r.solvers["volume.oneOfAlikeBits"] = [](const Task& t) {
        const double bits = informationBits(t.integer("total"), t.integer("part"));
        if (bits != qint64(bits))
            t.fail("no whole number of bits");
        return written(bits);
    };
    // A message of `length` characters in `bytes` bytes, each character in
    // the least equal number of bits: the largest alphabet it may have.
    r.solvers["volume.widestAlphabetForLength"] = [](const Task& t) {
        const qint64 bits = t.integer("bytes") * 8;
        if (bits % t.integer("length"))
            t.fail("the bits do not divide among the characters");
        const qint64 per = bits / t.integer("length");
        if (per < 1 || per > 62)
            t.fail("not a code length");
        const qint64 largest = qint64(1) << per;
        if (bitsForAlphabet(largest) != per || bitsForAlphabet(largest + 1) == per)
            t.fail("the volume solver disagrees");
        return QString::number(largest);
    };
    // A picture saved again with a palette of `after` colours instead of
    // `before`: how many times less it takes.
    r.solvers["volume.repaletteShrink"] = [](const Task& t) {
        const int before = bitsForAlphabet(t.integer("before")),
                  after = bitsForAlphabet(t.integer("after"));
        if (after <= 0 || before % after)
            t.fail("the volumes are not in a whole ratio");
        return QString::number(before / after);
    };
    // The characters, each `bits` bits, sent at `rate` bits a second for
    // `minutes` minutes.
    r.solvers["volume.symbolsOverChannel"] = [](const Task& t) {
        const double sent = transferSize(double(t.integer("rate")), Unit::Bit,
                                         double(t.integer("minutes") * 60), Unit::Bit);
        const qint64 bits = t.integer("bits");
        if (bits <= 0 || sent != qint64(sent) || qint64(sent) % bits)
            t.fail("not a whole number of characters");
        return QString::number(qint64(sent) / bits);
    };

    // The sum of `first` and `second`, each written with its base ("65_8"),
    // the same for both, in that base.
    r.solvers["bases.sumKeptInBase"] = [](const Task& t) {
        static const QRegularExpression form(R"(^[0-9A-Z]+_(\d+)$)");
        const auto a = form.match(t.text("first")), b = form.match(t.text("second"));
        if (!a.hasMatch() || !b.hasMatch() || a.captured(1) != b.captured(1))
            t.fail("the numbers are not written in one base");
        return evaluateBased(t.text("first") + " + " + t.text("second"), a.captured(1).toInt());
    };

    // The option, a whole X, for which `formula` is `truth`.
    r.solvers["logic.optionXWithTruth"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == truth; });
    };
    // The least natural X for which `formula` is `truth`.
    r.solvers["logic.leastNaturalWithTruth"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const auto x = leastWhere(f, truthGiven(t, "truth"), 1, 100000);
        if (!x)
            t.fail("no such X within the range searched");
        return QString::number(*x);
    };

    // The picture's numbered road tables: the number of the one in which the
    // shortest way from `from` to `to` is `length` long.
    r.solvers["tables.roadTableWithShortest"] = [](const Task& t) {
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
    // The picture's timetable (columns Поезд, Куда, Отправление, В пути, ч,
    // Цена, руб.): the cheapest train to `city` leaving at `earliest` or
    // later and at most `hours` on the way.
    r.solvers["tables.cheapestTrainWithin"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const auto column = [&](const char* name) {
            const qsizetype c = head.indexOf(name);
            if (c < 0)
                t.fail(QString("no column ") + name);
            return c;
        };
        const qsizetype train = column("Поезд"), to = column("Куда"),
                        leaves = column("Отправление"), hours = column("В пути, ч"),
                        price = column("Цена, руб.");
        QStringList best;
        qint64 least = -1;
        for (const QVariant& row : table["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != head.size())
                t.fail("a timetable row of the wrong length");
            if (cells[to] != t.text("city") ||
                minutesOfDay(t, cells[leaves]) < minutesOfDay(t, t.text("earliest")) ||
                number(cells[hours]) > t.integer("hours"))
                continue;
            const qint64 p = number(cells[price]);
            if (least < 0 || p < least) {
                least = p;
                best = {cells[train]};
            } else if (p == least) {
                best << cells[train];
            }
        }
        if (best.size() != 1)
            t.fail("no one cheapest train: " + best.join(", "));
        return best.front();
    };
    // The value of the cell `cell` of the picture's spreadsheet.
    r.solvers["tables.drawnSheetCell"] = [](const Task& t) {
        return written(cellValue(drawnSheet(t, 0), t.text("cell")));
    };
    // The option, a formula written into `first` and copied down the column
    // to `last` in the spreadsheet of the first picture, whose values are
    // the bars of the chart of the second.
    r.solvers["tables.copiedFormulaForBars"] = [](const Task& t) {
        const std::map<QString, QString> cells = drawnSheet(t, 0);
        std::vector<double> bars;
        for (const QVariant& v : t.drawn(1)["chart"].toMap()["values"].toList())
            bars.push_back(v.toDouble());
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.column != last.column || last.row - first.row + 1 != int(bars.size()))
            t.fail("the range is not a column of a cell a bar");
        return theOption(t, [&](const QString& formula) {
            auto filled = cells;
            for (int row = first.row; row <= last.row; ++row) {
                const QString cell = cellText({first.column, row});
                if (cells.contains(cell))
                    t.fail("the range is not empty: " + cell);
                filled[cell] = copyFormula(formula, t.text("first"), cell);
            }
            const auto values = evaluateSheet(filled);
            for (int row = first.row; row <= last.row; ++row)
                if (values.at(cellText({first.column, row})) != bars[size_t(row - first.row)])
                    return false;
            return true;
        });
    };

    // Chains of counters of the `colours` ("белых (Б)"): the option of
    // `length` (a word) counters, exactly `pairs` (a word) of the colour
    // `paired`, not side by side, the last of the colour `last`, the first
    // not of the colour `notFirst`.
    r.solvers["text.counterChainByColours"] = [](const Task& t) {
        QString letters;
        for (const QString& c : t.list("colours")) {
            if (c.size() < 4 || !c.endsWith(')') || c[c.size() - 4] != ' ' ||
                c.front().toUpper() != c[c.size() - 2])
                t.fail("a colour is not its word and its letter: " + c);
            letters += c[c.size() - 2];
        }
        const qsizetype length = numeral(t.text("length")), pairs = numeral(t.text("pairs"));
        const QChar paired = colourLetter(t, t.text("paired")),
                    last = colourLetter(t, t.text("last")),
                    notFirst = colourLetter(t, t.text("notFirst"));
        return theOption(t, [&](const QString& o) {
            if (o.size() != length || o.count(paired) != pairs || o.contains(QString(2, paired)) ||
                o.back() != last || o.front() == notFirst)
                return false;
            return std::all_of(o.begin(), o.end(), [&](QChar c) { return letters.contains(c); });
        });
    };
    // The directory reached from `start` after going `up` (a word) levels
    // up and then down into each of `down`.
    r.solvers["text.folderUpThenDown"] = [](const Task& t) {
        QStringList path = t.text("start").split('\\');
        const int up = numeral(t.text("up"));
        if (up >= path.size())
            t.fail("goes up above the disc");
        return (path.mid(0, path.size() - up) + t.list("down")).join('\\');
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
    // The address `protocol`://`server`/`file` put together from the rows
    // (a letter and a fragment) of the table the picture draws: the
    // letters in that order, the one way.
    r.solvers["text.addressLettersFromDrawing"] = [](const Task& t) {
        QStringList letters, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row is not a letter and a fragment");
            letters << cells[0];
            parts << cells[1];
        }
        const QString address =
            t.text("protocol") + "://" + t.text("server") + "/" + t.text("file");
        std::vector<qsizetype> order(size_t(parts.size()));
        std::iota(order.begin(), order.end(), 0);
        QStringList found;
        do {
            QString spelt, word;
            for (qsizetype i : order) {
                spelt += parts[i];
                word += letters[i];
            }
            if (spelt == address)
                found << word;
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways to spell %2").arg(found.size()).arg(address));
        return found.front();
    };

    // The one program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`; the example program `example`
    // must turn `exampleFrom` into `exampleTo`.
    r.solvers["programs.commandsWithinWordCount"] = [](const Task& t) {
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
}

} // namespace zut::check
