// The content of the 2008 paper, variant 2: every computable task solved
// again from its own data as the content file gives it (wording, picture
// data, fields and listings), and the answer compared with the paper's key
// and with the option texts; the listings of С1 run for their fault; the
// game of С3 played out; the paper marked through its window with the
// answers found.
#include "testmain.h"

#include "papertest.h"

#include "check/bases.h"
#include "check/error.h"
#include "check/executor.h"
#include "check/flowchart.h"
#include "check/interpret.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/routes.h"
#include "check/spreadsheet.h"
#include "check/volume.h"
#include "paper/content.h"

#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
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

QRegularExpression
rx(const QString& pattern,
   QRegularExpression::PatternOptions more = QRegularExpression::NoPatternOption) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption | more);
}

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2008_2.yaml");
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

QString optionText(const QString& item) {
    return QString(item).replace(rx(R"(\{_(\w+)\})"), "_\\1");
}

// The wording: the task's text labels joined, index labels written as a
// base after an underscore ("47{_8}" reads "47_8").
QString wording(const zut::TaskContent& t) {
    QStringList texts;
    for (const Element* e : elements(t))
        if (e->kind == Kind::Text)
            texts << e->text;
    return optionText(texts.join(' '));
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

const Element& element(const zut::TaskContent& t, Kind kind) {
    for (const Element* e : elements(t))
        if (e->kind == kind)
            return *e;
    throw Missing(t.id + " lacks an element of the kind asked for");
}

QString fieldText(const zut::TaskContent& t, const QString& name) {
    for (const Element* e : elements(t))
        if (e->kind == Kind::Field && e->name == name)
            return e->text;
    throw Missing(t.id + " has no field " + name);
}

QString oneLine(const QString& text) {
    return QString(text).replace('\n', ' ');
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
        {"два", 2},          {"три", 3},         {"двоичной", 2},
        {"восьмеричной", 8}, {"десятичной", 10}, {"шестнадцатеричной", 16},
        {"пяти", 5},         {"шести", 6},       {"первая", 1},
        {"вторая", 2},       {"третья", 3},      {"четвёртая", 4},
        {"пятая", 5},        {"первом", 1},      {"втором", 2},
        {"третьем", 3},      {"четвёртом", 4},   {"пятом", 5},
        {"девятой", 9},      {"десятой", 10},    {"одиннадцатой", 11},
        {"двенадцатой", 12}};
    need(words.contains(word), "unknown numeral " + word);
    return words.at(word);
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
    return [value, read](int, const QString& o) { return std::abs(read(o) - value) < 1e-9; };
}
double asNumber(const QString& o) {
    return double(number(o));
}

// A volume written in an answer ("30 Кбайт", "7 бит", "4 бита"), in bits.
double bits(const QString& option) {
    const QStringList m = capture(option, R"(^(\d+(?:,\d+)?) (бит|бита|байт|байта|Кбайт|Кбайта)$)");
    const double v = QString(m[0]).replace(',', '.').toDouble();
    if (m[1].startsWith("бит"))
        return v;
    return m[1].startsWith("К") ? v * 8192 : v * 8;
}

Verdict solveA1(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 pages = number(capture(w, R"(занимает (\d+) страниц)")[0]);
    const qint64 lines = number(capture(w, R"((\d+) строк,)")[0]);
    const qint64 perLine = number(capture(w, R"(строке (\d+) символ)")[0]);
    const qint64 per = number(capture(w, R"(закодирован (\d+) битами)")[0]);
    return equalTo(double(ck::textBits(pages * lines * perLine, per)), bits);
}

Verdict solveA2(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(размер (\d+) × (\d+) клеток)");
    return equalTo(ck::bitsForAlphabet(number(m[0]) * number(m[1])), asNumber);
}

Verdict solveA3(const zut::TaskContent& t) {
    const QString w = wording(t);
    const qint64 racks = number(capture(w, R"((\d+) стеллаж)")[0]);
    const qint64 shelves = number(capture(w, R"(на каждом стеллаже (\d+) полок)")[0]);
    need(w.contains("с одинаковой вероятностью"), "the places are not equally likely");
    return equalTo(ck::informationBits(racks * shelves), bits);
}

// An option written with its base ("2707_8").
std::pair<QString, int> based(const QString& o) {
    const QStringList m = capture(o, R"(^(\w+)_(\d+)$)");
    return {m[0], int(number(m[1]))};
}

