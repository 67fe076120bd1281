// Solvers first needed by the 2008 paper, variant 5, until they are merged
// into the topics' files.
#include "bases.h"
#include "codes.h"
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
using Field = std::vector<std::vector<qint64>>;

// A file mask: "?" is one character, "*" any run of them, the empty one too.
bool maskFits(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == u'*') {
        for (qsizetype skip = 0; skip <= name.size(); ++skip)
            if (maskFits(mask.mid(1), name.mid(skip)))
                return true;
        return false;
    }
    if (name.isEmpty() || (mask.front() != u'?' && mask.front() != name.front()))
        return false;
    return maskFits(mask.mid(1), name.mid(1));
}

// The numbers of the picture's table, one vector a row, all rows as long as
// the field `rows` × `columns` the wording gives.
Field numberField(const Task& t) {
    Field f;
    for (const QVariant& r : t.drawn()["table"].toMap()["rows"].toList()) {
        f.emplace_back();
        for (const QString& c : r.toStringList())
            f.back().push_back(number(c));
    }
    if (qint64(f.size()) != t.integer("rows"))
        t.fail("the field has not as many rows as the wording says");
    for (const auto& row : f)
        if (qint64(row.size()) != t.integer("columns"))
            t.fail("a row of the field has not as many cells as the wording says");
    return f;
}

// The Robot from the top-left cell to the bottom-right one: along the
// bottom row right, along the right column down, elsewhere right where
// `right`(the number to the right, the number below) holds, else down. The
// sum of the cells it passes, the first one with it.
qint64 robotWalk(const Field& f, const std::function<bool(qint64, qint64)>& right) {
    const size_t rows = f.size(), columns = f.front().size();
    size_t r = 0, c = 0;
    qint64 sum = f[0][0];
    while (r + 1 < rows || c + 1 < columns) {
        if (r + 1 == rows)
            ++c;
        else if (c + 1 == columns)
            ++r;
        else if (right(f[r][c + 1], f[r + 1][c]))
            ++c;
        else
            ++r;
        sum += f[r][c];
    }
    return sum;
}

// The greatest sum of any way of steps right and down.
qint64 bestWay(const Field& f) {
    const size_t rows = f.size(), columns = f.front().size();
    // best[r * columns + c]: the greatest sum from cell (r, c) on.
    std::vector<qint64> best(rows * columns, 0);
    for (size_t r = rows; r-- > 0;)
        for (size_t c = columns; c-- > 0;) {
            qint64 next = 0;
            if (r + 1 < rows)
                next = best[(r + 1) * columns + c];
            if (c + 1 < columns)
                next = std::max(next, best[r * columns + c + 1]);
            best[r * columns + c] = f[r][c] + next;
        }
    return best.front();
}

// The cells of a spreadsheet picture by their names ("B3").
std::map<QString, QString> sheetCells(const Task& t, const QVariantMap& drawn) {
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

// Whether the chart `chart` (kind, values, labels) shows the range of one
// column or one row ("E2:E4", "B3:D3"): its labels are the names of the
// range's rows (column A) or columns (row 1), its values the range's (a
// bar chart) or in their proportions (a pie chart).
bool chartShows(const Task& t, const QVariantMap& chart, const QString& range,
                const std::map<QString, QString>& cells, const std::map<QString, double>& values) {
    static const QRegularExpression form(R"(^([A-Z])(\d+):([A-Z])(\d+)$)");
    const auto m = form.match(range);
    if (!m.hasMatch())
        t.fail("not a range: " + range);
    const QChar c1 = m.captured(1).front(), c2 = m.captured(3).front();
    const int r1 = m.captured(2).toInt(), r2 = m.captured(4).toInt();
    if (c1 != c2 && r1 != r2)
        t.fail("the range is neither a row nor a column: " + range);
    QStringList labels;
    std::vector<double> wanted;
    for (char16_t c = c1.unicode(); c <= c2.unicode(); ++c)
        for (int r = r1; r <= r2; ++r) {
            const QString cell = QString(QChar(c)) + QString::number(r);
            const QString label =
                c1 == c2 ? "A" + QString::number(r) : QString(QChar(c)) + QString::number(1);
            if (!values.contains(cell) || !cells.contains(label))
                return false;
            wanted.push_back(values.at(cell));
            labels << cells.at(label);
        }
    if (labels != chart["labels"].toStringList())
        return false;
    std::vector<double> shown;
    for (const QVariant& v : chart["values"].toList())
        shown.push_back(v.toDouble());
    if (shown.size() != wanted.size())
        return false;
    const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
    const double shownTotal = std::accumulate(shown.begin(), shown.end(), 0.0);
    const bool bar = chart["kind"].toString() == "bar";
    for (size_t i = 0; i < shown.size(); ++i)
        if (bar ? shown[i] != wanted[i]
                : std::abs(shown[i] / shownTotal - wanted[i] / total) > 1e-9)
            return false;
    return true;
}

// The roads a graph picture draws, as the route solver reads them.
RoadMap schemeRoads(const Task& t, const zut::Element& picture) {
    QStringList roads;
    for (const QVariant& e : picture.draw.toMap()["graph"].toMap()["edges"].toList()) {
        const QStringList s = e.toStringList();
        if (s.size() != 3)
            t.fail("a road of a scheme without its length");
        roads << QString("%1-%2 %3").arg(s[0], s[1], s[2]);
    }
    return roadsFromList(roads.join(", "));
}

} // namespace

