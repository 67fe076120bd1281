// The content of the 2008 paper, variant 1: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// paper marked through its window with the answers found.
#include "testmain.h"

#include "papertest.h"

#include "check/bases.h"
#include "check/codes.h"
#include "check/error.h"
#include "check/executor.h"
#include "check/flowchart.h"
#include "check/interpret.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>

namespace {

namespace ck = zut::check;
using zut::Element;
using Kind = zut::Element::Kind;

// A task's data that a solver cannot read: the test fails with the reason.
struct Missing : std::runtime_error {
    explicit Missing(const QString& what)
        : std::runtime_error(what.toStdString()) {}
};
void need(bool ok, const QString& what) {
    if (!ok)
        throw Missing(what);
}

// Patterns read Cyrillic words as words.
QRegularExpression
rx(const QString& pattern,
   QRegularExpression::PatternOptions more = QRegularExpression::NoPatternOption) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption | more);
}

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_1.yaml");
    return c;
}

const zut::TaskContent& task(const QString& id) {
    for (const zut::TaskContent& t : content().tasks)
        if (t.id == id)
            return t;
    throw Missing("no task " + id);
}

// The task's elements in page order, the elements of rows in their place.
std::vector<const Element*> elements(const zut::TaskContent& t) {
    std::vector<const Element*> all;
    std::function<void(const std::vector<Element>&)> walk = [&](const std::vector<Element>& es) {
        for (const Element& e : es) {
            all.push_back(&e);
            walk(e.children);
        }
    };
    walk(t.elements);
    return all;
}

// The wording: the task's text labels joined, with index labels written
// as a base after an underscore ("57{_8}" reads "57_8").
QString wording(const zut::TaskContent& t) {
    static const QRegularExpression index = rx(R"(\{_(\w+)\})");
    QStringList texts;
    for (const Element* e : elements(t))
        if (e->kind == Kind::Text)
            texts << e->text;
    return texts.join(' ').replace(index, "_\\1");
}

QStringList options(const zut::TaskContent& t) {
    for (const Element* e : elements(t))
        if (e->kind == Kind::Answers)
            return e->items;
    throw Missing(t.id + " has no answers");
}

const Element& picture(const zut::TaskContent& t, int n = 0) {
    for (const Element* e : elements(t))
        if (e->kind == Kind::Picture && n-- == 0)
            return *e;
    throw Missing(t.id + " has no such picture");
}

QString fieldText(const zut::TaskContent& t, const QString& name) {
    for (const Element* e : elements(t))
        if (e->kind == Kind::Field && e->name == name)
            return e->text;
    throw Missing(t.id + " has no field " + name);
}

// The first match of `pattern` in `text`, all its groups.
QStringList capture(const QString& text, const QString& pattern) {
    const auto m = rx(pattern).match(text);
    need(m.hasMatch(), QString("no \"%1\" in \"%2\"").arg(pattern, text));
    return m.capturedTexts().mid(1);
}
qint64 number(const QString& text) {
    QString s = text;
    s.replace(QChar(0x2212), '-').remove(' ');
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    need(ok, "not a whole number: " + text);
    return v;
}

// The words of the paper for numbers and ordinals that the tasks use.
int numeral(const QString& word) {
    static const std::map<QString, int> words = {
        {"двоичной", 2}, {"восьмеричной", 8}, {"шестнадцатеричной", 16},
        {"пяти", 5},     {"шести", 6},        {"первая", 1},
        {"вторая", 2},   {"третья", 3},       {"четвёртая", 4},
        {"пятой", 5},    {"шестой", 6},       {"седьмой", 7},
        {"восьмой", 8}};
    need(words.contains(word), "unknown numeral " + word);
    return words.at(word);
}

// A volume written in an answer ("60 байт", "12,5 Кбайт"), in bits.
double bits(const QString& option) {
    const QStringList m = capture(option, R"(^(\d+(?:,\d+)?) (бит|байт|байта|Кбайт)$)");
    const double v = QString(m[0]).replace(',', '.').toDouble();
    return m[1] == "бит" ? v : m[1] == "Кбайт" ? v * 8192 : v * 8;
}

QVariantList list(const QVariant& v) {
    return v.toList();
}

// ---- Part 1 --------------------------------------------------------------

// A solver reads a task and says of each option (number 1 … 4 and text)
// whether it is right.
using Verdict = std::function<bool(int, const QString&)>;
using Solver = Verdict (*)(const zut::TaskContent&);