Verdict solveA4(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(число (\w+)_(\d+) в (\w+) системе)");
    const int to = numeral(m[2]);
    const QString digits = ck::convertDigits(m[0], int(number(m[1])), to);
    return [digits, to](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == to;
    };
}

Verdict solveA5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(w, R"(сумма чисел (\w+_\d+) и (\w+_\d+))");
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString sum = ck::evaluateBased(m[0] + " + " + m[1], base);
    return [sum](int, const QString& o) { return o == sum; };
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

Verdict solveA7(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(значение переменной (\w+))")[0];
    const ck::Comparison c = runThree(tableColumns(element(t, Kind::Table)));
    QList<qint64> values;
    for (const ck::RunResult& r : c.results)
        values << r.integer(name);
    need(values.count(values.front()) == 3, "the languages leave different values");
    return equalTo(double(values.front()), asNumber);
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

QString formulaAfter(const QString& w, const QString& words) {
    return capture(w, words + R"( (.+)\?$)")[0];
}

// А9: each statement about a letter of the name is a variable of the formula.
Verdict solveA9(const zut::TaskContent& t) {
    QString formula = formulaAfter(wording(t), "высказывание");
    const std::map<QString, std::pair<QString, ck::WordProperty>> phrases = {
        {"первая буква согласная",
         {"P", [](const QString& s) { return !s.isEmpty() && ck::isConsonant(s.front()); }}},
        {"первая буква гласная",
         {"Q", [](const QString& s) { return !s.isEmpty() && ck::isVowel(s.front()); }}},
        {"последняя буква согласная",
         {"R", [](const QString& s) { return !s.isEmpty() && ck::isConsonant(s.back()); }}},
        {"последняя буква гласная",
         {"S", [](const QString& s) { return !s.isEmpty() && ck::isVowel(s.back()); }}},
    };
    std::map<QString, ck::WordProperty> properties;
    for (const auto& [phrase, p] : phrases)
        if (formula.contains(phrase)) {
            formula.replace(phrase, p.first);
            properties[p.first] = p.second;
        }
    const auto f = ck::Formula::parse(formula);
    need(f.variables().size() == qsizetype(properties.size()), "a statement not read: " + formula);
    return [f, properties](int, const QString& o) {
        return ck::wordsWhere(f, {o}, properties, true) == QStringList{o};
    };
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

// One numbered table of the А12 picture as the route solver reads it.
ck::RoadMap roadTable(const QVariantMap& table) {
    QStringList head = table["head"].toStringList();
    need(!head.isEmpty() && head.front().isEmpty(), "the table's corner is not empty");
    head.removeFirst();
    QStringList lines{head.join(' ')};
    for (const QVariant& r : list(table["rows"])) {
        QStringList cells = r.toStringList();
        for (QString& c : cells)
            if (c.isEmpty())
                c = "-";
        lines << cells.join(' ');
    }
    return ck::roadsFromTable(lines.join('\n'));
}

// А12 has no answer list: option k is the table titled "k)".
QStringList tableTitles(const zut::TaskContent& t) {
    QStringList titles;
    for (const QVariant& table : list(picture(t).draw.toMap()["tables"]))
        titles << table.toMap()["title"].toString();
    return titles;
}

Verdict solveA12(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList ends = capture(w, R"(между пунктами (\w) и (\w))");
    const qint64 length = number(capture(w, R"(имеет длину (\d+) км)")[0]);
    std::vector<qint64> shortest;
    for (const QVariant& table : list(picture(t).draw.toMap()["tables"]))
        shortest.push_back(ck::shortestRoute(roadTable(table.toMap()), ends[0], ends[1]).length);
    need(shortest.size() == 4, "not four tables");
    return [shortest, length](int k, const QString& title) {
        return title == QString("%1)").arg(k) && shortest[size_t(k - 1)] == length;
    };
}

Verdict solveA13(const zut::TaskContent& t) {
    const QString w = wording(t);
    std::map<QChar, QString> codes;
    for (const auto& m : rx(R"(([А-ЯЁ])[ \x{00A0}]— ([01]+))").globalMatch(w))
        codes[m.captured(1)[0]] = m.captured(2);
    need(codes.size() == 4, "not four letter codes");
    const QString word = capture(w, R"(слово ([А-ЯЁ]+))")[0];
    QString code;
    for (QChar c : word) {
        need(codes.contains(c), QString("no code of ") + c);
        code += codes.at(c);
    }
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    const QString digits = ck::convertDigits(code, 2, base);
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

// The rules of А14 as the test reads them, each by its line in Memo1;
// `digits` are the digits the wording allows.
using ChainRule = std::function<bool(const QString&, const QString& digits)>;
qsizetype digitCount(const QString& s, const QString& digits) {
    return std::count_if(s.begin(), s.end(), [&](QChar c) { return digits.contains(c); });
}
const std::map<QString, ChainRule> chainRules = {
    {"1) в цепочке пять символов;", [](const QString& s, const QString&) { return s.size() == 5; }},
    {"2) первый и последний символы цепочки — буквы;",
     [](const QString& s, const QString& d) {
         return !s.isEmpty() && !d.contains(s.front()) && !d.contains(s.back());
     }},
    {"3) цифр в цепочке ровно две, и рядом они не стоят;",
     [](const QString& s, const QString& d) {
         for (qsizetype i = 1; i < s.size(); ++i)
             if (d.contains(s[i]) && d.contains(s[i - 1]))
                 return false;
         return digitCount(s, d) == 2;
     }},
    {"4) буква А встречается в цепочке не больше одного раза;",
     [](const QString& s, const QString&) { return s.count(u'А') <= 1; }},
    {"5) сразу после цифры 2 не может стоять буква Б.",
     [](const QString& s, const QString&) { return !s.contains(u"2Б"); }},
};

Verdict solveA14(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(из букв ([А-ЯЁ, ]+) и цифр ([\d, ]+) по)");
    const QString letters = QString(m[0]).remove(rx(R"([ ,]|и)"));
    const QString digits = QString(m[1]).remove(rx("[ ,]"));
    const QStringList rules = fieldText(t, "Memo1").split('\n');
    for (const QString& r : rules)
        need(chainRules.contains(r), "a rule the test does not know: " + r);
    return [letters, digits, rules](int, const QString& o) {
        for (QChar c : o)
            if (!letters.contains(c) && !digits.contains(c))
                return false;
        return std::all_of(rules.begin(), rules.end(),
                           [&](const QString& r) { return chainRules.at(r)(o, digits); });
    };
}

// А15: the path after going up the levels the wording says and down into
// the directories it names, in order.
Verdict solveA15(const zut::TaskContent& t) {
    const QString w = wording(t);
    QStringList path = capture(w, R"(каталогом (C:\\\S+)\. )")[0].split('\\');
    const int up = numeral(capture(w, R"(поднялся на (\w+) уровн)")[0]);
    need(up < path.size(), "up beyond the disk");
    path = path.mid(0, path.size() - up);
    for (const auto& m : rx(R"(в каталог (\w+))").globalMatch(w))
        path << m.captured(1);
    const QString end = path.join('\\');
    return [end](int, const QString& o) { return o == end; };
}

// А16: the records sorted by the keys the wording names (the first key
// decreasing or increasing as said, the second breaking ties), and the
// asked field of the record at the asked place.
Verdict solveA16(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QVariantMap table = picture(t).draw.toMap()["table"].toMap();
    const QStringList head = table["head"].toStringList();
    std::vector<QStringList> rows;
    for (const QVariant& r : list(table["rows"]))
        rows.push_back(r.toStringList());
    const QStringList first =
        capture(w, R"(отсортировали по (убыванию|возрастанию) значения поля «([^»]+)»)");
    const QStringList second =
        capture(w, R"(одинаковым \w+ — по (убыванию|возрастанию) значения поля «([^»]+)»)");
    const qsizetype k1 = head.indexOf(first[1]), k2 = head.indexOf(second[1]);
    need(k1 >= 0 && k2 >= 0, "a sort field not in the table");
    const bool down1 = first[0] == "убыванию", down2 = second[0] == "убыванию";
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        const qint64 a1 = number(a[k1]), b1 = number(b[k1]);
        if (a1 != b1)
            return down1 ? a1 > b1 : a1 < b1;
        const qint64 a2 = number(a[k2]), b2 = number(b[k2]);
        return down2 ? a2 > b2 : a2 < b2;
    });
    // No two records may tie on both keys, or the place is not decided.
    for (size_t i = 1; i < rows.size(); ++i)
        need(rows[i][k1] != rows[i - 1][k1] || rows[i][k2] != rows[i - 1][k2], "a tie");
    const int place = numeral(capture(w, R"(на (\w+) месте)")[0]);
    need(w.contains("Какой город"), "another field is asked for");
    const QString city = rows[size_t(place - 1)][head.indexOf("Город")];
    return [city](int, const QString& o) { return o == city; };
}

Verdict solveA17(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList size = capture(w, R"(размером (\d+) на (\d+) пикселей)");
    const qint64 width = number(size[0]), height = number(size[1]);
    const qint64 memory = number(capture(w, R"(занимает (\d+) Кбайт)")[0]) * 8192;
    need(w.contains("наибольшее количество цветов"), "another question");
    // The most colours whose picture still fits into the memory.
    qint64 colours = 2;
    while (ck::rasterBits(width, height, colours * 2) <= memory)
        colours *= 2;
    need(ck::rasterBits(width, height, colours) <= memory, "not even two colours fit");
    return equalTo(double(colours), asNumber);
}

Verdict solveA18(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QString formula = capture(w, R"(формула (=\S+)\. )")[0];
    const QStringList cells = capture(w, R"(из ячейки (\w+) в ячейку (\w+))");
    need(w.contains("В ячейке " + cells[0]), "the formula stands in another cell");
    const QString copied = ck::copyFormula(formula, cells[0], cells[1]);
    return [copied](int, const QString& o) { return o == copied; };
}

// The cells of a spreadsheet picture, A1 … as the solver takes them.
std::map<QString, QString> sheetCells(const QVariantMap& sheet) {
    const QStringList columns = sheet["columns"].toStringList();
    const int first = sheet["first-row"].toInt();
    std::map<QString, QString> cells;
    int row = first;
    for (const QVariant& r : list(sheet["rows"])) {
        const QStringList values = r.toStringList();
        need(values.size() == columns.size(), "a row of another width");
        for (qsizetype c = 0; c < values.size(); ++c)
            if (!values[c].isEmpty())
                cells[columns[c] + QString::number(row)] = values[c];
        ++row;
    }
    return cells;
}

// A bar chart shows the values themselves; a pie chart their shares.
bool chartShows(const QVariantMap& chart, const std::vector<double>& values) {
    const QVariantList shown = list(chart["values"]);
    if (shown.size() != qsizetype(values.size()))
        return false;
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    double shownSum = 0;
    for (const QVariant& v : shown)
        shownSum += v.toDouble();
    for (size_t i = 0; i < values.size(); ++i) {
        const double s = shown[qsizetype(i)].toDouble();
        if (chart["kind"] == "pie" ? std::abs(s / shownSum - values[i] / sum) > 1e-9
                                   : std::abs(s - values[i]) > 1e-9)
            return false;
    }
    return true;
}

Verdict solveA19(const zut::TaskContent& t) {
    const auto cells = sheetCells(picture(t).draw.toMap()["spreadsheet"].toMap());
    const QStringList range = capture(wording(t), R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))");
    need(range[1] == range[3], "the range is not one row");
    std::vector<double> values;
    for (QChar c = range[0][0]; c <= range[2][0]; c = QChar(c.unicode() + 1))
        values.push_back(ck::cellValue(cells, c + range[1]));
    std::vector<bool> shows;
    for (int k = 1; k <= 4; ++k)
        shows.push_back(chartShows(picture(t, k).draw.toMap()["chart"].toMap(), values));
    return [shows](int k, const QString& o) { return numeral(o) == k && shows[size_t(k - 1)]; };
}