void addT2008_5(Registry& r) {
    // The option is digits with their base as an index label ("EA{_16}"),
    // the answer the same written "EA_16".
    r.readers["baseIndexLabel"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression index(R"(\{_(\d+)\})");
        return QString(o).replace(index, "_\\1") == answer;
    };
    // The number `value` (written with its base) in the base `system`
    // names, with that base: "EA_16".
    r.solvers["bases.rewrittenWithBase"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        return toBase(evaluateBased(t.text("value")), base) + "_" + QString::number(base);
    };
    // The sum of the two `terms` (each written with its base) in the base
    // `system` names.
    r.solvers["bases.sumOfTerms"] = [](const Task& t) {
        return evaluateBased(t.list("terms").join(" + "), numeral(t.text("system")));
    };
    // A piece stands on one of `cells` cells of a board of `rows` rows of
    // `perRow` cells, on one of `edge` (a word: "двух") rows, each cell of
    // them alike: the bits of the message which cell.
    r.solvers["volume.cellAmongRows"] = [](const Task& t) {
        if (t.integer("rows") * t.integer("perRow") != t.integer("cells"))
            t.fail("the board does not add up");
        const double bits = informationBits(numeral(t.text("edge")) * t.integer("perRow"));
        if (bits != std::floor(bits))
            t.fail("no whole number of bits");
        return written(bits);
    };
    // A file sent at `rate` bits a second for `seconds` seconds: its size in
    // whole Kbytes.
    r.solvers["volume.transferSecondsKbytes"] = [](const Task& t) {
        const double kbytes = transferSize(double(t.integer("rate")), Unit::Bit,
                                           double(t.integer("seconds")), Unit::Kbyte);
        if (kbytes != std::floor(kbytes))
            t.fail("the size is no whole number of Kbytes");
        return written(kbytes);
    };
    // The option X (a whole number) for which `formula` is `truth`.
    r.solvers["logic.optionX"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("formula")), {"X"});
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == truth; });
    };
    // The number of records of the picture's table (its first column a
    // name, the others numbers) that meet `condition`, comparisons of the
    // columns joined by И and ИЛИ.
    r.solvers["tables.recordsMeeting"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        QString condition = t.text("condition");
        condition.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
        const Formula f = Formula::parse(condition, head.mid(1));
        if (!f.variables().isEmpty())
            t.fail("the condition has a part that is no comparison");
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
    // The number of the scheme (the pictures after "1)" … "4)") that draws
    // the same roads as the first picture's table of lengths.
    r.solvers["tables.schemeOfTable"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
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
        const RoadMap roads = roadsFromTable(lines.join('\n'));
        QStringList fit;
        int n = 0;
        for (const zut::Element* row : t.elements(Kind::Row))
            for (size_t i = 0; i + 1 < row->children.size(); ++i)
                if (row->children[i].kind == Kind::Text &&
                    row->children[i + 1].kind == Kind::Picture) {
                    if (row->children[i].text != QString("%1)").arg(++n))
                        t.fail("the schemes are not numbered in order");
                    if (sameRoads(roads, schemeRoads(t, row->children[i + 1])))
                        fit << QString::number(n);
                }
        const QStringList o = t.options();
        for (qsizetype k = 0; k < o.size(); ++k)
            if (numeral(o[k]) != k + 1)
                t.fail("option " + QString::number(k + 1) + " names another scheme");
        if (n != o.size() || fit.size() != 1)
            t.fail("schemes that fit: " + fit.join(", "));
        return fit.front();
    };
    // The option naming the ranges ("столбчатая — по диапазону E2:E4,
    // круговая — по диапазону B3:D3") that the bar chart and the pie chart
    // of the pictures after the spreadsheet show.
    r.solvers["tables.chartRanges"] = [](const Task& t) {
        const auto cells = sheetCells(t, t.drawn(0));
        const auto values = evaluateSheet(cells);
        QVariantMap bar, pie;
        for (int n = 1; n <= 2; ++n) {
            const QVariantMap c = t.drawn(n)["chart"].toMap();
            (c["kind"].toString() == "bar" ? bar : pie) = c;
        }
        if (bar.isEmpty() || pie.isEmpty())
            t.fail("not a bar chart and a pie chart");
        static const QRegularExpression form(
            R"(^столбчатая — по диапазону (\S+), круговая — по диапазону (\S+)$)");
        return theOption(t, [&](const QString& o) {
            const auto m = form.match(o);
            if (!m.hasMatch())
                t.fail("an option of another form: " + o);
            return chartShows(t, bar, m.captured(1), cells, values) &&
                   chartShows(t, pie, m.captured(2), cells, values);
        });
    };
    // The word the picture's code table (letters over their codes) reads
    // `message` as; the code must read one way only.
    r.solvers["codes.decodeMessage"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList letters = table["head"].toStringList();
        const QStringList codes = table["rows"].toList().value(0).toStringList();
        if (letters.size() != codes.size() || letters.size() < 2)
            t.fail("the code table is not letters over codes");
        std::map<QChar, QString> code;
        for (qsizetype i = 1; i < letters.size(); ++i) {
            if (letters[i].size() != 1)
                t.fail("a letter of the table is not one letter");
            code[letters[i].front()] = codes[i];
        }
        if (!isPrefixCode(code))
            t.fail("the code can be read in more than one way");
        const QStringList words = decodings(t.text("message"), code);
        if (words.size() != 1)
            t.fail("the message reads as " + words.join(", "));
        return words.front();
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
                if (maskFits(mask, f))
                    picked << f;
            picked.sort();
            return picked == chosen;
        });
    };
    // The Robot's sum on the picture's field of numbers (`rows` ×
    // `columns`), to the greater of the numbers right and below.
    r.solvers["programs.robotSum"] = [](const Task& t) {
        return QString::number(robotWalk(numberField(t), std::greater<qint64>()));
    };
    // Its slips: the best way's sum instead, the first cell left out, the
    // Robot led to the smaller number.
    r.solvers["programs.robotBestWay"] = [](const Task& t) {
        return QString::number(bestWay(numberField(t)));
    };
    r.solvers["programs.robotFirstCellLeftOut"] = [](const Task& t) {
        const Field f = numberField(t);
        return QString::number(robotWalk(f, std::greater<qint64>()) - f[0][0]);
    };
    r.solvers["programs.robotToSmaller"] = [](const Task& t) {
        return QString::number(robotWalk(numberField(t), std::less<qint64>()));
    };
    // Every program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`, in dictionary order, one a
    // line; the example, `example` turning `exampleFrom` into `exampleTo`,
    // must do so.
    r.solvers["programs.everyCommandProgram"] = [](const Task& t) {
        QStringList numbered;
        const QStringList commands = t.list("commands");
        for (qsizetype i = 0; i < commands.size(); ++i)
            numbered << QString("%1: %2").arg(i + 1).arg(commands[i]);
        const QStringList parsed = parseCommands(numbered.join("; "));
        if (runCommands(parsed, t.integer("exampleFrom"), t.text("example")) !=
            t.integer("exampleTo"))
            t.fail("the example program does not do what the wording says");
        QStringList programs =
            programsFor(parsed, t.integer("from"), t.integer("to"), numeral(t.text("most")));
        if (programs.isEmpty())
            t.fail("no program");
        programs.sort();
        return programs.join('\n');
    };
    // Strings of digits, each the one before twice and then its own
    // number, the first `chains.1`: the digit at `position` in the string
    // `which` (an ordinal word). The strings shown must follow the rule.
    r.solvers["programs.chainDigitAt"] = [](const Task& t) {
        static const QString rule = "{s}{s}{n}";
        const QStringList shown = t.list("chains");
        for (qsizetype n = 2; n <= shown.size(); ++n)
            if (buildString(shown[0], rule, int(n)) != shown[n - 1])
                t.fail(QString("string %1 does not follow the rule").arg(n));
        return QString(
            builtCharAt(shown[0], rule, numeral(t.text("which")), t.integer("position")));
    };
    // `pupils` in the different `schools`; three claims of two halves each,
    // the halves `who` k at `where` k (1 and 2, 3 and 4, 5 and 6), each
    // claim half right: the schools of the pupils in their order.
    r.solvers["text.halfRightClaims"] = [](const Task& t) {
        const QStringList pupils = t.list("pupils"), who = t.list("who"), where = t.list("where");
        QStringList schools = t.list("schools");
        if (pupils.size() != schools.size() || who.size() != where.size() || who.size() % 2)
            t.fail("the pupils, schools and claims do not pair");
        for (qsizetype i = 0; i < who.size(); ++i)
            if (!pupils.contains(who[i]) || !schools.contains(where[i]))
                t.fail("a claim of someone or somewhere unknown: " + who[i] + " " + where[i]);
        std::sort(schools.begin(), schools.end());
        QStringList found;
        do {
            const auto at = [&](qsizetype i) {
                return schools[pupils.indexOf(who[i])] == where[i];
            };
            bool halfRight = true;
            for (qsizetype i = 0; i < who.size(); i += 2)
                halfRight = halfRight && at(i) != at(i + 1);
            if (halfRight)
                found << schools.join("");
        } while (std::next_permutation(schools.begin(), schools.end()));
        if (found.size() != 1)
            t.fail(QString("%1 solutions: %2").arg(found.size()).arg(found.join(' ')));
        return found.front();
    };
    // The address `protocol`://`server`/`file` put together from the parts
    // of the picture's table (a letter and a part a row): the letters in
    // that order.
    r.solvers["text.addressLettersInPicture"] = [](const Task& t) {
        QStringList labels, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row of the parts is not a letter and a part");
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
