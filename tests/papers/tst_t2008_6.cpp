// The content of the 2008 paper, variant 6: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run over a grid of points
// for their fault, their superfluous check and the fix of the solution;
// the game of С3 played out; the paper marked through its window with the
// answers found.
#include "testmain.h"

#include "papertest.h"

#include "papercheck.h"

#include "check/codes.h"
#include "check/flowchart.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "shell/controls.h"

#include <QFontMetrics>

#include <numeric>
#include <set>

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_6.yaml");
    return c;
}

namespace {

// ---- Part 1 --------------------------------------------------------------

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString sentence = capture(w, "«([^»]+)»")[0];
    const qint64 per = numberIn(w, R"(каждый символ занимает (\d+) бит)");
    need(w.contains("кавычки в предложение не входят"), "the quotes may count");
    return equalTo(double(ck::textBits(sentence, per)), bits);
}

// The alphabet: the most symbols that the bits of one symbol can code.
Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 symbols = numberIn(w, R"(Сообщение из (\d+) символов)");
    const double volume =
        ck::convert(double(numberIn(w, R"(объём (\d+) байта)")), ck::Unit::Byte, ck::Unit::Bit);
    need(w.contains("одинаковым и наименьшим возможным числом бит"), "the code is not the least");
    const double per = volume / double(symbols);
    need(per == std::floor(per), "the bits of a symbol are not whole");
    const qint64 alphabet = qint64(1) << qint64(per);
    need(ck::bitsForAlphabet(alphabet) == int(per) && ck::bitsForAlphabet(alphabet + 1) > int(per),
         "not the largest alphabet of those bits");
    need(w.contains("наибольшее возможное количество символов в алфавите"), "another question");
    return equalTo(double(alphabet), asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 minutes = numberIn(w, R"(каждые (\d+) минут)");
    const QStringList range = capture(w, R"(целое число процентов от (\d+) до (\d+))");
    need(w.contains("накопленных за сутки"), "not a day's measurements");
    need(24 * 60 % minutes == 0, "the measurements do not fill the day");
    const qint64 count = 24 * 60 / minutes;
    const qint64 values = number(range[1]) - number(range[0]) + 1;
    return equalTo(double(ck::messageBits(count, values)), bits);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m =
        capture(wording(t), R"(Сколько (нулей|единиц) в (\w+) записи десятичного числа (\d+)\?)");
    const int count =
        ck::digitCount(number(m[2]), numeral(m[1]), m[0] == "нулей" ? QChar('0') : QChar('1'));
    return equalTo(double(count), asNumber);
}

Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумму чисел (\w+_\d+) и (\w+_\d+))");
    const int base = numeral(capture(w, R"(запишите её в (\w+) системе)")[0]);
    return writtenIn(ck::evaluateBased(m[0] + " + " + m[1]), base);
}

Verdict solveA7(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(значение переменной (\w+))")[0];
    const ck::Comparison c = runThree(t);
    const qint64 value = c.results.front().integer(name);
    // Each fragment prints that value and nothing else.
    for (const ck::RunResult& r : c.results) {
        need(r.printed.size() == 1, "a fragment prints not one value");
        need(r.printed.front().number() == double(value), "a fragment prints another value");
    }
    return equalTo(double(value), asNumber);
}

Verdict solveA9(const zut::TaskContent& t) {
    const QString w = wording(t);
    const bool wantTrue = w.contains("истинно высказывание");
    need(wantTrue || w.contains("ложно высказывание"), "neither true nor false is asked for");
    const auto f = ck::Formula::parse(formulaAfter(w, "высказывание"), {"X"});
    return
        [f, wantTrue](int, const QString& o) { return ck::evaluateAt(f, number(o)) == wantTrue; };
}

// Right where every cheapest route of the option's table passes through
// all the places.
Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList ends = capture(w, R"(самый дешёвый маршрут из (\w) в (\w) проходит)");
    const int places = numeral(capture(w, R"(проходит через все (\w+) пункта)")[0]);
    std::vector<bool> throughAll;
    for (const QVariant& table : list(drawn(t)["tables"])) {
        const ck::RoadMap map = roadTable(table.toMap());
        need(map.places.size() == places, "a table of another number of places");
        const auto cheapest = ck::shortestRoutes(map, ends[0], ends[1]);
        throughAll.push_back(std::all_of(cheapest.begin(), cheapest.end(), [&](const ck::Route& r) {
            return r.places.size() == places;
        }));
    }
    need(throughAll.size() == 4, "not four tables");
    return [throughAll](int k, const QString& title) {
        return title == QString("%1)").arg(k) && throughAll[size_t(k - 1)];
    };
}

// The code table of А13's picture: a row of letters over a row of codes.
std::map<QChar, QString> codeTable(const zut::TaskContent& t) {
    const QVariantMap table = drawn(t)["table"].toMap();
    const QStringList letters = table["head"].toStringList();
    const QVariantList rows = list(table["rows"]);
    need(rows.size() == 1, "not one row of codes");
    const QStringList codes = rows.front().toStringList();
    need(letters.value(0) == "Буква" && codes.value(0) == "Код", "the rows are not named");
    std::map<QChar, QString> out;
    for (qsizetype i = 1; i < letters.size(); ++i) {
        need(letters[i].size() == 1, "a letter of more than one character");
        out[letters[i][0]] = codes[i];
    }
    return out;
}