// А20: the algorithm of Memo5 run on the word, reading from its text which
// branch puts the character at the end and which at the start, and the step.
Verdict solveA20(const zut::TaskContent& t) {
    const QString notes = oneLine(fieldText(t, "Memo4"));
    const QString vowels =
        capture(notes, R"(Гласными считаются буквы ([А-ЯЁ, ]+), остальные)")[0].remove(rx("[ ,]"));
    const QString algorithm = fieldText(t, "Memo5");
    // Each branch puts the character at the end or at the start of R.
    auto appends = [&](const QString& branch) {
        const auto m = rx("^ *" + branch + R"( R := (.+)$)", QRegularExpression::MultilineOption)
                           .match(algorithm);
        need(m.hasMatch(), "no branch " + branch);
        const QString what = m.captured(1).trimmed();
        need(what == "R + S[i]" || what == "S[i] + R", "a branch the test cannot read: " + what);
        return what == "R + S[i]";
    };
    const bool thenAppends = appends("ТО"), elseAppends = appends("ИНАЧЕ");
    need(algorithm.contains("ЕСЛИ S[i] — гласная буква"), "another condition");
    const qint64 step = number(capture(algorithm, R"(i := i \+ (\d+))")[0]);
    const qint64 from = number(capture(algorithm, R"(i := (\d+)\n)")[0]);
    const QString s = capture(wording(t), "S = «([^»]+)»")[0];
    QString r;
    for (qint64 i = from; i <= s.size(); i += step) {
        const QChar c = s[i - 1];
        if (vowels.contains(c) ? thenAppends : elseAppends)
            r += c;
        else
            r.prepend(c);
    }
    return [r](int, const QString& o) { return o == r; };
}

