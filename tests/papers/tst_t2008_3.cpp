// The content of the 2008 paper, variant 3: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// game of С3 played out; the paper marked through its window with the
// answers found.
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
#include "check/routes.h"
#include "check/spreadsheet.h"
#include "check/strings.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
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
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_3.yaml");
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
        {"один", 1},     {"два", 2},          {"три", 3},
        {"пяти", 5},     {"первая", 1},       {"вторая", 2},
        {"третья", 3},   {"четвёртая", 4},    {"пятой", 5}};
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
    const QStringList m = capture(
        wording(t),
        R"(содержит (\d+) страниц, на каждой странице (\d+) строки, в каждой строке (\d+) символа\. Каждый символ кодируется (\d+) битами)");
    const qint64 characters = number(m[0]) * number(m[1]) * number(m[2]);
    return equalTo(double(ck::textBits(characters, number(m[3]))), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"((\d+) шара .*из них (\d+) синих)");
    const double info = ck::informationBits(number(m[0]), number(m[1]));
    need(info == std::floor(info), "the information is not a whole number of bits");
    return equalTo(info, asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(длиной (\d+) символов занимает (\d+) байт)");
    const qint64 total = number(m[1]) * 8, count = number(m[0]);
    need(total % count == 0, "the bits do not divide among the characters");
    const int per = int(total / count);
    need(wording(t).contains("наибольшее количество символов"), "not the largest alphabet asked");
    // The largest alphabet whose least code is `per` bits.
    return [per](int, const QString& o) {
        const qint64 size = number(o);
        return ck::bitsForAlphabet(size) == per && ck::bitsForAlphabet(size + 1) != per;
    };
}

// An option written with its base ("1101101_2").
std::pair<QString, int> based(const QString& o) {
    const QStringList m = capture(o, R"(^(\w+)_(\d+)$)");
    return {m[0], int(number(m[1]))};
}
QString optionText(const QString& item) {
    return QString(item).replace(rx(R"(\{_(\w+)\})"), "_\\1");
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\d+) в (\w+) системе)");
    const int base = numeral(m[1]);
    const QString digits = ck::toBase(number(m[0]), base);
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