Verdict solveA13(const zut::TaskContent& t) {
    const auto codes = codeTable(t);
    const QString w = wording(t);
    // The letters the wording names are the table's.
    QString named = capture(w, R"(кодирования букв (.+) использован)")[0];
    QString inTable;
    for (const auto& [letter, code] : codes)
        inTable += letter;
    need(named.remove(", ") == inTable, "the wording names other letters than the table");
    need(ck::isPrefixCode(codes), "a code begins another: the reading may not be one");
    const QStringList readings =
        ck::decodings(capture(w, R"(закодировано цепочкой ([01]+)\?)")[0], codes);
    need(readings.size() == 1, "not one reading: " + readings.join(' '));
    const QString word = readings.front();
    return [word](int, const QString& o) { return o == word; };
}

// А14's rules, read from Memo1: the colours are named by their letters,
// and the rules by the stems of the colours' names.
Verdict solveA14(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo1");
    std::map<QString, QChar> colours; // stem of the name → letter
    for (const auto& m : rx(R"((\w) — (\w+))").globalMatch(text.section('\n', 0, 0)))
        colours[m.captured(2).left(3)] = m.captured(1)[0];
    need(colours.size() == 4, "not four colours");
    auto colour = [&](const QString& word) {
        need(colours.contains(word.left(3)), "no colour " + word);
        return colours.at(word.left(3));
    };
    int rules = 0;
    for (auto it = rx(R"(^\d\) )", QRegularExpression::MultilineOption).globalMatch(text);
         it.hasNext(); it.next())
        ++rules;
    need(rules == 6, "not the six rules the test reads");
    const int length = numeral(capture(text, R"(1\) в цепочке (\w+) бусин;)")[0]);
    need(text.contains("2) первая и последняя бусины одного цвета;"), "rule 2 is another");
    need(text.contains("3) никакие две соседние бусины не бывают одного цвета;"),
         "rule 3 is another");
    const QChar single =
        colour(capture(text, R"(4\) (\w+) бусина в цепочке есть, и она только одна;)")[0]);
    const QStringList after = capture(text, R"(5\) сразу за (\w+) бусиной всегда идёт (\w+);)");
    const QChar before = colour(after[0]), then = colour(after[1]);
    const QChar notFirst =
        colour(capture(text, R"(6\) (\w+) бусина не стоит на первом месте\.)")[0]);
    QString letters;
    for (const auto& [stem, letter] : colours)
        letters += letter;
    return [=](int, const QString& o) {
        if (o.size() != length)
            return false;
        for (QChar c : o)
            if (!letters.contains(c))
                return false;
        if (o.front() != o.back() || o.count(single) != 1 || o.front() == notFirst)
            return false;
        for (qsizetype i = 0; i < o.size(); ++i) {
            if (i > 0 && o[i] == o[i - 1])
                return false;
            if (o[i] == before && (i + 1 == o.size() || o[i + 1] != then))
                return false;
        }
        return true;
    };
}

// A mask of file names as a pattern: "?" one character, "*" any run.
QRegularExpression maskPattern(const QString& mask) {
    QString p;
    for (QChar c : mask)
        p += c == '?' ? QString(".") : c == '*' ? QString(".*") : QRegularExpression::escape(c);
    return rx("^" + p + "$");
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    need(w.contains("«?», означающий ровно один произвольный символ") &&
             w.contains("«*», означающий любую последовательность символов произвольной длины, в "
                        "том числе пустую"),
         "the mask's symbols mean something else");
    const QRegularExpression mask = maskPattern(capture(w, R"(удовлетворяет маске «([^»]+)»)")[0]);
    return [mask](int, const QString& o) { return mask.match(o).hasMatch(); };
}

