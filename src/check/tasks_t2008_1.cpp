// Solvers first needed by the 2008 paper, variant 1, until they are merged
// into the topics' files.
#include "bases.h"
#include "error.h"
#include "executor.h"
#include "logic.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace zut::check {

namespace {

// An option written as digits with their base as an index label,
// "1101001{_2}": the digits and the base.
std::pair<QString, int> basedOption(const QString& o) {
    static const QRegularExpression form(R"(^([0-9A-Z]+)\{_(\d+)\}$)");
    const auto m = form.match(o);
    if (!m.hasMatch())
        throw CheckError("not a number with its base: " + o);
    return {m.captured(1), m.captured(2).toInt()};
}

// The cells of the n-th picture's spreadsheet by their names ("B3"),
// empty cells left out.
std::map<QString, QString> sheetCells(const Task& t, int n) {
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

// Робот's field, a table whose head names the columns and whose first cell
// of each row names the row; cells marked ■ are walls.
class RobotField {
public:
    RobotField(const Task& t, const QVariantMap& table)
        : t_(t) {
        columns_ = table["head"].toStringList().mid(1);
        const QVariantList rows = table["rows"].toList();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].toStringList();
            if (cells.size() != columns_.size() + 1)
                t.fail("a field row of the wrong length");
            rows_ << cells[0];
            for (qsizetype c = 1; c < cells.size(); ++c) {
                if (!cells[c].isEmpty() && cells[c] != "■")
                    t.fail("a field cell is neither free nor a wall: " + cells[c]);
                if (cells[c] == "■")
                    walls_.insert({int(r), int(c - 1)});
            }
        }
    }

    // The cell where Робот stops after `program` (НАЧАЛО … КОНЕЦ, moves and
    // loops "ПОКА < справа свободно > вправо") from `start`; fails where it
    // breaks against a wall or the edge.
    QString run(const QString& start, const QStringList& program) const {
        static const std::map<QString, std::pair<int, int>> moves = {
            {"вверх", {-1, 0}}, {"вниз", {1, 0}}, {"влево", {0, -1}}, {"вправо", {0, 1}}};
        static const std::map<QString, QString> sides = {
            {"сверху", "вверх"}, {"снизу", "вниз"}, {"слева", "влево"}, {"справа", "вправо"}};
        static const QRegularExpression loop(R"(^ПОКА < (\S+) свободно > (\S+)$)");
        int c = int(columns_.indexOf(start.left(1)));
        int r = int(rows_.indexOf(start.mid(1)));
        if (!free(r, c))
            t_.fail("Робот starts on no free cell: " + start);
        if (program.value(0) != "НАЧАЛО" || program.value(program.size() - 1) != "КОНЕЦ")
            t_.fail("the program is not framed by НАЧАЛО and КОНЕЦ");
        const auto step = [&](const std::pair<int, int>& d) {
            if (!free(r + d.first, c + d.second))
                t_.fail("Робот breaks at " + columns_[c] + rows_[r]);
            r += d.first;
            c += d.second;
        };
        for (const QString& line : program.mid(1, program.size() - 2)) {
            if (moves.contains(line)) {
                step(moves.at(line));
                continue;
            }
            const auto m = loop.match(line);
            if (!m.hasMatch() || !sides.contains(m.captured(1)) || !moves.contains(m.captured(2)))
                t_.fail("a line Робот does not know: " + line);
            const auto [cr, cc] = moves.at(sides.at(m.captured(1)));
            for (int turns = 0; free(r + cr, c + cc); ++turns) {
                if (turns > 100)
                    t_.fail("a loop does not end");
                step(moves.at(m.captured(2)));
            }
        }
        return columns_[c] + rows_[r];
    }

private:
    bool free(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows_.size() && c < columns_.size() &&
               !walls_.contains({r, c});
    }

    const Task& t_;
    QStringList columns_, rows_;
    std::set<std::pair<int, int>> walls_; // (row, column) from 0
};

} // namespace