const std::map<QString, Solver> part1Solvers = {
    {"А1", solveA1},   {"А2", solveA2},   {"А3", solveA3},   {"А4", solveA4},   {"А5", solveA5},
    {"А6", solveA6},   {"А7", solveA7},   {"А8", solveA8},   {"А9", solveA9},   {"А10", solveA10},
    {"А11", solveA11}, {"А12", solveA12}, {"А13", solveA13}, {"А14", solveA14}, {"А15", solveA15},
    {"А16", solveA16}, {"А17", solveA17}, {"А18", solveA18}, {"А19", solveA19}, {"А20", solveA20},
};

QStringList optionTexts(const QString& id) {
    return id == "А12" ? tableTitles(task(id)) : options(task(id));
}

// The options a solver finds right, 1 … 4.
QList<int> rightOptions(const QString& id) {
    const Verdict right = part1Solvers.at(id)(task(id));
    const QStringList o = optionTexts(id);
    need(o.size() == 4, id + " has not four options");
    QList<int> found;
    for (int k = 1; k <= 4; ++k)
        if (right(k, o[k - 1]))
            found << k;
    return found;
}

// ---- Part 2 --------------------------------------------------------------

QString solveB1(const zut::TaskContent& t) {
    const QStringList m = capture(wording(t), R"(числа (\d+) оканчивается цифрой (\d))");
    QStringList bases;
    for (qint64 b : ck::basesEndingIn(number(m[0]), int(number(m[1]))))
        bases << QString::number(b);
    need(wording(t).contains("в порядке возрастания через запятую"), "another answer form");
    return bases.join(',');
}