// А16: the records of Memo2, each condition of the options evaluated on
// them; right where it selects exactly the rows of the picture's table.
Verdict solveA16(const zut::TaskContent& t) {
    const QStringList fields = listed(capture(wording(t), R"(поля записи: ([^(.]+?) \()")[0]);
    std::vector<QStringList> records;
    for (const QString& line : fieldText(t, "Memo2").split('\n')) {
        const QStringList r = line.split(", ");
        need(r.size() == fields.size(), "a record of the wrong length: " + line);
        records.push_back(r);
    }
    const QVariantMap table = drawn(t)["table"].toMap();
    need(table["head"].toStringList() == fields, "the table shows other fields");
    std::vector<QStringList> shown;
    for (const QVariant& r : list(table["rows"]))
        shown.push_back(r.toStringList());
    return [fields, records, shown](int, const QString& o) {
        // Each comparison becomes a truth-valued variable of the formula.
        static const QRegularExpression atom = rx(R"(\((\w+) (=|>|<) (?:«(\w+)»|(\d+))\))");
        QString formula = o;
        std::vector<std::function<bool(const QStringList&)>> tests;
        for (const auto& m : atom.globalMatch(o)) {
            const qsizetype field = fields.indexOf(m.captured(1));
            need(field >= 0, "no field " + m.captured(1));
            const QString op = m.captured(2);
            const bool text = !m.captured(3).isEmpty();
            const QString value = text ? m.captured(3) : m.captured(4);
            tests.push_back([=](const QStringList& r) {
                if (text || op == "=")
                    return op == "=" && r[field] == value;
                const qint64 a = number(r[field]), b = number(value);
                return op == ">" ? a > b : a < b;
            });
            formula.replace(m.captured(0), QString("P%1").arg(tests.size()));
        }
        need(!tests.empty(), "a condition of no comparisons: " + o);
        formula.replace(" ИЛИ ", " \\/ ").replace(" И ", " && ");
        const auto f = ck::Formula::parse(formula);
        std::vector<QStringList> selected;
        for (const QStringList& r : records) {
            std::map<QString, bool> values;
            for (size_t i = 0; i < tests.size(); ++i)
                values[QString("P%1").arg(i + 1)] = tests[i](r);
            if (f.evaluate(values))
                selected.push_back(r);
        }
        return selected == shown;
    };
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) × (\d+) пикселей)");
    const qint64 colours = numberIn(w, R"(в его палитре (\d+) цвет)");
    need(w.contains("хранится без сжатия") && w.contains("Сколько килобайт"), "another question");
    const double kbytes =
        ck::convert(double(ck::rasterBits(number(size[0]), number(size[1]), colours)),
                    ck::Unit::Bit, ck::Unit::Kbyte);
    return equalTo(kbytes, asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(В ячейке ([A-Z]+\d+) электронной таблицы записана формула (=\S+)\. Её скопировали в ячейку ([A-Z]+\d+)\.)");
    const QString copied = ck::copyFormula(m[1], m[0], m[2]);
    return [copied](int, const QString& o) { return o == copied; };
}

// А19: the values of the range, against each numbered diagram: a bar
// chart shows the values, a pie chart their shares.
Verdict solveA19(const zut::TaskContent& t) {
    const QStringList range = capture(wording(t), R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not a row");
    const auto values = ck::evaluateSheet(sheet(picture(t, 0)));
    std::vector<double> wanted;
    QStringList columns;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1)) {
        const QString cell = c + range[1];
        need(values.contains(cell), "no value in " + cell);
        wanted.push_back(values.at(cell));
        columns << QString(c);
    }
    // The diagrams stand under the labels "1)" … "4)".
    QStringList titles;
    for (const Element* e : elements(t, Kind::Row))
        if (e->children.front().kind == Kind::Text)
            for (const Element& c : e->children)
                titles << c.text;
    need(titles == QStringList({"1)", "2)", "3)", "4)"}), "the diagrams are not numbered");
    return [t = &t, wanted, columns](int k, const QString& o) {
        need(numeral(o) == k, "the option names another diagram: " + o);
        const QVariantMap c = drawn(*t, k)["chart"].toMap();
        if (c["labels"].toStringList() != columns)
            return false;
        std::vector<double> shown;
        for (const QVariant& v : list(c["values"]))
            shown.push_back(v.toDouble());
        if (shown.size() != wanted.size())
            return false;
        const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
        const double sum = std::accumulate(shown.begin(), shown.end(), 0.0);
        for (size_t i = 0; i < wanted.size(); ++i) {
            const bool same = c["kind"].toString() == "bar"
                                  ? shown[i] == wanted[i]
                                  : std::abs(shown[i] / sum - wanted[i] / total) < 1e-9;
            if (!same)
                return false;
        }
        return true;
    };
}

// ---- А20: the Редактор's program ------------------------------------------

// A program of Memo5: commands заменить(v, w), loops ПОКА … КОНЕЦ ПОКА and
// branches ЕСЛИ … ТО … ИНАЧЕ … КОНЕЦ ЕСЛИ, whose conditions are нашлось(v)
// joined by ИЛИ or by И.
struct EditorProgram {
    struct Statement {
        enum class Kind { Replace, While, If } kind = Kind::Replace;
        QString from, to;  // Replace
        QStringList found; // While, If: the chains of the condition
        bool all = false;  // the chains joined by И rather than ИЛИ
        std::vector<Statement> body, otherwise;
    };
    std::vector<Statement> statements;
};