Verdict equalTo(double value, double (*read)(const QString&)) {
    return [value, read](int, const QString& o) { return read(o) == value; };
}
double asNumber(const QString& o) {
    return double(number(o));
}

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString phrase = capture(w, "«([^»]+)»")[0];
    const qint64 per = number(capture(w, R"(занимает (\d+) бит)")[0]);
    return equalTo(double(ck::textBits(phrase, per)), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 states = w.count("«");
    need(states == w.count("»"), "unbalanced quotes");
    const qint64 wanted = number(capture(w, R"((\d+) различных сигналов)")[0]);
    return equalTo(ck::leastCodeLength(states, wanted), asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList range = capture(w, R"(от (\d+) до (\d+))");
    const qint64 values = number(range[1]) - number(range[0]) + 1;
    const qint64 count = number(capture(w, R"((\d+) таких измерений)")[0]);
    return equalTo(double(ck::messageBits(count, values)), bits);
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\d+) в (\w+) системе)");
    const QString digits = ck::toBase(number(m[0]), numeral(m[1]));
    return [digits](int, const QString& o) { return o == digits; };
}

// An option written with its base ("1101001_2").
std::pair<QString, int> based(const QString& o) {
    const QStringList m = capture(o, R"(^(\w+)_(\d+)$)");
    return {m[0], int(number(m[1]))};
}
QString optionText(const QString& item) {
    return QString(item).replace(rx(R"(\{_(\w+)\})"), "_\\1");
}

Verdict solveA5(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(сумма чисел (\w+_\d+) и (\w+_\d+))");
    const qint64 sum = ck::evaluateBased(m[0] + " + " + m[1]);
    return [sum](int, const QString& o) {
        const auto [digits, base] = based(optionText(o));
        return ck::fromBase(digits, base) == sum && ck::toBase(sum, base) == digits;
    };
}

// The picture's flowchart in the list form the solver reads.
QVariantList flowList(const QVariantList& steps) {
    QVariantList out;
    for (const QVariant& s : steps) {
        const QVariantMap m = s.toMap();
        if (m.contains("start"))
            out << QString("начало");
        else if (m.contains("end"))
            out << QString("конец");
        else if (m.contains("do"))
            out << m["do"].toString();
        else if (m.contains("input"))
            out << "ввод " + m["input"].toString();
        else if (m.contains("output"))
            out << "вывод " + m["output"].toString();
        else if (m.contains("if"))
            out << QVariant(QVariantList{"если " + m["if"].toString(), flowList(list(m["then"])),
                                         flowList(list(m["else"]))});
        else if (m.contains("while"))
            out << QVariant(
                QVariantList{"пока " + m["while"].toString(), flowList(list(m["body"]))});
        else
            throw Missing("a flowchart step of no known kind");
    }
    return out;
}

Verdict solveA6(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(переменной (\w+))")[0];
    const auto chart = ck::flowchartFromList(flowList(list(picture(t).draw.toMap()["flowchart"])));
    const auto run = ck::runFlowchart(chart);
    need(run.variables.contains(name), "the flowchart leaves no " + name);
    return equalTo(double(run.variables.at(name)), asNumber);
}

// The three columns of the drawn А7 table, each its cells from top to
// bottom under the heading row.
std::vector<QString> tableColumns(const Element& table) {
    std::vector<int> edges = table.columnRules;
    edges.insert(edges.begin(), 0);
    edges.push_back(table.frame.width());
    std::vector<std::vector<const Element::Cell*>> columns(edges.size() - 1);
    const int headingBottom = table.rowRules.empty() ? 0 : table.rowRules.front();
    for (const Element::Cell& c : table.cells)
        for (size_t i = 0; i + 1 < edges.size(); ++i)
            if (c.at.x() >= edges[i] && c.at.x() < edges[i + 1] && c.at.y() > headingBottom)
                columns[i].push_back(&c);
    std::vector<QString> out;
    for (auto& cells : columns) {
        std::sort(cells.begin(), cells.end(),
                  [](auto* a, auto* b) { return a->at.y() < b->at.y(); });
        QStringList lines;
        for (auto* c : cells)
            lines << c->text;
        out.push_back(lines.join('\n'));
    }
    return out;
}

const std::vector<ck::Language> threeLanguages = {ck::Language::Basic, ck::Language::Pascal,
                                                  ck::Language::Algorithmic};