void addT2008_1(Registry& r) {
    // The option is a number with its base as an index ("1101001{_2}"),
    // written as that base writes it, whose value is the answer.
    r.readers["indexedBaseValue"] = [](const QString& answer, const QString& o, int, const Task&) {
        const auto [digits, base] = basedOption(o);
        return toBase(fromBase(digits, base), base) == digits &&
               fromBase(digits, base) == number(answer);
    };
    // The option is the answer's digits with the index of the base the
    // given `system` names ("223{_8}").
    r.readers["indexedBaseDigits"] = [](const QString& answer, const QString& o, int,
                                        const Task& t) {
        const auto [digits, base] = basedOption(o);
        return base == numeral(t.text("system")) && digits == answer;
    };
    // The option is a time "1 ч 30 мин", the answer in minutes.
    r.readers["hoursAndMinutes"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression form(R"(^(\d+) ч (\d+) мин$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not a time: " + o);
        return number(m.captured(1)) * 60 + number(m.captured(2)) == number(answer);
    };
    // The option is an ordinal word ("четвёртая") naming the answer.
    r.readers["ordinalAdjective"] = [](const QString& answer, const QString& o, int, const Task&) {
        return numeral(o) == number(answer);
    };

    // The least number of places, each showing one of `kinds` (a word:
    // "трёх") states, that gives `signals` different signals.
    r.solvers["volume.leastLampsForSignals"] = [](const Task& t) {
        return QString::number(leastCodeLength(numeral(t.text("kinds")), t.integer("signals")));
    };
    // A picture of `width` × `height` pixels in a palette of `colours`.
    r.solvers["volume.rasterWithPalette"] = [](const Task& t) {
        return written(
            double(rasterBits(t.integer("width"), t.integer("height"), t.integer("colours"))));
    };
    // A file sent at `rate` bits a second for `minutes` minutes and
    // `seconds` seconds: its size in whole Kbytes.
    r.solvers["volume.transferMinSecKbytes"] = [](const Task& t) {
        const double seconds = double(t.integer("minutes") * 60 + t.integer("seconds"));
        const double kbytes =
            transferSize(double(t.integer("rate")), Unit::Bit, seconds, Unit::Kbyte);
        if (kbytes != qint64(kbytes))
            t.fail("the size is no whole number of Kbytes");
        return written(kbytes);
    };
    // The sum of `numbers`, each written with its base ("57_8"), in decimal.
    r.solvers["bases.sumOfIndexedNumbers"] = [](const Task& t) {
        return QString::number(evaluateBased(t.list("numbers").join(" + ")));
    };
    // The option, a whole X, for which `statement` is `truth`.
    r.solvers["logic.xWhereOption"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("statement")), {"X"});
        const bool truth = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == truth; });
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
    // Chains of beads of the colours `letters` (named `colours`): the
    // option of `length` beads whose first and last are alike, no two
    // neighbours alike, and of the colour named `rare` at most `most`.
    r.solvers["text.beadsByNeighbours"] = [](const Task& t) {
        const QStringList letters = t.list("letters"), colours = t.list("colours");
        if (letters.size() != colours.size())
            t.fail("the colours and their letters do not pair");
        const qsizetype rare = colours.indexOf(t.text("rare"));
        if (rare < 0)
            t.fail("the limited colour is none of the colours");
        const int length = numeral(t.text("length")), most = numeral(t.text("most"));
        return theOption(t, [&](const QString& chain) {
            if (chain.size() != length || chain.front() != chain.back())
                return false;
            for (qsizetype i = 0; i < chain.size(); ++i)
                if (!letters.contains(QString(chain[i])) || (i > 0 && chain[i] == chain[i - 1]))
                    return false;
            return chain.count(letters[rare]) <= most;
        });
    };
    // The address `protocol`://`server`/`file` put together from the rows
    // (a letter and a fragment) of the picture's table: the letters in
    // that order.
    r.solvers["text.addressFromPictureTable"] = [](const Task& t) {
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
    // The number of rows of the picture's table for which `condition` holds:
    // columns as whole-number variables, joined by ИЛИ and И.
    r.solvers["tables.countRecordsWhere"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const QStringList numeric = head.mid(1);
        QString condition = t.text("condition");
        condition.replace(" ИЛИ ", " ∨ ").replace(" И ", " ∧ ");
        const Formula f = Formula::parse(condition, numeric);
        qint64 count = 0;
        for (const QVariant& row : table["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != head.size())
                t.fail("a table row of the wrong length");
            std::map<QString, qint64> values;
            for (qsizetype i = 1; i < head.size(); ++i)
                values[head[i]] = number(cells[i]);
            count += f.evaluate({}, values) ? 1 : 0;
        }
        return QString::number(count);
    };
    // The value of the spreadsheet's cell `cell`.
    r.solvers["tables.sheetCellValue"] = [](const Task& t) {
        return written(cellValue(sheetCells(t, 0), t.text("cell")));
    };
    // The number of the chart (the pictures after the spreadsheet) drawn
    // from the values of the row range `first`:`last`.
    r.solvers["tables.barChartOfRowRange"] = [](const Task& t) {
        const auto values = evaluateSheet(sheetCells(t, 0));
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row || first.column > last.column)
            t.fail("the range is not part of one row");
        QVariantList wanted;
        for (int c = first.column; c <= last.column; ++c)
            wanted << values.at(cellText({c, first.row}));
        QStringList fit;
        const auto charts = t.elements(zut::Element::Kind::Picture);
        for (size_t n = 1; n < charts.size(); ++n) {
            const QVariantList shown = t.drawn(int(n))["chart"].toMap()["values"].toList();
            bool same = shown.size() == wanted.size();
            for (qsizetype i = 0; same && i < shown.size(); ++i)
                same = shown[i].toDouble() == wanted[i].toDouble();
            if (same)
                fit << QString::number(n);
        }
        if (charts.size() != 5 || fit.size() != 1)
            t.fail("charts of the range: " + fit.join(", "));
        return fit.front();
    };
    // The cell where Робот, starting in `start`, stops after the program
    // (the field that starts with НАЧАЛО) on the field the picture draws.
    r.solvers["programs.robotLoopsUntilWall"] = [](const Task& t) {
        const RobotField field(t, t.drawn()["table"].toMap());
        for (const zut::Element* f : t.elements(zut::Element::Kind::Field))
            if (f->text.trimmed().startsWith("НАЧАЛО"))
                return field.run(t.text("start"), f->text.trimmed().split('\n'));
        t.fail("no program");
    };
    // The one program of at most `most` (a word: "пяти") of the executor's
    // `commands` that turns `from` into `to`; the example program
    // `example` must turn `exampleFrom` into `exampleTo`.
    r.solvers["programs.commandsAtMostWord"] = [](const Task& t) {
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
    // Chains of digits, each the one before twice and then its own number,
    // the first `chains.1`: the length of the chain `which` (an ordinal
    // word). The chains shown must follow the rule.
    r.solvers["programs.chainLengthTwiceAndNumber"] = [](const Task& t) {
        static const QString rule = "{s}{s}{n}";
        const QStringList shown = t.list("chains");
        for (qsizetype n = 2; n <= shown.size(); ++n)
            if (buildString(shown[0], rule, int(n)) != shown[n - 1])
                t.fail(QString("chain %1 does not follow the rule").arg(n));
        return QString::number(builtLength(shown[0], rule, numeral(t.text("which"))));
    };
}

} // namespace zut::check