class EditorReader {
public:
    explicit EditorReader(const QString& text) {
        for (const QString& l : text.split('\n'))
            lines_ << l.trimmed();
    }
    EditorProgram read() {
        need(next() == "НАЧАЛО", "the program does not start with НАЧАЛО");
        EditorProgram p;
        p.statements = block({"КОНЕЦ"});
        need(at_ == lines_.size(), "lines after КОНЕЦ");
        return p;
    }

private:
    QString next() {
        need(at_ < lines_.size(), "the program ends too soon");
        return lines_[at_++];
    }
    static EditorProgram::Statement replace(const QString& line) {
        const QStringList m = capture(line, R"(^заменить\((\w+), (\w*)\)$)");
        return {EditorProgram::Statement::Kind::Replace, m[0], m[1], {}, false, {}, {}};
    }
    static void condition(EditorProgram::Statement& s, const QString& text) {
        const bool any = text.contains(" ИЛИ "), all = text.contains(" И ");
        need(!(any && all), "a condition with both ИЛИ and И");
        s.all = all;
        for (const QString& part : text.split(all ? " И " : " ИЛИ "))
            s.found << capture(part, R"(^нашлось\((\w+)\)$)")[0];
    }
    // Statements up to the line `end` (consumed).
    std::vector<EditorProgram::Statement> block(const QStringList& end) {
        std::vector<EditorProgram::Statement> out;
        for (QString line = next(); !end.contains(line); line = next()) {
            EditorProgram::Statement s;
            if (line.startsWith("ПОКА ")) {
                s.kind = EditorProgram::Statement::Kind::While;
                condition(s, line.mid(5));
                s.body = block({"КОНЕЦ ПОКА"});
            } else if (line.startsWith("ЕСЛИ ")) {
                s.kind = EditorProgram::Statement::Kind::If;
                condition(s, line.mid(5));
                const QString then = next();
                need(then.startsWith("ТО "), "ЕСЛИ without ТО");
                s.body.push_back(replace(then.mid(3)));
                QString line2 = next();
                if (line2.startsWith("ИНАЧЕ ")) {
                    s.otherwise.push_back(replace(line2.mid(6)));
                    line2 = next();
                }
                need(line2 == "КОНЕЦ ЕСЛИ", "ЕСЛИ without КОНЕЦ ЕСЛИ");
            } else {
                s = replace(line);
            }
            out.push_back(s);
        }
        return out;
    }

    QStringList lines_;
    qsizetype at_ = 0;
};

bool holds(const EditorProgram::Statement& s, const QString& text) {
    const auto in = [&](const QString& chain) { return text.contains(chain); };
    return s.all ? std::all_of(s.found.begin(), s.found.end(), in)
                 : std::any_of(s.found.begin(), s.found.end(), in);
}

// Runs the statements on `text`; `states`, where given, collects the text
// after each replacement.
void runEditor(const std::vector<EditorProgram::Statement>& statements, QString& text, int& steps,
               QStringList* states = nullptr) {
    using K = EditorProgram::Statement::Kind;
    for (const auto& s : statements) {
        need(++steps < 100000, "the program does not stop");
        switch (s.kind) {
        case K::Replace:
            if (const qsizetype at = text.indexOf(s.from); at >= 0) {
                text.replace(at, s.from.size(), s.to);
                if (states)
                    *states << text;
            }
            break;
        case K::While:
            while (holds(s, text))
                runEditor(s.body, text, steps, states);
            break;
        case K::If:
            runEditor(holds(s, text) ? s.body : s.otherwise, text, steps, states);
            break;
        }
    }
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString notes = oneLine(fieldText(t, "Memo4"));
    need(notes.contains("заменяет в строке первое слева вхождение цепочки v на цепочку w"),
         "заменить does not replace the first occurrence");
    need(notes.contains("если цепочки v в строке нет, строка не меняется"),
         "заменить does something else where v is missing");
    const EditorProgram program = EditorReader(fieldText(t, "Memo5")).read();
    QString text = capture(wording(t), R"(применения этой программы к строке (\w+)\?)")[0];
    int steps = 0;
    runEditor(program.statements, text, steps);
    return [text](int, const QString& o) { return o == text; };
}

const Part1Solvers part1Solvers = {
    {"А1", solveA1},         {"А2", solveA2},
    {"А3", solveA3},         {"А4", solveA4},
    {"А5", solveA5},         {"А6", flowchartValue},
    {"А7", solveA7},         {"А8", arrayElement},
    {"А9", solveA9},         {"А10", equivalentFormula},
    {"А11", fitsTruthTable}, {"А12", solveA12},
    {"А13", solveA13},       {"А14", solveA14},
    {"А15", solveA15},       {"А16", solveA16},
    {"А17", solveA17},       {"А18", solveA18},
    {"А19", solveA19},       {"А20", solveA20},
};

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QStringList m =
        capture(wording(t), R"(Запись десятичного числа (\d+) .+ имеет вид (\w+)\.)");
    const std::vector<qint64> bases = ck::basesWithPattern(number(m[0]), m[1]);
    need(bases.size() == 1, "not exactly one base");
    return QString::number(bases.front());
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList order = capture(w, R"(переменных (.+?), при которых)")[0].split(", ");
    const bool value = !w.contains("ложно логическое выражение");
    need(!value || w.contains("истинно логическое выражение"), "no truth value asked for");
    const auto f = ck::Formula::parse(capture(w, R"(логическое выражение (.+?)\. Ответ)")[0]);
    const QStringList sets = ck::assignmentsWhere(f, order, value);
    need(sets.size() == 1, "not exactly one set of values: " + sets.join(' '));
    need(w.contains(order.join(", ").replace(", " + order.last(), " и " + order.last()) +
                    ", именно в этом порядке"),
         "the answer's order is not the one named");
    return sets.front();
}