ck::Comparison runThree(const std::vector<QString>& fragments) {
    need(fragments.size() == 3, "not three fragments");
    std::vector<std::pair<ck::Language, QString>> runs;
    for (size_t i = 0; i < 3; ++i)
        runs.push_back({threeLanguages[i], fragments[i]});
    const ck::Comparison c = ck::runAll(runs);
    need(c.agree(), "the three languages disagree: " + c.differences.join("; "));
    return c;
}

const Element& element(const zut::TaskContent& t, Kind kind) {
    for (const Element* e : elements(t))
        if (e->kind == kind)
            return *e;
    throw Missing(t.id + " lacks an element of the kind asked for");
}

Verdict solveA7(const zut::TaskContent& t) {
    const Element& table = element(t, Kind::Table);
    const std::vector<QString> fragments = tableColumns(table);
    const ck::RunResult r = runThree(fragments).results.front();
    const qint64 a = r.integer("a"), b = r.integer("b");
    return [a, b](int, const QString& o) {
        const QStringList m = capture(o, R"(^a = (-?\d+), b = (-?\d+)$)");
        return number(m[0]) == a && number(m[1]) == b;
    };
}

Verdict solveA8(const zut::TaskContent& t) {
    const Element& programs = element(t, Kind::Programs);
    std::vector<QString> fragments;
    for (const Element& c : programs.columns)
        fragments.push_back(c.text);
    const qint64 index = number(capture(wording(t), R"(с индексом (\d+))")[0]);
    const qint64 value = runThree(fragments).results.front().element("A", index);
    return equalTo(double(value), asNumber);
}

// A formula as a label stores it: "&&" is the conjunction.
QString formulaAfter(const QString& w, const QString& words) {
    return capture(w, words + R"( (.+)\?$)")[0];
}

Verdict solveA9(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(formulaAfter(wording(t), "высказывание"), {"X"});
    return [f](int, const QString& o) { return ck::evaluateAt(f, number(o)); };
}

Verdict solveA10(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(formulaAfter(wording(t), "выражению"));
    return [f](int, const QString& o) { return ck::equivalent(f, ck::Formula::parse(o)); };
}

Verdict solveA11(const zut::TaskContent& t) {
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    QStringList head = table["head"].toStringList();
    need(head.size() >= 2 && head.last() == "F", "the table's last column is not F");
    head.removeLast();
    QStringList rows;
    for (const QVariant& r : list(table["rows"]))
        rows << r.toStringList().join("");
    return [head, rows](int, const QString& o) {
        return ck::fitsTableFragment(ck::Formula::parse(o), head, rows);
    };
}

double minutes(const QString& o) {
    const QStringList m = capture(o, R"(^(\d+) ч (\d+) мин$)");
    return double(number(m[0]) * 60 + number(m[1]));
}

Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    QList<qint64> lengths, speeds;
    for (const auto& m : rx(R"(длиной (\d+) км)").globalMatch(w))
        lengths << number(m.captured(1));
    for (const auto& m : rx(R"(скоростью (\d+) км/ч)").globalMatch(w))
        speeds << number(m.captured(1));
    need(!lengths.isEmpty() && lengths.size() == speeds.size(), "lengths and speeds do not pair");
    double total = double(number(capture(w, R"(стоит (\d+) минут)")[0]));
    for (qsizetype i = 0; i < lengths.size(); ++i)
        total += 60.0 * double(lengths[i]) / double(speeds[i]);
    return equalTo(total, minutes);
}

Verdict solveA13(const zut::TaskContent& t) {
    const QString w = wording(t);
    std::map<QChar, QString> codes;
    for (const auto& m : rx(R"(([А-ЯЁ]) — ([01]+))").globalMatch(w))
        codes[m.captured(1)[0]] = m.captured(2);
    need(codes.size() == 4, "not four letter codes");
    const QString word = capture(w, R"(слово ([А-ЯЁ]+))")[0];
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString digits = ck::convertDigits(ck::encode(word, codes), 2, base);
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

// The rules of А14 as the test reads them, each by its line in Memo1.
const std::map<QString, std::function<bool(const QString&)>> beadRules = {
    {"1) в цепочке четыре бусины;", [](const QString& s) { return s.size() == 4; }},
    {"2) первая и последняя бусины одного цвета;",
     [](const QString& s) { return !s.isEmpty() && s.front() == s.back(); }},
    {"3) соседние бусины разного цвета;",
     [](const QString& s) {
         for (qsizetype i = 1; i < s.size(); ++i)
             if (s[i] == s[i - 1])
                 return false;
         return true;
     }},
    {"4) жёлтых бусин в цепочке не больше одной.",
     [](const QString& s) { return s.count(u'Ж') <= 1; }},
};

Verdict solveA14(const zut::TaskContent& t) {
    QString colours;
    for (const auto& m : rx(R"(\(([А-ЯЁ])\))").globalMatch(wording(t)))
        colours += m.captured(1);
    need(colours.size() == 4, "not four colours");
    const QStringList rules = fieldText(t, "Memo1").split('\n');
    for (const QString& r : rules)
        need(beadRules.contains(r), "a rule the test does not know: " + r);
    return [colours, rules](int, const QString& o) {
        for (QChar c : o)
            if (!colours.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return beadRules.at(r)(o); });
    };
}