QString solveB2(const zut::TaskContent& t) {
    const QString w = wording(t);
    QString formula = capture(w, R"(ложно высказывание (.+)\?)")[0];
    formula.replace(rx(R"(\s*·\s*)"), " * ").replace(QChar(0x00A0), ' ');
    const auto f = ck::Formula::parse(formula, {"X"});
    need(w.contains("наибольшее целое число X"), "another bound is asked for");
    const auto x = ck::greatestWhere(f, false, -100000, 100000);
    need(x.has_value(), "the statement is never false");
    // Not false anywhere above it, so the bound is not an artefact of the search range.
    need(!ck::leastWhere(f, false, *x + 1, 1'000'000).has_value(), "false again further up");
    return QString::number(*x);
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
    const QStringList example =
        capture(all, R"(программа (\d+) преобразует число (\d+) в число (\d+))");
    need(ck::runCommands(parsed, number(example[1]), example[0]) == number(example[2]),
         "the example program is wrong");
    const QStringList goal = capture(
        all, R"(которая преобразует число (\d+) в число (\d+) и содержит не более (\w+) команд)");
    const QStringList programs =
        ck::programsFor(parsed, number(goal[0]), number(goal[1]), numeral(goal[2]));
    need(programs.size() == 1, "not exactly one program: " + programs.join(' '));
    return programs.front();
}