// B3: the program between "программу:" and the question, run by the pen.
QString solveB3(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo7");
    const QStringList lines = text.split('\n');
    const qsizetype from = lines.indexOf("Черепаха выполнила программу:");
    need(from >= 0, "no program");
    QStringList program;
    for (qsizetype i = from + 1; i < lines.size() && !lines[i].startsWith("На каком расстоянии");
         ++i)
        program << lines[i];
    need(!program.isEmpty() && from + 1 + program.size() < lines.size(), "no question");
    need(oneLine(text).contains("На каком расстоянии (в шагах) от начальной точки"),
         "another distance is asked for");
    const ck::PenResult r = ck::runPen(program.join('\n'));
    need(std::abs(r.distance - std::round(r.distance)) < 1e-9, "the distance is not whole");
    return QString::number(qint64(std::llround(r.distance)));
}

// B4: every order of the teams tried against the forecasts, each of which
// must be right about exactly one of its two teams.
struct Forecast {
    QChar team1;
    int place1;
    QChar team2;
    int place2;
};

std::vector<Forecast> forecasts(const QString& text) {
    std::vector<Forecast> out;
    for (const auto& m : rx(R"(«(\w) будет (\w+), а (\w) — (\w+)»)").globalMatch(text))
        out.push_back(
            {m.captured(1)[0], numeral(m.captured(2)), m.captured(3)[0], numeral(m.captured(4))});
    return out;
}

// The orders (the teams from the first place down) that fit all forecasts.
QStringList fittingOrders(const QString& teams, const std::vector<Forecast>& said) {
    QString order = teams;
    std::sort(order.begin(), order.end());
    QStringList found;
    do {
        const auto place = [&](QChar team) { return int(order.indexOf(team)) + 1; };
        if (std::all_of(said.begin(), said.end(), [&](const Forecast& f) {
                return (place(f.team1) == f.place1) != (place(f.team2) == f.place2);
            }))
            found << order;
    } while (std::next_permutation(order.begin(), order.end()));
    return found;
}

QString solveB4(const zut::TaskContent& t) {
    const QString all = oneLine(fieldText(t, "Memo8"));
    const QString teams = listed(capture(all, R"(обозначенные буквами (.+?)\. )")[0]).join("");
    need(all.contains("угадал место только одной из двух названных им команд"),
         "the forecasts are not half right");
    const auto said = forecasts(all);
    need(said.size() == 3, "not three forecasts");
    for (const Forecast& f : said)
        need(teams.contains(f.team1) && teams.contains(f.team2), "a forecast of no team");
    need(all.contains("Какая команда заняла первое место?"), "another place is asked for");
    const QStringList orders = fittingOrders(teams, said);
    need(orders.size() == 1, "not one order of the teams: " + orders.join(' '));
    return orders.front().left(1);
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList first = capture(w, R"(скоростью (\d+) бит в секунду заняла (\d+) секунд)");
    const qint64 second = numberIn(w, R"(того же файла через соединение со скоростью (\d+) Кбайт)");
    need(w.contains("Сколько секунд займёт"), "not the time asked for");
    const double size = ck::transferSize(double(number(first[0])), ck::Unit::Bit,
                                         double(number(first[1])), ck::Unit::Kbyte);
    const double seconds =
        ck::transferSeconds(size, ck::Unit::Kbyte, double(second), ck::Unit::Kbyte);
    need(seconds == std::floor(seconds), "the time is not whole");
    return QString::number(qint64(seconds));
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString all = oneLine(text);
    // The examples of the wording and the list decode as the rule says.
    int examples = 0;
    for (const auto& m :
         rx(R"(^(\S+) — (\w+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        need(ck::runLengthDecode(m.captured(1)) == m.captured(2),
             "the example " + m.captured(1) + " is wrong");
        ++examples;
    }
    need(examples >= 3, "too few examples");
    const QStringList shortened = capture(all, R"(буквой: (\w+) записывают как (\w+)\.)");
    need(ck::runLengthDecode(shortened[1]) == shortened[0], "the first example is wrong");
    const QStringList group = capture(all, R"(повторяется: (\S+) означает (\w+)\.)");
    need(ck::runLengthDecode(group[0]) == group[1], "the group's example is wrong");
    const QStringList lines = text.split('\n');
    const qsizetype asked = lines.indexOf("Сколько букв в строке, которая записана так:");
    need(asked >= 0 && asked + 1 < lines.size(), "no code asked for");
    return QString::number(ck::runLengthDecodedLength(lines[asked + 1]));
}

QString solveB7(const zut::TaskContent& t) {
    const QStringList m = capture(
        wording(t),
        R"(Доступ к файлу ([\w.]+), находящемуся на сервере ([\w.]+), осуществляется по протоколу (\w+)\.)");
    const QString address = m[2] + "://" + m[1] + "/" + m[0];
    return spellingLetters(t, address).toLower();
}