// A file-name mask: '?' one character, '*' any run of them.
bool matches(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == u'*')
        return matches(mask.mid(1), name) || (!name.isEmpty() && matches(mask, name.mid(1)));
    return !name.isEmpty() && (mask.front() == u'?' || mask.front() == name.front()) &&
           matches(mask.mid(1), name.mid(1));
}

Verdict solveA15(const zut::TaskContent& t) {
    QString mask;
    for (const auto& m : rx("«([^»]+)»").globalMatch(wording(t)))
        mask = m.captured(1); // the last quoted: the first two are the signs explained
    need(mask.size() > 1, "no mask");
    return [mask](int, const QString& o) { return matches(mask, o); };
}

Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    QString condition = capture(wording(t), R"(условию (.+)\?$)")[0];
    condition.replace(" ИЛИ ", " ∨ ").replace(" И ", " ∧ ");
    const QStringList numeric = head.mid(1);
    const auto f = ck::Formula::parse(condition, numeric);
    qint64 count = 0;
    for (const QVariant& r : list(table["rows"])) {
        const QStringList cells = r.toStringList();
        std::map<QString, qint64> values;
        for (qsizetype i = 1; i < head.size(); ++i)
            values[head[i]] = number(cells[i]);
        count += f.evaluate({}, values) ? 1 : 0;
    }
    return equalTo(double(count), asNumber);
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) на (\d+) пикселей)");
    const qint64 colours = number(capture(w, R"(палитрой из (\d+) цветов)")[0]);
    return equalTo(double(ck::rasterBits(number(size[0]), number(size[1]), colours)), bits);
}

// The cells of a spreadsheet picture, by their names.
std::map<QString, QString> sheet(const Element& picture) {
    const QVariantMap s = picture.draw.toMap()["spreadsheet"].toMap();
    const QStringList columns = s["columns"].toStringList();
    int row = s.value("first-row", 1).toInt();
    std::map<QString, QString> cells;
    for (const QVariant& r : list(s["rows"])) {
        const QStringList values = r.toStringList();
        need(values.size() == columns.size(), "a row of the wrong length");
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (!values[c].isEmpty())
                cells[columns[c] + QString::number(row)] = values[c];
        ++row;
    }
    return cells;
}

Verdict solveA18(const zut::TaskContent& t) {
    const QString cell = capture(wording(t), R"(ячейки ([A-Z]+\d+))")[0];
    return equalTo(ck::cellValue(sheet(picture(t)), cell), asNumber);
}

Verdict solveA19(const zut::TaskContent& t) {
    const QStringList range = capture(wording(t), R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not a row");
    const auto values = ck::evaluateSheet(sheet(picture(t)));
    std::vector<double> wanted;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1))
        wanted.push_back(values.at(c + range[1]));
    // Each diagram after the label with its number.
    std::map<int, std::vector<double>> diagrams;
    int label = 0;
    for (const Element* e : elements(t)) {
        if (e->kind == Kind::Text && rx(R"(^\d\)$)").match(e->text).hasMatch())
            label = e->text.left(1).toInt();
        if (e->kind == Kind::Picture && e->draw.toMap().contains("chart")) {
            need(label > 0 && !diagrams.contains(label), "a diagram without its own number");
            for (const QVariant& v : list(e->draw.toMap()["chart"].toMap()["values"]))
                diagrams[label].push_back(v.toDouble());
        }
    }
    need(diagrams.size() == 4, "not four diagrams");
    return [diagrams, wanted](int k, const QString& o) {
        return numeral(o) == k && diagrams.at(k) == wanted;
    };
}

// Робот on its field: the cells marked ■ are walls.
struct Field {
    QStringList columns;
    QStringList rows;
    std::set<std::pair<int, int>> walls; // (row, column) from 0
    bool free(int r, int c) const {
        return r >= 0 && c >= 0 && r < rows.size() && c < columns.size() && !walls.contains({r, c});
    }
};