// B4: every way of placing the three in the three towns, kept where each
// phrase has exactly one true half; the answer the towns' initial letters.
QString solveB4(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo8");
    const QString all = oneLine(text);
    const QStringList names = capture(all, R"(^(\S+), (\S+) и (\S+) живут)");
    const QStringList towns = capture(all, R"(один в (\S+), другой в (\S+), третий в (\S+)\.)");
    std::vector<std::vector<std::pair<int, int>>> phrases; // halves: (person, town)
    for (const auto& m :
         rx(R"(^\d\) (.+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        std::vector<std::pair<int, int>> halves;
        for (const QString& half : m.captured(1).split(", а ")) {
            int who = -1, where = -1;
            for (qsizetype n = 0; n < names.size(); ++n)
                if (half.contains(names[n]))
                    who = int(n);
            for (qsizetype n = 0; n < towns.size(); ++n)
                if (half.contains(QString(towns[n]).remove(rx("[;.]$"))))
                    where = int(n);
            need(who >= 0 && where >= 0, "a half the test cannot read: " + half);
            halves.push_back({who, where});
        }
        need(halves.size() == 2, "a phrase not of two halves");
        phrases.push_back(halves);
    }
    need(phrases.size() == 3, "not three phrases");
    need(all.contains("в каждой одна половина верна, а другая нет"), "another rule");
    const QStringList order = capture(all, R"(первые буквы городов (\S+), (\S+) и (\S+) \()");
    std::vector<int> town = {0, 1, 2}; // town[person]
    QStringList solutions;
    do {
        const bool fits = std::all_of(phrases.begin(), phrases.end(), [&](const auto& p) {
            return (town[size_t(p[0].first)] == p[0].second) +
                       (town[size_t(p[1].first)] == p[1].second) ==
                   1;
        });
        if (!fits)
            continue;
        QString s;
        for (const QString& o : order)
            for (qsizetype n = 0; n < names.size(); ++n)
                if (names[n].left(3) == o.left(3))
                    s += towns[town[size_t(n)]].front();
        need(s.size() == 3, "the order names someone unknown");
        solutions << s;
    } while (std::next_permutation(town.begin(), town.end()));
    need(solutions.size() == 1, "not exactly one solution: " + solutions.join(' '));
    return solutions.front().toUpper();
}

QString solveB5(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList time = capture(w, R"((\d+) минуты? (\d+) секунд)");
    const double seconds = double(number(time[0]) * 60 + number(time[1]));
    const double rate = double(number(capture(w, R"(скоростью (\d+) Кбит/с)")[0]));
    need(w.contains(QString("(1 Кбит = %1 бита)").arg(ck::bitsIn(ck::Unit::Kbit))),
         "the wording counts a Kbit otherwise");
    const qint64 per = number(capture(w, R"(закодирован (\d+) битами)")[0]);
    const double total = ck::transferSize(rate, ck::Unit::Kbit, seconds, ck::Unit::Bit);
    const double characters = total / double(per);
    need(characters == std::floor(characters), "not a whole number of characters");
    return QString::number(qint64(characters));
}

// B6: string n is string n − 1 followed twice by string n − 2.
QString chain(const QString& first, const QString& second, int n) {
    QString before = first, last = second;
    if (n == 1)
        return first;
    for (int i = 3; i <= n; ++i) {
        const QString next = last + before + before;
        before = last;
        last = next;
    }
    return last;
}

QString solveB6(const zut::TaskContent& t) {
    const QString text = fieldText(t, "Memo9");
    const QString all = oneLine(text);
    const QStringList firsts =
        capture(all, R"(Первая цепочка состоит из одной цифры (\d), вторая — из одной цифры (\d))");
    need(all.contains("сначала записывается предыдущая цепочка, а за ней два раза подряд — "
                      "цепочка, стоящая перед предыдущей"),
         "another rule");
    int shown = 0;
    for (const auto& m :
         rx(R"(^(\w+): (\d+)$)", QRegularExpression::MultilineOption).globalMatch(text)) {
        need(chain(firsts[0], firsts[1], numeral(m.captured(1))) == m.captured(2),
             "the rule does not give the string shown as " + m.captured(1));
        ++shown;
    }
    need(shown >= 4, "too few strings shown");
    const int n = numeral(capture(text, R"(цифр в (\w+) цепочке)")[0]);
    // The length by its recurrence, and by the string itself.
    std::vector<qint64> length = {0, 1, 1};
    for (int i = 3; i <= n; ++i)
        length.push_back(length[size_t(i - 1)] + 2 * length[size_t(i - 2)]);
    need(chain(firsts[0], firsts[1], n).size() == length[size_t(n)], "lengths disagree");
    return QString::number(length[size_t(n)]);
}

QString solveB7(const zut::TaskContent& t) {
    const QString w = wording(t);
    const QStringList m = capture(
        w, R"(в файле ([\w.]+) на сервере ([\w.]+), получить файл можно по протоколу (\w+)\.)");
    const QString address = m[2] + "://" + m[1] + "/" + m[0];
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

const std::vector<ck::Language> listingLanguages = {ck::Language::Pascal, ck::Language::Basic};

QString printed(ck::Language language, const QString& listing, qint64 n) {
    ck::RunOptions o;
    o.input = {QString::number(n)};
    return ck::run(language, listing, o).output.join('\n').trimmed();
}

bool leap(qint64 n) {
    return (n % 4 == 0 && n % 100 != 0) || n % 400 == 0;
}

// The lines of each listing that make its check of evenness: the check
// (the first line that reads so), and its "else" branch (the last lines
// that read so).
struct CheckLines {
    QString check;
    QStringList last;
};
const std::vector<CheckLines> evennessLines = {
    {"if n mod 2 = 0 then", {"else", "writeln('нет')"}},
    {"IF n MOD 2 = 0 THEN", {"ELSE", "PRINT \"нет\"", "END IF"}},
};

QString withoutCheck(const QString& listing, const CheckLines& remove) {
    QStringList lines = listing.split('\n');
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.trimmed() == remove.check; });
    need(at != lines.end(), "no line " + remove.check);
    lines.erase(at);
    for (const QString& r : remove.last) {
        const auto back = std::find_if(lines.rbegin(), lines.rend(),
                                       [&](const QString& l) { return l.trimmed() == r; });
        need(back != lines.rend(), "no line " + r);
        // The branch's lines stand in this order, so each is taken from the
        // end of what is left before the lines already taken.
        lines.erase(std::next(back).base());
    }
    return lines.join('\n');
}

} // namespace