QString solveB8(const zut::TaskContent& t) {
    need(wording(t).contains("русскими буквами"), "the letters of another alphabet");
    return queryOrder(t, typedQueryLabel).toLower();
}

const Part2Solvers part2Solvers = {
    {"B1", solveB1}, {"B2", solveB2}, {"B3", solveB3}, {"B4", solveB4},
    {"B5", solveB5}, {"B6", solveB6}, {"B7", solveB7}, {"B8", solveB8},
};

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

// The region of С1's wording: 0 ≤ y ≤ c − x · x.
double parabolaTop() {
    return double(numberIn(wording(task("С1")), R"(параболой y = (\d+) − x · x и осью абсцисс)"));
}
bool inside(double x, double y) {
    return y >= 0 && y <= parabolaTop() - x * x;
}

// The points the listings are run at: a grid around the region, its
// boundary points included.
std::vector<std::pair<double, double>> grid() {
    std::vector<std::pair<double, double>> points;
    for (int i = -8; i <= 8; ++i)
        for (int k = -6; k <= 10; ++k)
            points.push_back({i * 0.25, k * 0.25});
    return points;
}

// The part of the inner condition that С1's second question is about.
const QStringList superfluous = {" and (x * x <= 1)", " AND x * x <= 1"};

// The listing with the superfluous part of its inner condition taken out.
QString withoutSuperfluous(int listing) {
    const QString source = ::listing(listing);
    need(source.count(superfluous[listing]) == 1, "no superfluous part " + superfluous[listing]);
    return QString(source).replace(superfluous[listing], "");
}

// The fixed listings of the solution, in place of the listing's checks.
QString fixedListing(int listing) {
    const QStringList fix =
        capture(oneLine(task("С1").solution),
                R"(в Паскале (if .+? else writeln\('нет'\)), в Бейсике (IF .+? ELSE PRINT "нет"))");
    const QString source = ::listing(listing);
    if (listing == 0)
        return withoutLines(
            replacedLine(source, "if y <= 1 - x * x then", fix[0]),
            {"if (y >= 0) and (x * x <= 1) then writeln('да')", "else writeln('нет')"});
    return withoutLines(
        replacedLine(source, "IF y <= 1 - x * x THEN", fix[1]),
        {"IF y >= 0 AND x * x <= 1 THEN PRINT \"да\" ELSE PRINT \"нет\"", "END IF"});
}

// ---- С3 ------------------------------------------------------------------

// Two heaps; a move adds one stone to a heap or doubles it, and whoever
// makes `goal` stones in the two together wins.
class TwoHeaps {
public:
    explicit TwoHeaps(qint64 goal)
        : goal_(goal) {}
    static std::vector<std::pair<qint64, qint64>> moves(qint64 a, qint64 b) {
        return {{a + 1, b}, {a, b + 1}, {2 * a, b}, {a, 2 * b}};
    }
    bool ends(qint64 a, qint64 b) const { return a + b >= goal_; }
    // Whether the player to move wins from (a, b).
    bool moverWins(qint64 a, qint64 b) {
        const auto key = std::make_pair(a, b);
        if (const auto it = known_.find(key); it != known_.end())
            return it->second;
        bool wins = false;
        for (const auto& [na, nb] : moves(a, b))
            if (ends(na, nb) || !moverWins(na, nb))
                wins = true;
        known_[key] = wins;
        return wins;
    }
    // Whether the player to move wins with his next move.
    bool winsAtOnce(qint64 a, qint64 b) const {
        const auto m = moves(a, b);
        return std::any_of(m.begin(), m.end(),
                           [&](const auto& p) { return ends(p.first, p.second); });
    }

private:
    qint64 goal_;
    std::map<std::pair<qint64, qint64>, bool> known_;
};

struct Game {
    qint64 first, second, goal;
    QString starts, answers;
};

Game game() {
    const QString w = wording(task("С3"));
    need(w.contains("либо добавить один камень в любую из кучек, либо удвоить число камней в любой "
                    "из кучек"),
         "the moves are not the ones the test plays");
    need(w.contains("в двух кучках вместе окажется"), "the goal is not the two heaps together");
    return {numberIn(w, R"(в первой (\d+) камн)"), numberIn(w, R"(во второй (\d+) камн)"),
            numberIn(w, R"((\d+) камней или больше)"), capture(w, R"(первый ход делает (\w+))")[0],
            capture(w, R"(второй — (\w+))")[0]};
}

// Pairs of heaps written "5 и 6" in a text.
std::vector<std::pair<qint64, qint64>> heaps(const QString& text) {
    std::vector<std::pair<qint64, qint64>> out;
    for (const auto& m : rx(R"((\d+) и (\d+))").globalMatch(text))
        out.push_back({number(m.captured(1)), number(m.captured(2))});
    return out;
}

// The fields of the page that take a listing or a long text, with the
// lines their content says.
int readOnlyFields() {
    int n = 0;
    for (const zut::TaskContent& t : content().tasks)
        n += int(elements(t, Kind::Field).size());
    return n;
}

} // namespace