Field robotField(const Element& picture) {
    const QVariantMap table = picture.draw.toMap()["table"].toMap();
    Field f;
    f.columns = table["head"].toStringList().mid(1);
    const QVariantList rows = list(table["rows"]);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].toStringList();
        need(cells.size() == f.columns.size() + 1, "a field row of the wrong length");
        f.rows << cells[0];
        for (qsizetype c = 1; c < cells.size(); ++c) {
            need(cells[c].isEmpty() || cells[c] == "■", "a field cell is neither free nor wall");
            if (cells[c] == "■")
                f.walls.insert({int(r), int(c - 1)});
        }
    }
    return f;
}

// Runs the program; returns the cell where Робот stops, or empty when it
// breaks against a wall.
QString runRobot(const Field& f, const QString& start, const QStringList& program) {
    static const std::map<QString, std::pair<int, int>> moves = {
        {"вверх", {-1, 0}}, {"вниз", {1, 0}}, {"влево", {0, -1}}, {"вправо", {0, 1}}};
    static const std::map<QString, QString> sides = {
        {"сверху", "вверх"}, {"снизу", "вниз"}, {"слева", "влево"}, {"справа", "вправо"}};
    int c = int(f.columns.indexOf(start.left(1)));
    int r = int(f.rows.indexOf(start.mid(1)));
    need(c >= 0 && r >= 0 && f.free(r, c), "Робот starts on no free cell");
    need(program.value(0) == "НАЧАЛО" && program.value(program.size() - 1) == "КОНЕЦ",
         "the program is not framed by НАЧАЛО and КОНЕЦ");
    static const QRegularExpression loop = rx(R"(^ПОКА < (\w+) свободно > (\w+)$)");
    for (const QString& line : program.mid(1, program.size() - 2)) {
        if (moves.contains(line)) {
            const auto [dr, dc] = moves.at(line);
            if (!f.free(r + dr, c + dc))
                return {};
            r += dr;
            c += dc;
            continue;
        }
        const auto m = loop.match(line);
        need(m.hasMatch() && sides.contains(m.captured(1)) && moves.contains(m.captured(2)),
             "a line Робот does not know: " + line);
        const auto [cr, cc] = moves.at(sides.at(m.captured(1)));
        const auto [dr, dc] = moves.at(m.captured(2));
        for (int turns = 0; f.free(r + cr, c + cc); ++turns) {
            need(turns < 100, "the loop does not end");
            if (!f.free(r + dr, c + dc))
                return {};
            r += dr;
            c += dc;
        }
    }
    return f.columns[c] + f.rows[r];
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString start = capture(wording(t), R"(находится в клетке ([a-z]\d))")[0];
    const QString end = runRobot(robotField(picture(t)), start, fieldText(t, "Memo2").split('\n'));
    need(!end.isEmpty(), "Робот breaks");
    return [end](int, const QString& o) { return o == end; };
}

const std::map<QString, Solver> part1Solvers = {
    {"А1", solveA1},   {"А2", solveA2},   {"А3", solveA3},   {"А4", solveA4},   {"А5", solveA5},
    {"А6", solveA6},   {"А7", solveA7},   {"А8", solveA8},   {"А9", solveA9},   {"А10", solveA10},
    {"А11", solveA11}, {"А12", solveA12}, {"А13", solveA13}, {"А14", solveA14}, {"А15", solveA15},
    {"А16", solveA16}, {"А17", solveA17}, {"А18", solveA18}, {"А19", solveA19}, {"А20", solveA20},
};

// The options a solver finds right, 1 … 4.
QList<int> rightOptions(const QString& id) {
    const zut::TaskContent& t = task(id);
    const Verdict right = part1Solvers.at(id)(t);
    const QStringList o = options(t);
    QList<int> found;
    for (int k = 1; k <= 4; ++k)
        if (right(k, o[k - 1]))
            found << k;
    return found;
}

// ---- Part 2 --------------------------------------------------------------

QString oneLine(const QString& text) {
    return QString(text).replace('\n', ' ');
}

QString solveB1(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(числа (\d+) оканчивается цифрой (\d))");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const auto f = ck::Formula::parse(capture(w, R"(уравнение (.+) = 1,)")[0]);
    const QStringList names = capture(w, R"(где (.+) — логические)")[0].split(", ");
    return QString::number(ck::countSolutions(f, names));
}