class TestT2008_2 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data();
    void part1();
    void part1OptionsDistinct_data() { part1_data(); }
    void part1OptionsDistinct();
    void a7HasNoCommentRow();
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

void TestT2008_2::part1_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 20; ++n) {
        const QString id = QString("А%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// Exactly the keyed option is right, by the task's own data.
void TestT2008_2::part1() {
    QFETCH(QString, id);
    try {
        const QList<int> right = rightOptions(id);
        QCOMPARE(right, QList<int>{t2008_2->key().part1[size_t(zut::taskNumber(id) - 1)]});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::part1OptionsDistinct() {
    QFETCH(QString, id);
    try {
        QStringList o = optionTexts(id);
        QCOMPARE(o.size(), 4);
        o.removeDuplicates();
        QCOMPARE(o.size(), 4);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// This paper's А7 table holds only the fragment: no line of any column is
// a comment of its language.
void TestT2008_2::a7HasNoCommentRow() {
    try {
        const std::vector<QString> columns = tableColumns(element(task("А7"), Kind::Table));
        const QStringList comments = {"'", "REM", "{", "(*", "//", "|"};
        for (const QString& column : columns)
            for (const QString& line : column.split('\n'))
                for (const QString& c : comments)
                    QVERIFY2(!line.trimmed().startsWith(c), qPrintable(line));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::part2_data() {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= 8; ++n) {
        const QString id = QString("B%1").arg(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// The answer a correct solution types is the first accepted string; a
// second one is the same letters in the other case.
void TestT2008_2::part2() {
    QFETCH(QString, id);
    const auto& accepted = t2008_2->key().part2[size_t(zut::taskNumber(id) - 1)];
    try {
        const QString answer = part2Solvers.at(id)(task(id));
        QCOMPARE(answer, QString::fromUtf16(accepted[0]));
        if (accepted[1]) {
            const QString second = QString::fromUtf16(accepted[1]);
            QVERIFY(second != answer);
            QCOMPARE(second.toLower(), answer.toLower());
            QVERIFY(second == answer.toUpper() || second == answer.toLower());
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::listingsShareTheirFault_data() {
    QTest::addColumn<int>("listing");
    QTest::newRow("Паскаль") << 0;
    QTest::newRow("Бейсик") << 1;
}

// Over the years 1 … 2500 each listing answers rightly except for the
// years divisible by 400, and for every one of those it says «нет».
void TestT2008_2::listingsShareTheirFault() {
    QFETCH(int, listing);
    const Element& listings = element(task("С1"), Kind::Listings);
    const QString source = listings.columns[size_t(listing)].text;
    const auto language = listingLanguages[size_t(listing)];
    int wrong = 0;
    try {
        for (qint64 n = 1; n <= 2500; ++n) {
            const QString out = printed(language, source, n);
            if (n % 400 == 0) {
                QCOMPARE(out, QString("нет"));
                ++wrong;
            } else {
                QVERIFY2(out == (leap(n) ? "да" : "нет"),
                         qPrintable(QString("%1: %2").arg(n).arg(out)));
            }
        }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QCOMPARE(wrong, 6);
}

// Taking out the check of evenness with its «else» branch changes nothing
// the listing prints.
void TestT2008_2::superfluousCheck() {
    QFETCH(int, listing);
    const Element& listings = element(task("С1"), Kind::Listings);
    const QString source = listings.columns[size_t(listing)].text;
    const auto language = listingLanguages[size_t(listing)];
    try {
        const QString shorter = withoutCheck(source, evennessLines[size_t(listing)]);
        QCOMPARE(shorter.count('\n'),
                 source.count('\n') - 1 - evennessLines[size_t(listing)].last.size());
        for (qint64 n = 1; n <= 2500; ++n)
            QCOMPARE(printed(language, shorter, n), printed(language, source, n));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// The year the worked solution gives is a leap year, and both listings
// answer «нет» for it.
void TestT2008_2::faultExampleOfTheSolution() {
    const zut::TaskContent& t = task("С1");
    try {
        const qint64 n = number(capture(t.solution, R"(n = (\d+))")[0]);
        QVERIFY(leap(n));
        const Element& listings = element(t, Kind::Listings);
        for (size_t i = 0; i < listingLanguages.size(); ++i)
            QCOMPARE(printed(listingLanguages[i], listings.columns[i].text, n), QString("нет"));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// С3: the game on two heaps played out from its wording; the worked
// solution names the winner, and every reply it names leaves the opponent
// a lost position or wins at once.
void TestT2008_2::gameWinner() {
    const zut::TaskContent& t = task("С3");
    try {
        const QString w = wording(t);
        const QStringList heaps = capture(w, R"(в первой (\d+) камн\w*, во второй (\d+))");
        need(w.contains("добавить один камень в одну из кучек"), "another first move");
        need(w.contains("увеличить вдвое число камней в одной из кучек"), "another second move");
        const qint64 goal = number(capture(w, R"(вместе окажется не меньше (\d+) камней)")[0]);
        const QString first = capture(w, R"(первый ход делает (\w+))")[0];
        const QString second = capture(w, R"(второй — (\w+))")[0];
        auto moves = [](qint64 a, qint64 b) {
            return std::vector<std::pair<qint64, qint64>>{
                {a + 1, b}, {a, b + 1}, {a * 2, b}, {a, b * 2}};
        };
        std::map<std::pair<qint64, qint64>, bool> memo;
        std::function<bool(qint64, qint64)> wins = [&](qint64 a, qint64 b) {
            const auto key = std::make_pair(a, b);
            if (auto it = memo.find(key); it != memo.end())
                return it->second;
            bool w = false;
            for (auto [x, y] : moves(a, b))
                if (x + y >= goal || !wins(x, y))
                    w = true;
            memo[key] = w;
            return w;
        };
        const qint64 a = number(heaps[0]), b = number(heaps[1]);
        const QString winner = wins(a, b) ? first : second;
        QVERIFY2(t.solution.startsWith("Выигрывает " + winner), qPrintable(t.solution));
        // The positions "(x, y)" of the solution after "отвечает позицией"
        // are lost for the one to move.
        for (const auto& m : rx(R"(позицией \((\d+), (\d+)\))").globalMatch(t.solution))
            QVERIFY2(!wins(number(m.captured(1)), number(m.captured(2))), qPrintable(m.captured()));
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2008_2::labelsInTheKeysAlphabet_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("first");
    QTest::newRow("B7") << "B7" << int('a');
    QTest::newRow("B8") << "B8" << 0x0410; // Cyrillic А
}

// The labels B7 and B8 ask for run from their first letter on in the
// key's alphabet, and every letter of the key is among them.
void TestT2008_2::labelsInTheKeysAlphabet() {
    QFETCH(QString, id);
    QFETCH(int, first);
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
        expected += QChar(char16_t(first + int(i)));
    QCOMPARE(labels.join(""), expected);
    const auto& accepted = t2008_2->key().part2[size_t(zut::taskNumber(id) - 1)];
    for (const char16_t* s : accepted)
        if (s)
            for (QChar c : QString::fromUtf16(s))
                QVERIFY2(labels.contains(QString(c).toLower()) ||
                             labels.contains(QString(c).toUpper()),
                         qPrintable(QString::fromUtf16(s)));
}

// No word of the paper mixes Cyrillic and Latin letters (a look-alike
// typed in the wrong alphabet).
void TestT2008_2::noMixedScriptWords() {
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
    int words = 0;
    for (const QString& text : texts)
        for (const auto& m : word.globalMatch(text)) {
            const QString w = m.captured();
            bool cyrillic = false, latin = false;
            for (QChar c : w) {
                cyrillic = cyrillic || (c.script() == QChar::Script_Cyrillic);
                latin = latin || (c.script() == QChar::Script_Latin);
            }
            QVERIFY2(!(cyrillic && latin), qPrintable(w));
            ++words;
        }
    QVERIFY(words > 1000);
}

// The answers found above, clicked and typed into the window, are all
// marked right.
void TestT2008_2::markedThroughTheWindow() {
    zut::Paper* p = t2008_2;
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

ZUT_TEST_MAIN(TestT2008_2)
#include "tst_t2008_2.moc"
