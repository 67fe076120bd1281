// Solvers first needed by the 2008 paper, variant 6, until they are merged
// into the topics' files: volumes of alphabets, measurements, pictures and
// transfers; digits and bases; a fragment's printed value, an editor that
// replaces chains; statements about a number and sets of values; cheapest
// routes, a selection from records, a chart of a range; codes read back,
// beads by rules, forecasts, run-length codes and an address.
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
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>

namespace zut::check {

namespace {

QRegularExpression pattern(const QString& p) {
    return QRegularExpression(p, QRegularExpression::UseUnicodePropertiesOption);
}

// A road table of a picture (its corner empty) as the route solver reads it.
RoadMap roads(const Task& t, const QVariantMap& table) {
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

// The cells of the spreadsheet a picture draws, by their names.
std::map<QString, QString> spreadsheetCells(const Task& t, const QVariantMap& drawn) {
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

// A colour named by a word of any case ending ("жёлтая", "зелёной"): the
// letter whose colour name shares the word's first three letters.
QChar colourLetter(const Task& t, const std::map<QString, QChar>& byStem, const QString& word) {
    const auto c = byStem.find(word.left(3).toLower());
    if (c == byStem.end())
        t.fail("no colour " + word);
    return c->second;
}

// The editor that replaces chains: commands заменить(v, w), loops ПОКА …
// КОНЕЦ ПОКА and branches ЕСЛИ … ТО … [ИНАЧЕ …] КОНЕЦ ЕСЛИ of one command
// each, conditions нашлось(v) joined by ИЛИ or by И.
class ChainEditor {
public:
    ChainEditor(const Task& t, const QString& program)
        : t_(t) {
        for (const QString& l : program.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        if (lines_.size() < 2 || lines_.front() != "НАЧАЛО" || lines_.back() != "КОНЕЦ")
            t.fail("the program is not framed by НАЧАЛО and КОНЕЦ");
    }
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

private:
    bool holds(const QString& condition) const {
        const bool all = condition.contains(" И ");
        if (all && condition.contains(" ИЛИ "))
            t_.fail("a condition with both ИЛИ and И: " + condition);
        static const QRegularExpression found = pattern(R"(^нашлось\((\w+)\)$)");
        bool any = false, every = true;
        for (const QString& part : condition.split(all ? " И " : " ИЛИ ")) {
            const auto m = found.match(part);
            if (!m.hasMatch())
                t_.fail("an unknown condition: " + part);
            const bool in = s_.contains(m.captured(1));
            any = any || in;
            every = every && in;
        }
        return all ? every : any;
    }
    void command(const QString& c) {
        static const QRegularExpression replace = pattern(R"(^заменить\((\w+), (\w*)\)$)");
        const auto m = replace.match(c);
        if (!m.hasMatch())
            t_.fail("an unknown command: " + c);
        if (const qsizetype at = s_.indexOf(m.captured(1)); at >= 0)
            s_.replace(at, m.captured(1).size(), m.captured(2));
    }
    // The line that closes the construct opened on line `from`.
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open + " "))
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
            if (l.startsWith("ПОКА ")) {
                const qsizetype end = closing(i, "ПОКА", "КОНЕЦ ПОКА");
                while (holds(l.mid(5))) {
                    if (++turns_ > 10000)
                        t_.fail("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith("ЕСЛИ ")) {
                const qsizetype end = closing(i, "ЕСЛИ", "КОНЕЦ ЕСЛИ");
                const bool otherwise = end == i + 3 && lines_[i + 2].startsWith("ИНАЧЕ ");
                if (!lines_[i + 1].startsWith("ТО ") || (end != i + 2 && !otherwise))
                    t_.fail("a branch is not one command: " + l);
                if (holds(l.mid(5)))
                    command(lines_[i + 1].mid(3));
                else if (otherwise)
                    command(lines_[i + 2].mid(6));
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

// One forecast: "Г будет первой, а В — второй", two teams and their places.
struct Forecast {
    QString team1, team2;
    int place1 = 0, place2 = 0;
};

Forecast forecast(const Task& t, const QString& said) {
    static const QRegularExpression form = pattern(R"(^(\w+) будет (\w+), а (\w+) — (\w+)$)");
    const auto m = form.match(said);
    if (!m.hasMatch())
        t.fail("not a forecast of two teams: " + said);
    return {m.captured(1), m.captured(3), numeral(m.captured(2)), numeral(m.captured(4))};
}

} // namespace

void addT2008_6(Registry& r) {
    // The option is digits with their base written as an index ("3A{_16}"),
    // the answer the digits and the base after an underscore ("3A_16").
    r.readers["subscriptBase"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression index(R"(\{_(\w+)\})");
        return QString(o).replace(index, "_\\1") == answer;
    };

    // A message of `symbols` symbols taking `bytes` bytes, each symbol in
    // the least equal number of bits: the most symbols its alphabet can have.
    r.solvers["volume.widestAlphabet"] = [](const Task& t) {
        const qint64 bits = t.integer("bytes") * 8;
        if (bits % t.integer("symbols"))
            t.fail("no whole number of bits a symbol");
        const int per = int(bits / t.integer("symbols"));
        const qint64 alphabet = qint64(1) << per;
        if (bitsForAlphabet(alphabet) != per || bitsForAlphabet(alphabet + 1) <= per)
            t.fail("the volume solver disagrees");
        return written(double(alphabet));
    };
    // A measurement every `minutes` minutes for a day, each a whole number
    // from `low` to `high` in the least equal number of bits.
    r.solvers["volume.dailyReadings"] = [](const Task& t) {
        const qint64 minutes = t.integer("minutes");
        if (minutes <= 0 || 24 * 60 % minutes)
            t.fail("the measurements do not fill the day");
        const qint64 values = t.integer("high") - t.integer("low") + 1;
        return written(double(messageBits(24 * 60 / minutes, values)));
    };
    // A picture of `width` × `height` pixels in `colours` colours, in
    // whole Kbytes.
    r.solvers["volume.pictureKbytes"] = [](const Task& t) {
        const double kbytes = convert(
            double(rasterBits(t.integer("width"), t.integer("height"), t.integer("colours"))),
            Unit::Bit, Unit::Kbyte);
        if (kbytes != std::floor(kbytes))
            t.fail("not a whole number of Kbytes");
        return written(kbytes);
    };
    // A file sent at `rate` bits a second in `seconds` seconds: the seconds
    // it takes at `kbytesRate` Kbytes a second.
    r.solvers["volume.transferAgain"] = [](const Task& t) {
        const double kbytes = transferSize(double(t.integer("rate")), Unit::Bit,
                                           double(t.integer("seconds")), Unit::Kbyte);
        const double seconds =
            transferSeconds(kbytes, Unit::Kbyte, double(t.integer("kbytesRate")), Unit::Kbyte);
        if (seconds != std::floor(seconds))
            t.fail("the time is not whole");
        return written(seconds);
    };

    // How many `digits` (нулей, единиц) the writing of `value` has in the
    // base `system` names.
    r.solvers["bases.digitsCounted"] = [](const Task& t) {
        const QString digits = t.text("digits");
        if (digits != "нулей" && digits != "единиц")
            t.fail("digits is neither нулей nor единиц");
        return QString::number(digitCount(t.integer("value"), numeral(t.text("system")),
                                          digits == "нулей" ? QChar('0') : QChar('1')));
    };
    // The sum of `terms` (each digits_base) in the base `system` names,
    // written digits_base.
    r.solvers["bases.sumWithBase"] = [](const Task& t) {
        const int base = numeral(t.text("system"));
        return evaluateBased(t.list("terms").join(" + "), base) + "_" + QString::number(base);
    };
    // The one base in which `value` is written `digits`.
    r.solvers["bases.baseOfDigitString"] = [](const Task& t) {
        const std::vector<qint64> bases = basesWithPattern(t.integer("value"), t.text("digits"));
        if (bases.size() != 1)
            t.fail(QString("%1 bases").arg(bases.size()));
        return QString::number(bases.front());
    };

    // The value of `variable` the fragment in three languages leaves; each
    // language prints it and nothing else.
    r.solvers["programs.soleOutput"] = [](const Task& t) {
        const std::vector<QString> f = t.threeFragments();
        const Comparison c = runAll(
            {{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
        if (!c.agree())
            t.fail("the three languages disagree: " + c.differences.join("; "));
        const qint64 value = c.results.front().integer(t.text("variable"));
        for (const RunResult& run : c.results)
            if (run.printed.size() != 1 || run.printed.front().number() != double(value))
                t.fail("a fragment does not print the value alone");
        return QString::number(value);
    };
    // The string the chain editor's program (the field that starts with
    // НАЧАЛО) makes of `start`.
    r.solvers["programs.chainReplacer"] = [](const Task& t) {
        for (const zut::Element* f : t.elements(zut::Element::Kind::Field))
            if (f->text.trimmed().startsWith("НАЧАЛО"))
                return ChainEditor(t, f->text).run(t.text("start"));
        t.fail("no program");
    };
    // How far from its start the turtle ends after `program` (its lines),
    // in whole steps.
    r.solvers["programs.turtleDistance"] = [](const Task& t) {
        const double d = runPen(t.list("program").join('\n')).distance;
        if (std::abs(d - std::round(d)) > 1e-9)
            t.fail("the distance is not whole");
        return QString::number(std::llround(d));
    };

    // The option, a whole number X, for which `statement` is `truth`.
    r.solvers["logic.numberWhere"] = [](const Task& t) {
        const Formula f = Formula::parse(formulaText(t.text("statement")), {"X"});
        const bool value = truthGiven(t, "truth");
        return theOption(t, [&](const QString& o) { return evaluateAt(f, number(o)) == value; });
    };
    // The one set of values of `variables` (as 0/1 digits in their order)
    // for which `formula` is `truth`.
    r.solvers["logic.valuesWhere"] = [](const Task& t) {
        const QStringList sets = assignmentsWhere(Formula::parse(formulaText(t.text("formula"))),
                                                  t.list("variables"), truthGiven(t, "truth"));
        if (sets.size() != 1)
            t.fail(QString("%1 sets of values").arg(sets.size()));
        return sets.front();
    };

    // The picture's numbered road tables: the number of the one whose
    // every cheapest route from `from` to `to` passes all `places` places.
    r.solvers["tables.cheapestThroughAll"] = [](const Task& t) {
        const QVariantList tables = t.drawn()["tables"].toList();
        const int places = numeral(t.text("places"));
        QStringList fit;
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QVariantMap m = tables[i].toMap();
            if (m["title"].toString() != QString("%1)").arg(i + 1))
                t.fail("the tables are not numbered in order");
            const RoadMap map = roads(t, m);
            if (map.places.size() != places)
                t.fail("a table of another number of places");
            const auto cheapest = shortestRoutes(map, t.text("from"), t.text("to"));
            if (std::all_of(cheapest.begin(), cheapest.end(),
                            [&](const Route& route) { return route.places.size() == places; }))
                fit << QString::number(i + 1);
        }
        if (fit.size() != 1)
            t.fail("tables whose cheapest route passes all places: " + fit.join(", "));
        return fit.front();
    };
    // The option, a condition on the records of the task's field (one a
    // line, `fields` separated by ", "), that selects exactly the rows of
    // the picture's table. Comparisons "(Поле = «слово»)", "(Поле > 12)"
    // are joined by И and ИЛИ.
    r.solvers["tables.selectionCondition"] = [](const Task& t) {
        const QStringList fields = t.list("fields");
        const auto memos = t.elements(zut::Element::Kind::Field);
        if (memos.size() != 1)
            t.fail("not one field of records");
        std::vector<QStringList> records, shown;
        for (const QString& line : memos.front()->text.split('\n', Qt::SkipEmptyParts)) {
            records.push_back(line.split(", "));
            if (records.back().size() != fields.size())
                t.fail("a record of the wrong length: " + line);
        }
        const QVariantMap table = t.drawn()["table"].toMap();
        if (table["head"].toStringList() != fields)
            t.fail("the table shows other fields");
        for (const QVariant& row : table["rows"].toList())
            shown.push_back(row.toStringList());
        static const QRegularExpression atom = pattern(R"(\((\w+) (=|>|<) (?:«(\w+)»|(\d+))\))");
        return theOption(t, [&](const QString& o) {
            QString formula = o;
            std::vector<std::function<bool(const QStringList&)>> tests;
            for (const auto& m : atom.globalMatch(o)) {
                const qsizetype field = fields.indexOf(m.captured(1));
                if (field < 0)
                    t.fail("no field " + m.captured(1));
                const QString op = m.captured(2), word = m.captured(3), value = m.captured(4);
                tests.push_back([=](const QStringList& rec) {
                    if (!word.isEmpty())
                        return op == "=" && rec[field] == word;
                    const qint64 a = number(rec[field]), b = number(value);
                    return op == "=" ? a == b : op == ">" ? a > b : a < b;
                });
                formula.replace(m.captured(0), QString("P%1").arg(tests.size()));
            }
            if (tests.empty())
                t.fail("a condition of no comparisons: " + o);
            formula.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
            const Formula f = Formula::parse(formula);
            std::vector<QStringList> selected;
            for (const QStringList& rec : records) {
                std::map<QString, bool> values;
                for (size_t i = 0; i < tests.size(); ++i)
                    values[QString("P%1").arg(i + 1)] = tests[i](rec);
                if (f.evaluate(values))
                    selected.push_back(rec);
            }
            return selected == shown;
        });
    };
    // The option, an ordinal word ("первая"), naming the numbered chart
    // (pictures 2 … 5) that may show the values of the range `first` …
    // `last` of the first picture's spreadsheet: a bar chart the values, a
    // pie chart their shares.
    r.solvers["tables.rangeChartByOrdinal"] = [](const Task& t) {
        const CellRef first = parseCell(t.text("first")), last = parseCell(t.text("last"));
        if (first.row != last.row || first.column > last.column)
            t.fail("the range is not one row");
        const auto values = evaluateSheet(spreadsheetCells(t, t.drawn(0)));
        std::vector<double> wanted;
        QStringList columns;
        for (int c = first.column; c <= last.column; ++c) {
            const QString cell = cellText({c, first.row, false, false});
            if (!values.contains(cell))
                t.fail("no value in " + cell);
            wanted.push_back(values.at(cell));
            columns << cell.left(cell.size() - QString::number(first.row).size());
        }
        const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
        return theOption(t, [&](const QString& o) {
            const QVariantMap chart = t.drawn(numeral(o))["chart"].toMap();
            if (chart["labels"].toStringList() != columns)
                return false;
            std::vector<double> shown;
            for (const QVariant& v : chart["values"].toList())
                shown.push_back(v.toDouble());
            if (shown.size() != wanted.size())
                return false;
            const double sum = std::accumulate(shown.begin(), shown.end(), 0.0);
            const bool bars = chart["kind"].toString() == "bar";
            for (size_t i = 0; i < wanted.size(); ++i)
                if (bars ? shown[i] != wanted[i]
                         : std::abs(shown[i] / sum - wanted[i] / total) > 1e-9)
                    return false;
            return true;
        });
    };

    // The one word whose code is `chain`, by the code table the picture
    // draws (a row of `letters` over a row of codes); no code may begin
    // another.
    r.solvers["codes.decodedWord"] = [](const Task& t) {
        const QVariantMap table = t.drawn()["table"].toMap();
        const QStringList head = table["head"].toStringList();
        const QVariantList rows = table["rows"].toList();
        if (rows.size() != 1 || head.value(0) != "Буква")
            t.fail("the code table is not a row of letters over a row of codes");
        const QStringList codes = rows.front().toStringList();
        if (codes.size() != head.size() || head.mid(1) != t.list("letters"))
            t.fail("the table codes other letters than the wording names");
        std::map<QChar, QString> code;
        for (qsizetype i = 1; i < head.size(); ++i)
            code[head[i].front()] = codes[i];
        if (!isPrefixCode(code))
            t.fail("a code begins another");
        const QStringList words = decodings(t.text("chain"), code);
        if (words.size() != 1)
            t.fail("not one reading: " + words.join(' '));
        return words.front();
    };

    // The option that is a chain of `length` beads, the letters `letters`
    // of the colours `colours`: its first and last bead alike, no two
    // neighbours alike, one bead of colour `single`, a bead of colour
    // `before` always followed by one of colour `after`, no bead of colour
    // `notFirst` first (colours named in any case ending).
    r.solvers["text.beadsByRules"] = [](const Task& t) {
        const QStringList letters = t.list("letters"), colours = t.list("colours");
        if (letters.size() != colours.size())
            t.fail("the letters and colours do not pair");
        std::map<QString, QChar> byStem;
        for (qsizetype i = 0; i < letters.size(); ++i)
            if (!byStem.emplace(colours[i].left(3).toLower(), letters[i].front()).second)
                t.fail("two colours alike in their first letters");
        const qsizetype length = numeral(t.text("length"));
        const QChar single = colourLetter(t, byStem, t.text("single")),
                    before = colourLetter(t, byStem, t.text("before")),
                    after = colourLetter(t, byStem, t.text("after")),
                    notFirst = colourLetter(t, byStem, t.text("notFirst"));
        return theOption(t, [&](const QString& o) {
            if (o.size() != length || o.front() != o.back() || o.count(single) != 1 ||
                o.front() == notFirst)
                return false;
            for (qsizetype i = 0; i < o.size(); ++i) {
                if (!letters.contains(QString(o[i])) || (i > 0 && o[i] == o[i - 1]))
                    return false;
                if (o[i] == before && (i + 1 == o.size() || o[i + 1] != after))
                    return false;
            }
            return true;
        });
    };
    // Teams `teams`, `forecasts` of two teams' places each, each forecast
    // right about exactly one of its two: the one team at the place
    // `place` (an ordinal word) in the one order that fits.
    r.solvers["text.placeByForecasts"] = [](const Task& t) {
        QStringList order = t.list("teams");
        std::vector<Forecast> said;
        for (const QString& f : t.list("forecasts")) {
            said.push_back(forecast(t, f));
            if (!order.contains(said.back().team1) || !order.contains(said.back().team2))
                t.fail("a forecast of no team: " + f);
        }
        std::sort(order.begin(), order.end());
        QStringList fits;
        do {
            const auto right = [&](const QString& team, int place) {
                return order.indexOf(team) + 1 == place;
            };
            if (std::all_of(said.begin(), said.end(), [&](const Forecast& f) {
                    return right(f.team1, f.place1) != right(f.team2, f.place2);
                }))
                fits << order.join("");
        } while (std::next_permutation(order.begin(), order.end()));
        if (fits.size() != 1)
            t.fail("orders of the teams that fit: " + fits.join(", "));
        const int place = numeral(t.text("place"));
        if (place < 1 || place > order.size())
            t.fail("no such place");
        return QString(fits.front()[place - 1]);
    };
    // The number of letters run-length code `code` stands for; each of the
    // `examples` must stand for its `decoded`.
    r.solvers["text.runLengthLetters"] = [](const Task& t) {
        const QStringList examples = t.list("examples"), decoded = t.list("decoded");
        if (examples.size() != decoded.size())
            t.fail("the examples and their letters do not pair");
        for (qsizetype i = 0; i < examples.size(); ++i)
            if (runLengthDecode(examples[i]) != decoded[i])
                t.fail("the example " + examples[i] + " is wrong");
        return QString::number(runLengthDecodedLength(t.text("code")));
    };
    // The address `protocol`://`server`/`file` put together from the parts
    // the picture's table draws (a label and a part a row): the labels in
    // that order, the one order that spells it.
    r.solvers["text.addressFromTable"] = [](const Task& t) {
        QStringList labels, parts;
        for (const QVariant& row : t.drawn()["table"].toMap()["rows"].toList()) {
            const QStringList cells = row.toStringList();
            if (cells.size() != 2)
                t.fail("a row of the parts' table is not a label and a part");
            labels << cells[0];
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
                word += labels[i];
            }
            if (spelt == address)
                found << word;
        } while (std::next_permutation(order.begin(), order.end()));
        if (found.size() != 1)
            t.fail(QString("%1 ways to spell %2").arg(found.size()).arg(address));
        return found.front();
    };
}

} // namespace zut::check