QString solveB3(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo7");
    QStringList commands;
    for (const auto& m :
         rx(R"(^(\d)\. (.+)$)", QRegularExpression::MultilineOption).globalMatch(text))
        commands << m.captured(1) + ": " + m.captured(2);
    const QStringList parsed = ck::parseCommands(commands.join("; "));
    need(parsed.size() == 2, "not two commands");
    const QString all = oneLine(text);
    // The example in the wording must be right too.
    const QStringList example =
        capture(all, R"(программа (\d+) преобразует число (\d+) в число (\d+))");
    need(ck::runCommands(parsed, number(example[1]), example[0]) == number(example[2]),
         "the example program is wrong");
    const QStringList task = capture(
        all,
        R"(Запишите программу, которая преобразует число (\d+) в число (\d+) и содержит не более (\w+) команд)");
    const QStringList programs =
        ck::programsFor(parsed, number(task[0]), number(task[1]), numeral(task[2]));
    need(programs.size() == 1, "not exactly one program: " + programs.join(' '));
    return programs.front();
}

QString solveB4(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo8");
    const QString all = oneLine(text);
    QStringList names = capture(all, R"(— (\S+), (\S+), (\S+) и (\S+) —)");
    static const std::map<QString, int> ordinals = {
        {"перв", 1}, {"втор", 2}, {"трет", 3}, {"четв", 4}};
    // Each guess: two halves, each a name and a place.
    std::vector<std::vector<std::pair<int, int>>> guesses;
    for (const auto& m :
         rx(R"(^\d\) (.+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, place = 0;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n]))
                    who = int(n);
            for (const auto& [stem, p] : ordinals)
                if (half.contains(stem))
                    place = p;
            need(who >= 0 && place > 0, "a half guess the test cannot read: " + half);
            halves.push_back({who, place});
        }
        need(halves.size() == 2, "a guess not of two halves");
        guesses.push_back(halves);
    }
    need(guesses.size() == 3, "not three guesses");
    std::vector<int> places = {1, 2, 3, 4};
    QStringList solutions;
    do {
        const bool fits = std::all_of(guesses.begin(), guesses.end(), [&](const auto& g) {
            return (places[g[0].first] == g[0].second) + (places[g[1].first] == g[1].second) == 1;
        });
        if (fits) {
            QString s;
            // In the order the answer asks for: the names by their first two letters.
            const QStringList order = capture(all, R"(номера мест (\S+), (\S+), (\S+) и (\S+) —)");
            for (const QString& o : order)
                for (qsizetype n = 0; n < names.size(); ++n)
                    if (names[n].left(2) == o.left(2))
                        s += QString::number(places[size_t(n)]);
            solutions << s;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 rate = number(capture(w, R"(скоростью ([\d ]+) бит/с)")[0]);
    const QStringList time = capture(w, R"((\d+) минуту? (\d+) секунд)");
    const double seconds = double(number(time[0]) * 60 + number(time[1]));
    need(w.contains("в килобайтах"), "the size is asked in another unit");
    const double size = ck::transferSize(double(rate), ck::Unit::Bit, seconds, ck::Unit::Kbyte);
    need(size == std::floor(size), "the size is not whole");
    return QString::number(qint64(size));
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString rule = "{s}{s}{n}"; // twice the one before, then the new number
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        const int n = numeral(m.captured(1));
        need(ck::buildString("1", rule, n) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const int n = numeral(capture(text, R"(цифр в (\w+) цепочке)")[0]);
    return QString::number(ck::builtLength("1", rule, n));
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString file = capture(w, R"(Файл ([\w.]+) лежит)")[0];
    const QString server = capture(w, R"(сервере ([\w.]+),)")[0];
    const QString protocol = capture(w, R"(протоколу (\w+)\.)")[0];
    const QString address = protocol + "://" + server + "/" + file;
    std::vector<std::pair<QString, QString>> fragments;
    for (const QVariant& r : list(picture(t).draw.toMap()["table"].toMap()["rows"]))
        fragments.push_back({r.toStringList()[0], r.toStringList()[1]});
    std::vector<size_t> order(fragments.size());
    std::iota(order.begin(), order.end(), 0);
    QStringList found;
    do {
        QString a, letters;
        for (size_t i : order) {
            a += fragments[i].second;
            letters += fragments[i].first;
        }
        if (a == address)
            found << letters;
    } while (std::next_permutation(order.begin(), order.end()));
    need(found.size() == 1, "not exactly one way to make " + address + ": " + found.join(' '));
    return found.front().toLower();
}

QString solveB8(const zut::TaskContent& t) {
    QStringList labels, queries;
    for (const Element& e : t.elements)
        if (e.kind == Kind::Row) {
            need(e.children.size() == 2, "a query row is a label and a query");
            labels << e.children[0].text;
            queries << e.children[1].text;
        }
    need(labels.size() == 4, "not four queries");
    const bool ascending = wording(t).contains("порядке возрастания");
    need(ascending || wording(t).contains("порядке убывания"), "no order asked for");
    return ck::orderByInclusion(labels, queries, ascending).toLower();
}

using Part2Solver = QString (*)(const zut::TaskContent&);
const std::map<QString, Part2Solver> part2Solvers = {
    {"B1", solveB1}, {"B2", solveB2}, {"B3", solveB3}, {"B4", solveB4},
    {"B5", solveB5}, {"B6", solveB6}, {"B7", solveB7}, {"B8", solveB8},
};

// ---- С1 ------------------------------------------------------------------

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic,
                                                    ck::Language::C};

// What a listing prints for the point (x, y), as one string.
QString printed(ck::Language language, const QString& listing, double x, double y) {
    ck::RunOptions o;
    o.input = {QString::number(x), QString::number(y)};
    return ck::run(language, listing, o).output.join('\n').trimmed();
}

// The lines of each listing that make its check of y <= 3: the check, its
// "else" and what that branch prints (in Basic also one END IF).
const std::vector<QStringList> checkLines = {
    {"if y <= 3 then", "else", "writeln('не принадлежит')"},
    {"IF y <= 3 THEN", "ELSE", "PRINT \"не принадлежит\"", "END IF"},
    {"if (y <= 3)", "else", "printf(\"не принадлежит\\n\");"},
};

// The listing with those lines taken out, each the first line that reads so.
QString withoutCheck(const QString& listing, const QStringList& remove) {
    QStringList lines = listing.split('\n');
    for (const QString& r : remove) {
        const auto at = std::find_if(lines.begin(), lines.end(),
                                     [&](const QString& l) { return l.trimmed() == r; });
        need(at != lines.end(), "no line " + r);
        lines.erase(at);
    }
    return lines.join('\n');
}

bool inside(double x, double y) {
    return x >= 0 && y >= 0 && x * x + y * y <= 9;
}

} // namespace

class TestT2008_1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data();
    void part1();
    void part1OptionsDistinct_data() { part1_data(); }
    void part1OptionsDistinct();
    void part2_data();
    void part2();
    void listingsShareTheirFault_data();
    void listingsShareTheirFault();
    void superfluousCheck_data() { listingsShareTheirFault_data(); }
    void superfluousCheck();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void noMixedScriptWords();
    void markedThroughTheWindow();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestT2008_1::part1_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 20; ++n) {
        const QString id = QString("А%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// Exactly the keyed option is right, by the task's own data.
void TestT2008_1::part1() {
    QFETCH(QString, id);
    try {
        const QList<int> right = rightOptions(id);
        QCOMPARE(right, QList<int>{t2008_1->key().part1[size_t(zut::taskNumber(id) - 1)]});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_1::part1OptionsDistinct() {
    QFETCH(QString, id);
    QStringList o = options(task(id));
    QCOMPARE(o.size(), 4);
    o.removeDuplicates();
    QCOMPARE(o.size(), 4);
}

void TestT2008_1::part2_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 8; ++n) {
        const QString id = QString("B%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// The answer a correct solution types is the first accepted string; a
// second one is the same letters in capitals.
void TestT2008_1::part2() {
    QFETCH(QString, id);
    const auto& accepted = t2008_1->key().part2[size_t(zut::taskNumber(id) - 1)];
    try {
        const QString answer = part2Solvers.at(id)(task(id));
        QCOMPARE(answer, QString::fromUtf16(accepted[0]));
        if (accepted[1])
            QCOMPARE(QString::fromUtf16(accepted[1]), answer.toUpper());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_1::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
    QTest::newRow("Си") << 2;
}

// Over a grid of points each listing either answers rightly or prints
// nothing; it prints nothing for some point outside the region, and never
// for one inside.
void TestT2008_1::listingsShareTheirFault() {
    QFETCH(int, listing);
    const Element& listings = element(task("С1"), Kind::Listings);
    const QString source = listings.columns[size_t(listing)].text;
    const auto language = listingLanguages[size_t(listing)];
    int silent = 0;
    try {
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5) {
                const QString out = printed(language, source, x, y);
                const QString expected = inside(x, y) ? "принадлежит" : "не принадлежит";
                if (out.isEmpty() && !inside(x, y))
                    ++silent;
                else
                    QVERIFY2(out == expected,
                             qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(out)));
            }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(silent > 0);
}

// Taking out the check of y <= 3 with its branch, which never runs, changes
// nothing the listing prints.
void TestT2008_1::superfluousCheck() {
    QFETCH(int, listing);
    const Element& listings = element(task("С1"), Kind::Listings);
    const QString source = listings.columns[size_t(listing)].text;
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, checkLines[size_t(listing)]);
        QVERIFY(shorter.count('\n') < source.count('\n'));
        for (double x = -4; x <= 4; x += 0.5)
            for (double y = -4; y <= 4; y += 0.5)
                QCOMPARE(printed(language, shorter, x, y), printed(language, source, x, y));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The point the worked solution gives lies outside the region, and every
// listing prints nothing for it.
void TestT2008_1::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m = capture(t.solution, R"(x = (−?\d+), y = (−?\d+))");
        const double x = double(number(m[0])), y = double(number(m[1]));
        QVERIFY(!inside(x, y));
        const Element& listings = element(t, Kind::Listings);
        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(printed(listingLanguages[i], listings.columns[i].text, x, y), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner.
void TestT2008_1::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камн)")[0]);
        need(w.contains("вдвое"), "the second move is not doubling");
        const qint64 goal = number(capture(w, R"((\d+) камня или больше)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        // wins[n]: the player to move with n stones wins.
        std::vector<bool> wins(size_t(goal), false);
        for (qint64 n = goal - 1; n >= 1; --n)
            for (qint64 next : {n + add, n * 2})
                if (next >= goal || !wins[size_t(next)])
                    wins[size_t(n)] = true;
        const QString winner = wins[size_t(start)] ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_1::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Cyrillic capitals from А on, every
// letter of the key among them.
void TestT2008_1::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    const zut::TaskContent& t = task(id);
    QStringList labels;
    if (id == "B7") {
        for (const QVariant& r : list(picture(t).draw.toMap()["table"].toMap()["rows"]))
            labels << r.toStringList().value(0);
    } else {
        for (const Element& e : t.elements)
            if (e.kind == Kind::Row)
                labels << e.children[0].text;
    }
    QString expected;
    for (qsizetype i = 0; i < labels.size(); ++i)
        expected += QChar(char16_t(0x0410 + i)); // А, Б, В, …
    QCOMPARE(labels.join(""), expected);
    const QString key =
        QString::fromUtf16(t2008_1->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

// No word of the paper mixes Cyrillic and Latin letters (a look-alike
// typed in the wrong alphabet).
void TestT2008_1::noMixedScriptWords() {
    QStringList texts;
    std::function<void(const std::vector<Element>&)> walk = [&](const std::vector<Element>& es) {
        for (const Element& e : es) {
            texts << e.text << e.items;
            for (const Element::Cell& c : e.cells)
                texts << c.text;
            walk(e.columns);
            walk(e.children);
        }
    };
    for (const zut::TaskContent& t : content().tasks)
        walk(t.elements);
    static const QRegularExpression word = rx(R"(\w+)");
    for (const QString& text : texts)
        for (const auto& m : word.globalMatch(text)) {
            const QString w = m.captured();
            bool cyrillic = false, latin = false;
            for (QChar c : w) {
                cyrillic = cyrillic || (c.script() == QChar::Script_Cyrillic);
                latin = latin || (c.script() == QChar::Script_Latin);
            }
            QVERIFY2(!(cyrillic && latin), qPrintable(w));
        }
}

// The answers found above, clicked and typed into the window, are all
// marked right.
void TestT2008_1::markedThroughTheWindow() {
    zut::Paper* p = t2008_1;
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(p));
    try {
        for (int n = 1; n <= 20; ++n) {
            const QList<int> right = rightOptions(QString("А%1").arg(n));
            QCOMPARE(right.size(), 1);
            QTest::mouseClick(option(p, n, right.front()), Qt::LeftButton, {}, QPoint(7, 8));
        }
        for (int n = 1; n <= 8; ++n) {
            const QString id = QString("B%1").arg(n);
            type(answerField(p, n), part2Solvers.at(id)(task(id)));
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    for (int i = 1; i <= 28; ++i)
        QCOMPARE(verdict(p, i)->text(), zut::verdictCorrect);
    QCOMPARE(child<QLabel>(p, "rezult")->text(), zut::resultText(28));
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), QString("5 (отлично)"));
}

ZUT_TEST_MAIN(TestT2008_1)
#include "tst_t2008_1.moc"