Verdict solveA5(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(сумма чисел (\w+)_(\d+) и (\w+)_(\d+))");
    need(m[1] == m[3], "the two numbers are written in different bases");
    const int base = int(number(m[1]));
    const QString sum = ck::evaluateBased(m[0] + "_" + m[1] + " + " + m[2] + "_" + m[3], base);
    return [sum, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == sum && b == base;
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
    const QStringList names = capture(wording(t), R"(переменных (\w+) и (\w+) после)");
    const ck::RunResult r = runThree(tableColumns(element(t, Kind::Table))).results.front();
    const qint64 first = r.integer(names[0]), second = r.integer(names[1]);
    const QString pattern = QString(R"(^%1 = (-?\d+), %2 = (-?\d+)$)").arg(names[0], names[1]);
    return [first, second, pattern](int, const QString& o) {
        const QStringList m = capture(o, pattern);
        return number(m[0]) == first && number(m[1]) == second;
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
    const QString w = wording(t);
    const QStringList m = capture(w, R"((истинно|ложно) высказывание)");
    const bool wanted = m[0] == "истинно";
    const auto f = ck::Formula::parse(formulaAfter(w, "высказывание"), {"X"});
    return [f, wanted](int, const QString& o) { return ck::evaluateAt(f, number(o)) == wanted; };
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

// One numbered table of road lengths as the route solver reads it: the
// places, then a line a place with '-' where no road is.
ck::RoadMap roads(const QVariantMap& table) {
    const QStringList head = table["head"].toStringList();
    QStringList lines{head.mid(1).join(' ')};
    for (const QVariant& r : list(table["rows"])) {
        QStringList cells = r.toStringList();
        for (QString& c : cells)
            if (c.isEmpty())
                c = "-";
        lines << cells.join(' ');
    }
    return ck::roadsFromTable(lines.join('\n'));
}

// А12's answers are its picture's numbered tables.
QStringList tableTitles(const zut::TaskContent& t) {
    QStringList titles;
    for (const QVariant& v : list(picture(t).draw.toMap()["tables"]))
        titles << v.toMap()["title"].toString();
    return titles;
}

Verdict solveA12(const zut::TaskContent& t) {
    const QStringList m =
        capture(wording(t), R"(кратчайшего пути из пункта (\w) в пункт (\w) равна (\d+) км)");
    const qint64 wanted = number(m[2]);
    std::vector<qint64> shortest;
    for (const QVariant& v : list(picture(t).draw.toMap()["tables"]))
        shortest.push_back(ck::shortestRoute(roads(v.toMap()), m[0], m[1]).length);
    need(shortest.size() == 4, "not four tables");
    return [shortest, wanted](int k, const QString& title) {
        return title == QString("%1)").arg(k) && shortest[size_t(k - 1)] == wanted;
    };
}

Verdict solveA13(const zut::TaskContent& t) {
    const QString w = wording(t);
    std::map<QChar, QString> codes;
    for (const auto& m : rx(R"(([А-ЯЁ]) — ([01]+))").globalMatch(w))
        codes[m.captured(1)[0]] = m.captured(2);
    need(codes.size() == 4, "not four letter codes");
    const QString word = capture(w, R"(Слово ([А-ЯЁ]+))")[0];
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString digits = ck::convertDigits(ck::encode(word, codes), 2, base);
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

// The rules of А14 as the test reads them, each by its wording.
const std::map<QString, std::function<bool(const QString&)>> counterRules = {
    {"в цепочке пять фишек", [](const QString& s) { return s.size() == 5; }},
    {"белых фишек в цепочке ровно две, и они не лежат рядом",
     [](const QString& s) { return s.count(u'Б') == 2 && !s.contains("ББ"); }},
    {"последней в цепочке лежит чёрная фишка",
     [](const QString& s) { return !s.isEmpty() && s.back() == u'Ч'; }},
    {"первой в цепочке не может лежать серая фишка",
     [](const QString& s) { return !s.isEmpty() && s.front() != u'С'; }},
};

Verdict solveA14(const zut::TaskContent& t) {
    const QString w = wording(t);
    QString colours;
    for (const auto& m : rx(R"(\(([А-ЯЁ])\))").globalMatch(w))
        colours += m.captured(1);
    need(colours.size() == 3, "not three colours");
    QStringList rules;
    for (const auto& m : rx(R"(\d\) ([^;.]+)[;.])").globalMatch(w))
        rules << m.captured(1);
    need(rules.size() == 4, "not four rules");
    for (const QString& r : rules)
        need(counterRules.contains(r), "a rule the test does not know: " + r);
    return [colours, rules](int, const QString& o) {
        for (QChar c : o)
            if (!colours.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return counterRules.at(r)(o); });
    };
}

Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(каталогом (\S+)\. Сначала он поднялся на (\w+) уровн)");
    QStringList path = m[0].split('\\');
    const int up = numeral(m[1]);
    need(up < path.size(), "climbs above the disc");
    path = path.mid(0, path.size() - up);
    int down = 0;
    for (const auto& d : rx(R"(спустился в каталог (\w+))").globalMatch(w)) {
        path << d.captured(1);
        ++down;
    }
    need(down == 2, "not two steps down");
    const QString end = path.join('\\');
    return [end](int, const QString& o) { return o == end; };
}

int clock(const QString& hhmm) {
    const QStringList m = capture(hhmm, R"(^(\d\d):(\d\d)$)");
    return int(number(m[0]) * 60 + number(m[1]));
}

Verdict solveA16(const zut::TaskContent& t) {
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    const auto column = [&](const QString& name) {
        const qsizetype c = head.indexOf(name);
        need(c >= 0, "no column " + name);
        return c;
    };
    const qsizetype train = column("Поезд"), to = column("Куда"), leaves = column("Отправление"),
                    hours = column("В пути, ч"), price = column("Цена, руб.");
    const QStringList m = capture(
        wording(t),
        R"(уехать в (\w+) поездом, который отправляется не раньше (\d\d:\d\d) и находится в пути не больше (\d+) час)");
    QString best;
    qint64 least = -1;
    int ties = 0;
    for (const QVariant& r : list(table["rows"])) {
        const QStringList cells = r.toStringList();
        if (cells[to] != m[0] || clock(cells[leaves]) < clock(m[1]) ||
            number(cells[hours]) > number(m[2]))
            continue;
        const qint64 p = number(cells[price]);
        if (least < 0 || p < least) {
            least = p;
            best = cells[train];
            ties = 0;
        } else if (p == least) {
            ++ties;
        }
    }
    need(least >= 0 && ties == 0, "no single cheapest train");
    return [best](int, const QString& o) { return o == best; };
}

Verdict solveA17(const zut::TaskContent& t) {
    QList<qint64> palettes;
    for (const auto& m : rx(R"(палитрой из (\d+) цветов)").globalMatch(wording(t)))
        palettes << number(m.captured(1));
    need(palettes.size() == 2, "not two palettes");
    const int before = ck::bitsForAlphabet(palettes[0]), after = ck::bitsForAlphabet(palettes[1]);
    need(before % after == 0, "the volumes are not in a whole ratio");
    const qint64 times = before / after;
    return [times](int, const QString& o) {
        return number(capture(o, R"(^в (\d+) раза?$)")[0]) == times;
    };
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

QString oneLine(const QString& text) {
    return QString(text).replace('\n', ' ');
}

// The values a formula written in the first cell of a column range and
// copied down it gives there.
std::vector<double> copiedDown(const std::map<QString, QString>& cells, const QString& formula,
                               QChar column, int from, int to) {
    std::map<QString, QString> all = cells;
    const QString first = column + QString::number(from);
    for (int row = from; row <= to; ++row) {
        const QString cell = column + QString::number(row);
        need(!cells.contains(cell), "the range is not empty: " + cell);
        all[cell] = ck::copyFormula(formula, first, cell);
    }
    const auto values = ck::evaluateSheet(all);
    std::vector<double> out;
    for (int row = from; row <= to; ++row)
        out.push_back(values.at(column + QString::number(row)));
    return out;
}

Verdict solveA19(const zut::TaskContent& t) {
    const QString text = oneLine(fieldText(t, "Memo3"));
    const QStringList range = capture(text, R"(по значениям ячеек ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[0] == range[2], "the range is not a column");
    need(text.contains("В ячейку " + range[0] + range[1] + " записали"),
         "the formula is not written in the range's first cell");
    const auto cells = sheet(picture(t, 0));
    std::vector<double> bars;
    for (const QVariant& v : list(picture(t, 1).draw.toMap()["chart"].toMap()["values"]))
        bars.push_back(v.toDouble());
    const QChar column = range[0][0];
    const int from = int(number(range[1])), to = int(number(range[3]));
    need(qsizetype(bars.size()) == to - from + 1, "the diagram has not a bar a cell");
    return [=](int, const QString& o) { return copiedDown(cells, o, column, from, to) == bars; };
}

// The four actions of the algorithm of А20, as the test reads Memo1.
QString transformed(QString s) {
    if (s.size() % 2 == 1) // 1) an odd count: Я at the end
        s += u'Я';
    const qsizetype half = s.size() / 2; // 2) the halves change places
    s = s.mid(half) + s.left(half);
    for (QChar& c : s) // 3) А and О change into each other
        c = c == u'А' ? u'О' : c == u'О' ? u'А' : c;
    return s.back() + s; // 4) its last letter in front
}

Verdict solveA20(const zut::TaskContent& t) {
    const QString steps = fieldText(t, "Memo1");
    for (const char* mark :
         {"нечётное число букв, в её конец дописывается буква Я", "половины меняются местами",
          "каждая буква А заменяется буквой О, а каждая буква О — буквой А",
          "в начало цепочки дописывается её последняя буква"})
        need(steps.contains(mark), QString("the actions read otherwise: ") + mark);
    // The worked example of Memo4 is what the actions give, step by step.
    const QString memo = oneLine(fieldText(t, "Memo4"));
    const QStringList chain = capture(memo, R"(: ([А-ЯЁ]+(?: → [А-ЯЁ]+){4})\.)")[0].split(" → ");
    need(transformed(chain[0]) == chain[4], "the example does not come out");
    need(capture(memo, R"(из цепочки (\w+) получается цепочка (\w+))") ==
             QStringList({chain[0], chain[4]}),
         "the example is told otherwise");
    const QString word =
        capture(wording(t), R"(к цепочке (\w+), а затем применить его ещё раз)")[0];
    const QString twice = transformed(transformed(word));
    return [twice](int, const QString& o) { return o == twice; };
}

const std::map<QString, Solver> part1Solvers = {
    {"А1", solveA1},   {"А2", solveA2},   {"А3", solveA3},   {"А4", solveA4},   {"А5", solveA5},
    {"А6", solveA6},   {"А7", solveA7},   {"А8", solveA8},   {"А9", solveA9},   {"А10", solveA10},
    {"А11", solveA11}, {"А12", solveA12}, {"А13", solveA13}, {"А14", solveA14}, {"А15", solveA15},
    {"А16", solveA16}, {"А17", solveA17}, {"А18", solveA18}, {"А19", solveA19}, {"А20", solveA20},
};

// The four answers of a task: its answer list, or the titles of its
// picture's numbered tables.
QStringList answersOf(const zut::TaskContent& t) {
    for (const Element* e : elements(t))
        if (e->kind == Kind::Answers)
            return e->items;
    return tableTitles(t);
}

// The options a solver finds right, 1 … 4.
QList<int> rightOptions(const QString& id) {
    const zut::TaskContent& t = task(id);
    const Verdict right = part1Solvers.at(id)(t);
    const QStringList o = answersOf(t);
    need(o.size() == 4, id + " has not four answers");
    QList<int> found;
    for (int k = 1; k <= 4; ++k)
        if (right(k, o[k - 1]))
            found << k;
    return found;
}

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(числа (\d+) оканчивается на (\d))");
    need(wording(t).contains("в порядке возрастания через запятую"), "another form asked");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    const auto f = ck::Formula::parse(
        capture(w, R"(наименьшее натуральное число X, при котором истинно высказывание (.+)\?)")[0],
        {"X"});
    const auto least = ck::leastWhere(f, true, 1, 100000);
    need(least.has_value(), "no such X");
    return QString::number(*least);
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
    // The example in the wording must be right too, step by step.
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
    const QStringList names = capture(all, R"(ученика: (\S+), (\S+), (\S+) и (\S+)\.)");
    static const std::map<QString, int> ordinals = {
        {"перв", 1}, {"втор", 2}, {"трет", 3}, {"четв", 4}};
    // Each forecast: two halves, each a name and a place.
    std::vector<std::vector<std::pair<int, int>>> forecasts;
    for (const auto& m :
         rx(R"(^\d\) (.+)[;.]$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, place = 0, named = 0;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n])) {
                    who = int(n);
                    ++named;
                }
            for (const auto& [stem, p] : ordinals)
                if (half.contains(stem))
                    place = p;
            need(named == 1 && place > 0, "a half forecast the test cannot read: " + half);
            halves.push_back({who, place});
        }
        need(halves.size() == 2, "a forecast not of two halves");
        forecasts.push_back(halves);
    }
    need(forecasts.size() == 3, "not three forecasts");
    std::vector<int> places = {1, 2, 3, 4};
    QStringList solutions;
    do {
        const bool fits = std::all_of(forecasts.begin(), forecasts.end(), [&](const auto& g) {
            return (places[size_t(g[0].first)] == g[0].second) +
                       (places[size_t(g[1].first)] == g[1].second) ==
                   1;
        });
        if (fits) {
            QString s;
            // In the order the answer asks for: the names by their first two letters.
            const QStringList order = capture(all, R"(номера мест (\S+), (\S+), (\S+) и (\S+) —)");
            for (const QString& o : order)
                for (qsizetype n = 0; n < names.size(); ++n)
                    if (names[n].left(2) == o.left(2))
                        s += QString::number(places[size_t(n)]);
            need(s.size() == 4, "the answer's order names someone else");
            solutions << s;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 per = number(capture(w, R"(каждый символ занимает (\d+) бит)")[0]);
    const QStringList m = capture(w, R"(скоростью ([\d ]+) бит/с ровно (\d+) минут)");
    need(w.contains("Сколько символов"), "not the characters asked");
    const double sent = ck::transferSize(double(number(m[0])), ck::Unit::Bit,
                                         double(number(m[1]) * 60), ck::Unit::Bit);
    need(std::fmod(sent, double(per)) == 0, "not a whole number of characters");
    return QString::number(qint64(sent) / per);
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    // Twice the one before, its number, twice the one before again.
    const QString rule = "{s}{s}{n}{s}{s}";
    const QString first = capture(text, R"(состоит из одной цифры (\d))")[0];
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        need(ck::buildString(first, rule, numeral(m.captured(1))) == m.captured(2),
             "the rule does not give the shown strings");
        ++shown;
    }
    need(shown >= 3, "too few strings shown");
    const QStringList m = capture(oneLine(text), R"(цифр, не равных (\d), в (\w+) цепочке)");
    const int n = numeral(m[1]);
    return QString::number(ck::builtLength(first, rule, n) -
                           ck::builtCount(first, rule, n, m[0][0]));
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString file = capture(w, R"(Файл ([\w.]+) находится)")[0];
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

// A query label as the student types it: the Latin look-alike A of the
// first label is the Cyrillic А.
QString typedLabel(const QString& label) {
    return label == "A" ? QString(QChar(0x0410)) : label;
}

QString solveB8(const zut::TaskContent& t) {
    QStringList labels, queries;
    for (const Element& e : t.elements)
        if (e.kind == Kind::Row) {
            need(e.children.size() == 2, "a query row is a label and a query");
            labels << typedLabel(e.children[0].text);
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

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

QString listing(int i) {
    const Element& listings = element(task("С1"), Kind::Listings);
    need(listings.columns.size() == 2, "not two listings");
    return listings.columns[size_t(i)].text;
}

// What a listing prints for n, as a number.
double printed(ck::Language language, const QString& source, int n) {
    ck::RunOptions o;
    o.input = {QString::number(n)};
    const ck::RunResult r = ck::run(language, source, o);
    need(r.printed.size() == 1 && r.printed.front().isNumber(), "not one number printed");
    return r.printed.front().number();
}

// The sum of the wording: n terms, the first 1/2, each half the one before.
double sum(int n) {
    double s = 0, term = 0.5;
    for (int i = 0; i < n; ++i, term /= 2)
        s += term;
    return s;
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// The listing with the first line that reads `line` (trimmed) replaced.
QString replaced(const QString& source, const QString& line, const QString& with) {
    QStringList lines = source.split('\n');
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.trimmed() == line; });
    need(at != lines.end(), "no line " + line);
    if (with.isNull())
        lines.erase(at);
    else
        *at = with;
    return lines.join('\n');
}

// The superfluous check of each listing, and the loop's head and foot as
// the fix of the worked solution writes them.
const std::vector<QString> checkLine = {"if s > 1 then s := 1;", "IF s > 1 THEN s = 1"};
const std::vector<std::pair<QString, QString>> loopHead = {{"repeat", "while i < n do begin"},
                                                           {"DO", "DO WHILE i < n"}};
const std::vector<std::pair<QString, QString>> loopFoot = {{"until i >= n;", "end;"},
                                                           {"LOOP UNTIL i >= n", "LOOP"}};

} // namespace

class TestT2008_3 : public QObject {
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
    void listingFault_data();
    void listingFault();
    void superfluousCheck_data() { listingFault_data(); }
    void superfluousCheck();
    void fixOfTheSolution_data() { listingFault_data(); }
    void fixOfTheSolution();
    void faultExampleOfTheSolution();
    void gameWinner();
    void labelsInTheKeysAlphabet_data();
    void labelsInTheKeysAlphabet();
    void noMixedScriptWords();
    void markedThroughTheWindow();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestT2008_3::part1_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 20; ++n) {
        const QString id = QString("А%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// Exactly the keyed option is right, by the task's own data.
void TestT2008_3::part1() {
    QFETCH(QString, id);
    try {
        const QList<int> right = rightOptions(id);
        QCOMPARE(right, QList<int>{t2008_3->key().part1[size_t(zut::taskNumber(id) - 1)]});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::part1OptionsDistinct() {
    QFETCH(QString, id);
    try {
        QStringList o = answersOf(task(id));
        QCOMPARE(o.size(), 4);
        o.removeDuplicates();
        QCOMPARE(o.size(), 4);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::part2_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 8; ++n) {
        const QString id = QString("B%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// The answer a correct solution types is the first accepted string; a
// second one is the same letters in capitals.
void TestT2008_3::part2() {
    QFETCH(QString, id);
    const auto& accepted = t2008_3->key().part2[size_t(zut::taskNumber(id) - 1)];
    try {
        const QString answer = part2Solvers.at(id)(task(id));
        QCOMPARE(answer, QString::fromUtf16(accepted[0]));
        if (accepted[1])
            QCOMPARE(QString::fromUtf16(accepted[1]), answer.toUpper());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::listingFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Each listing prints the sum rightly for every n from 2 on and wrongly
// for n = 1 only.
void TestT2008_3::listingFault() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        QList<int> wrong;
        for (int n = 1; n <= 20; ++n)
            if (!near(printed(language, source, n), sum(n)))
                wrong << n;
        QCOMPARE(wrong, QList<int>{1});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Taking out the check of s > 1 changes nothing the listing prints.
void TestT2008_3::superfluousCheck() {
    QFETCH(int, listing);
    try {
        const QString source = ::listing(listing);
        const auto language = listingLanguages[size_t(listing)];
        const QString shorter = replaced(source, checkLine[size_t(listing)], QString());
        QCOMPARE(shorter.count('\n'), source.count('\n') - 1);
        for (int n = 1; n <= 40; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The fix the worked solution gives, the condition checked before the
// loop's body, makes each listing right for every n.
void TestT2008_3::fixOfTheSolution() {
    QFETCH(int, listing);
    const QString solution = task("С1").solution;
    const auto& [head, newHead] = loopHead[size_t(listing)];
    const auto& [foot, newFoot] = loopFoot[size_t(listing)];
    QVERIFY2(solution.contains(newHead.section(' ', 0, 2)), qPrintable(newHead));
    try {
        const QString fixed = replaced(replaced(::listing(listing), head, newHead), foot, newFoot);
        const auto language = listingLanguages[size_t(listing)];
        for (int n = 1; n <= 20; ++n)
            QVERIFY2(near(printed(language, fixed, n), sum(n)), qPrintable(QString::number(n)));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The n of the worked solution is one where both listings fail, and they
// print what the solution says.
void TestT2008_3::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const QStringList m =
            capture(t.solution, R"(n = (\d+):.* выводит (\d+\.\d+) вместо (\d+\.\d+))");
        const int n = int(number(m[0]));
        QCOMPARE(m[2].toDouble(), sum(n));
        for (size_t i = 0; i < 2; ++i) {
            const double out = printed(listingLanguages[i], ::listing(int(i)), n);
            QVERIFY(!near(out, sum(n)));
            QCOMPARE(out, m[1].toDouble());
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game played out from its wording; the worked solution names the
// winner and a first move that leaves the other player lost.
void TestT2008_3::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const qint64 start = number(capture(w, R"(куча из (\d+) камней)")[0]);
        const qint64 add = number(capture(w, R"(добавить в кучу (\d+) камень)")[0]);
        need(w.contains("втрое"), "the second move is not tripling");
        const qint64 goal = number(capture(w, R"((\d+) камней или больше)")[0]);
        const QStringList players = capture(w, R"(первый ход делает (\w+), второй — (\w+)\.)");
        // wins[n]: the player to move with n stones wins.
        std::vector<bool> wins(size_t(goal), false);
        for (qint64 n = goal - 1; n >= 1; --n)
            for (qint64 next : {n + add, n * 3})
                if (next >= goal || !wins[size_t(next)])
                    wins[size_t(n)] = true;
        const QString winner = wins[size_t(start)] ? players[0] : players[1];
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        const qint64 move = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[0]);
        const qint64 after = number(capture(t.solution, R"(добавляет (\d+) камень \((\d+)\))")[1]);
        QCOMPARE(move, add);
        QCOMPARE(after, start + add);
        QVERIFY(after < goal && !wins[size_t(after)]);
        QVERIFY(wins[size_t(start * 3)]); // tripling first would hand the game over
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_3::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("B7") << "B7";
    QTest::newRow("B8") << "B8";
}

// The labels B7 and B8 ask for are the Cyrillic capitals from А on (B8's
// first written with its Latin look-alike), every letter of the key
// among them, and the wording asks for Russian letters.
void TestT2008_3::labelsInTheKeysAlphabet() {
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
        QCOMPARE(labels.value(0), QString("A")); // the Latin look-alike
        labels[0] = typedLabel(labels[0]);
    }
    QString expected;
    for (qsizetype i = 0; i < labels.size(); ++i)
        expected += QChar(char16_t(0x0410 + i)); // А, Б, В, …
    QCOMPARE(labels.join(""), expected);
    QVERIFY(wording(t).contains("русскими буквами"));
    const QString key =
        QString::fromUtf16(t2008_3->key().part2[size_t(zut::taskNumber(id) - 1)][1]);
    for (QChar c : key)
        QVERIFY2(labels.contains(QString(c)), qPrintable(key));
}

// No word of the paper mixes Cyrillic and Latin letters (a look-alike
// typed in the wrong alphabet).
void TestT2008_3::noMixedScriptWords() {
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
void TestT2008_3::markedThroughTheWindow() {
    zut::Paper* p = t2008_3;
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

ZUT_TEST_MAIN(TestT2008_3)
#include "tst_t2008_3.moc"