class TestT2008_6 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data() { addTaskRows("А", 20); }
    void part1() {
        QFETCH(QString, id);
        checkPart1(t2008_6, part1Solvers, id);
    }
    void part1OptionsDistinct_data() { addTaskRows("А", 20); }
    void part1OptionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void traceOfA20Solution();
    void mistakesOfA20_data();
    void mistakesOfA20();
    void part2_data() { addTaskRows("B", 8); }
    void part2();
    void oneFirstPlaceInB4();
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameStrategy();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    void fieldsShowTheirLines();
    void markedThroughTheWindow() {
        checkMarkedThroughTheWindow(t2008_6, part1Solvers, part2Solvers);
    }

private:
    std::unique_ptr<zut::WindowSet> set_;
};

// The worked solution of А20 shows the string after each step of the loop
// as the program makes it, and then the answer.
void TestT2008_6::traceOfA20Solution() {
    const zut::TaskContent& t = task("А20");
    try {
        const EditorProgram p = EditorReader(fieldText(t, "Memo5")).read();
        QString text = capture(wording(t), R"(к строке (\w+)\?)")[0];
        QStringList states{text};
        int steps = 0;
        runEditor(p.statements, text, steps, &states);
        QStringList shown;
        const QString loop = oneLine(t.solution).section(';', 0, 0);
        for (const QString& step : loop.split(" → "))
            shown << step.section(") ", -1);
        QCOMPARE(shown, states.mid(0, states.size() - 1));
        QVERIFY(oneLine(t.solution).contains(QString(": %1, ответ").arg(states.last())));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::mistakesOfA20_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("mistake");
    QTest::newRow("no command after the loop") << 1 << "after";
    QTest::newRow("checks the other way round") << 2 << "order";
    QTest::newRow("every occurrence at once") << 4 << "all";
}

// The wrong options of А20 are what the program gives with one typical
// mistake each: so they are plausible, and none of them is right.
void TestT2008_6::mistakesOfA20() {
    QFETCH(int, option);
    QFETCH(QString, mistake);
    const zut::TaskContent& t = task("А20");
    try {
        EditorProgram p = EditorReader(fieldText(t, "Memo5")).read();
        using K = EditorProgram::Statement::Kind;
        QCOMPARE(p.statements.size(), size_t(2));
        QCOMPARE(int(p.statements[0].kind), int(K::While));
        auto& branch = p.statements[0].body.front();
        QCOMPARE(int(branch.kind), int(K::If));
        QString text = capture(wording(t), R"(к строке (\w+)\?)")[0];
        if (mistake == "after") {
            p.statements.pop_back();
        } else if (mistake == "order") {
            std::swap(branch.body, branch.otherwise);
            branch.found = {branch.body.front().from};
        }
        if (mistake == "all") {
            // Each command replaces every occurrence at once.
            std::function<void(const std::vector<EditorProgram::Statement>&)> run =
                [&](const std::vector<EditorProgram::Statement>& ss) {
                    for (const auto& s : ss) {
                        if (s.kind == K::Replace)
                            text.replace(s.from, s.to);
                        else if (s.kind == K::While)
                            while (holds(s, text))
                                run(s.body);
                        else
                            run(holds(s, text) ? s.body : s.otherwise);
                    }
                };
            run(p.statements);
        } else {
            int steps = 0;
            runEditor(p.statements, text, steps);
        }
        QCOMPARE(text, options(t)[option - 1]);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The answer a correct solution types is the first accepted string; the
// other is the same letters in the other case (B4 has its capital first).
void TestT2008_6::part2() {
    QFETCH(QString, id);
    const auto& accepted = t2008_6->key().part2[size_t(zut::taskNumber(id) - 1)];
    try {
        const QString answer = part2Solvers.at(id)(task(id));
        QCOMPARE(answer, QString::fromUtf16(accepted[0]));
        if (accepted[1]) {
            const QString other = QString::fromUtf16(accepted[1]);
            QVERIFY(other != answer);
            QCOMPARE(other, answer == answer.toUpper() ? answer.toLower() : answer.toUpper());
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Without any one of the three forecasts B4 has more than one order of the
// teams, so each of them is needed; and the first place is a team nobody
// named.
void TestT2008_6::oneFirstPlaceInB4() {
    try {
        const QString all = oneLine(fieldText(task("B4"), "Memo8"));
        const auto said = forecasts(all);
        QCOMPARE(said.size(), size_t(3));
        for (size_t left = 0; left < said.size(); ++left) {
            auto fewer = said;
            fewer.erase(fewer.begin() + qsizetype(left));
            QVERIFY(fittingOrders("АБВГ", fewer).size() > 1);
        }
        const QString first = solveB4(task("B4"));
        for (const Forecast& f : said)
            QVERIFY(f.team1 != first[0] && f.team2 != first[0]);
        QVERIFY(all.contains(QString("Про команду %1 не говорил никто").arg(first)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// At every point of the grid each listing answers rightly or prints
// nothing; it prints nothing exactly above the parabola, and never inside.
void TestT2008_6::listingFault() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0, in = 0;
    try {
        const QString source = ::listing(listing);
        for (const auto& [x, y] : grid()) {
            const QString out = printed(language, source, x, y);
            const bool above = y > parabolaTop() - x * x;
            const QString where = QString("(%1; %2): %3").arg(x).arg(y).arg(out);
            if (above) {
                QVERIFY2(out.isEmpty(), qPrintable(where));
                ++silent;
            } else {
                QVERIFY2(out == (inside(x, y) ? "да" : "нет"), qPrintable(where));
                in += inside(x, y);
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
    QVERIFY(in > 0);
}

// Taking out the superfluous part of the inner condition changes nothing
// the listing prints.
void TestT2008_6::superfluousCheck() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutSuperfluous(listing);
        QVERIFY(shorter.size() < ::listing(listing).size());
        for (const auto& [x, y] : grid())
            QCOMPARE(printed(language, shorter, x, y), printed(language, ::listing(listing), x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the solution gives answers rightly at every point of the grid.
void TestT2008_6::fixOfTheSolution() {
    QFETCH(int, listing);
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString fixed = fixedListing(listing);
        for (const auto& [x, y] : grid())
            QCOMPARE(printed(language, fixed, x, y), QString(inside(x, y) ? "да" : "нет"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and both
// listings print nothing for it.
void TestT2008_6::faultExampleOfTheSolution() {
    try {
        const QStringList m =
            capture(task("С1").solution, R"(x = (−?\d+(?:,\d+)?), y = (−?\d+(?:,\d+)?))");
        const double x = QString(m[0]).replace(QChar(0x2212), '-').replace(',', '.').toDouble();
        const double y = QString(m[1]).replace(QChar(0x2212), '-').replace(',', '.').toDouble();
        QVERIFY(!inside(x, y));
        for (size_t i = 0; i < 2; ++i)
            QCOMPARE(printed(listingLanguages[i], listing(int(i)), x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3 played out: the winner the solution names wins from the start; the
// heaps it leaves after the loser's first step lose for the mover, and
// from every position it names the winner finishes at once.
void TestT2008_6::gameStrategy() {
    try {
        const Game g = game();
        TwoHeaps play(g.goal);
        QVERIFY(!play.ends(g.first, g.second));
        const QString winner = play.moverWins(g.first, g.second) ? g.starts : g.answers;
        const QString solution = oneLine(task("С3").solution);
        QVERIFY2(solution.startsWith("Выигрывает " + winner + "."), qPrintable(solution));
        // Every first move of the loser has an answer that wins.
        for (const auto& [a, b] : TwoHeaps::moves(g.first, g.second)) {
            QVERIFY(!play.ends(a, b));
            QVERIFY(play.moverWins(a, b));
        }
        const auto reply = heaps(capture(solution, R"(делает кучки (\d+ и \d+))")[0]);
        QCOMPARE(reply.size(), size_t(1));
        QVERIFY(!play.ends(reply[0].first, reply[0].second));
        QVERIFY(!play.moverWins(reply[0].first, reply[0].second));
        const auto then = heaps(capture(solution, R"(позиции (.+?)\. )")[0]);
        QCOMPARE(then.size(), size_t(4));
        for (const auto& [a, b] : TwoHeaps::moves(reply[0].first, reply[0].second)) {
            QVERIFY(std::find(then.begin(), then.end(), std::make_pair(a, b)) != then.end());
            QVERIFY(!play.ends(a, b));
            QVERIFY(play.winsAtOnce(a, b));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_6::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// B7's fragments are labelled А … З and B8's queries А … Г in Cyrillic
// capitals, the first of B8's written with the Latin look-alike; every
// letter of the key is a label's.
void TestT2008_6::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels = answerLabels(t);
    if (id == "B8") {
        QCOMPARE(labels.value(0), QString("A"));
        labels[0] = typedQueryLabel(labels[0]);
    }
    QCOMPARE(labels.join(""), lettersFrom(u'А', id == "B7" ? 8 : 4));
    const QString key =
        QString::fromUtf16(t2008_6->key().part2[size_t(zut::taskNumber(id) - 1)][0]).toUpper();
    QCOMPARE(key.size(), labels.size());
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

// Every read-only field shows all its lines within its width, no line
// cut off at the right edge.
void TestT2008_6::fieldsShowTheirLines() {
    int checked = 0;
    for (zut::TextField* f : t2008_6->page()->widget()->findChildren<zut::TextField*>()) {
        if (!f->isReadOnly())
            continue; // the heading
        const QStringList lines = f->toPlainText().split('\n');
        QCOMPARE(lines.size(), f->property("lines").toInt());
        const QFontMetrics fm(f->font());
        const int room =
            f->width() - 2 * f->frameWidth() - 2 * int(f->document()->documentMargin());
        for (const QString& line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= room,
                     qPrintable(QString("%1: \"%2\" is %3 px in %4")
                                    .arg(f->objectName(), line)
                                    .arg(fm.horizontalAdvance(line))
                                    .arg(room)));
        ++checked;
    }
    QCOMPARE(checked, readOnlyFields());
}

ZUT_TEST_MAIN(TestT2008_6)
#include "tst_t2008_6.moc"
