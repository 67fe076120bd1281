// Helpers for the content tests of the papers, tst_<paper>.cpp: reading a
// task's data from the content file, the solvers' common forms, and the
// checks every paper's test makes (each Part's rows, the options, the
// alphabet of the words, the paper marked through its window).
//
// Include it after "testmain.h" and "papertest.h". The test defines the
// paper it reads:
//
//     const zut::PaperContent& content() {
//         static const zut::PaperContent c = zut::readContent(":/papers/t2008_4.yaml");
//         return c;
//     }
#pragma once

#include "papertest.h"

#include "check/bases.h"
#include "check/executor.h"
#include "check/flowchart.h"
#include "check/interpret.h"
#include "check/logic.h"
#include "check/queries.h"
#include "check/routes.h"
#include "paper/content.h"
#include "paper/marking.h"
#include "paper/pagebuilder.h"
#include "paper/paper.h"
#include "shell/windowset.h"
#include "windows/start.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <utility>
#include <vector>

namespace ck = zut::check;
using zut::Element;
using Kind = zut::Element::Kind;

// The paper the test reads: each test defines it.
const zut::PaperContent& content();

// ---- Reading a task ------------------------------------------------------

// A task's data that a solver cannot read: the test fails with the reason.
struct Missing : std::runtime_error {
    explicit Missing(const QString& what)
        : std::runtime_error(what.toStdString()) {}
};

// Throws Missing with `what` unless `ok`.
inline void need(bool ok, const QString& what) {
    if (!ok)
        throw Missing(what);
}

// A pattern that reads Cyrillic words as words (\w, \b, \d by Unicode).
inline QRegularExpression
rx(const QString& pattern,
   QRegularExpression::PatternOptions more = QRegularExpression::NoPatternOption) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption | more);
}

// The task of the paper with that id ("А1", "B8", "С1").
inline const zut::TaskContent& task(const QString& id) {
    for (const zut::TaskContent& t : content().tasks)
        if (t.id == id)
            return t;
    throw Missing("no task " + id);
}

// The task's elements in page order, the elements of rows and the fields
// of Programs and Listings in their place.
inline std::vector<const Element*> elements(const zut::TaskContent& t) {
    std::vector<const Element*> all;
    std::function<void(const std::vector<Element>&)> walk = [&](const std::vector<Element>& es) {
        for (const Element& e : es) {
            all.push_back(&e);
            walk(e.children);
            walk(e.columns);
        }
    };
    walk(t.elements);
    return all;
}

// The task's elements of one kind, in page order.
inline std::vector<const Element*> elements(const zut::TaskContent& t, Kind kind) {
    std::vector<const Element*> found;
    for (const Element* e : elements(t))
        if (e->kind == kind)
            found.push_back(e);
    return found;
}

// The task's element of that kind, the n-th from 0.
inline const Element& element(const zut::TaskContent& t, Kind kind, int n = 0) {
    const auto found = elements(t, kind);
    need(n >= 0 && size_t(n) < found.size(), t.id + " lacks an element of the kind asked for");
    return *found[size_t(n)];
}

// The task's picture, the n-th from 0.
inline const Element& picture(const zut::TaskContent& t, int n = 0) {
    const auto found = elements(t, Kind::Picture);
    need(n >= 0 && size_t(n) < found.size(), t.id + " has no such picture");
    return *found[size_t(n)];
}

// The data the task's n-th picture is drawn from ("table", "chart" …).
inline QVariantMap drawn(const zut::TaskContent& t, int n = 0) {
    return picture(t, n).draw.toMap();
}

// A list in a picture's data.
inline QVariantList list(const QVariant& v) {
    return v.toList();
}

// Index labels written as a base after an underscore ("57{_8}" reads "57_8").
inline QString optionText(const QString& item) {
    static const QRegularExpression index = rx(R"(\{_(\w+)\})");
    return QString(item).replace(index, "_\\1");
}

// The task's text labels, in page order.
inline QStringList texts(const zut::TaskContent& t) {
    QStringList out;
    for (const Element* e : elements(t, Kind::Text))
        out << e->text;
    return out;
}

// The wording: the task's text labels joined, index labels as optionText
// writes them.
inline QString wording(const zut::TaskContent& t) {
    return optionText(texts(t).join(' '));
}

// The text of the task's field `name` (a field of its own, of a Programs
// or Listings element, or an answer list in a field, one answer a line).
inline QString fieldText(const zut::TaskContent& t, const QString& name) {
    for (const Element* e : elements(t, Kind::Field))
        if (e->name == name)
            return e->text;
    for (const Element* e : elements(t, Kind::Answers))
        if (e->name == name)
            return e->items.join('\n');
    throw Missing(t.id + " has no field " + name);
}

// The texts of a Programs or Listings element's fields, in their order.
inline std::vector<QString> columnTexts(const Element& e) {
    std::vector<QString> out;
    for (const Element& c : e.columns)
        out.push_back(c.text);
    return out;
}

// The four options of a Part 1 task: its answer list, or, where there is
// none, the titles of the numbered tables of its picture.
inline QStringList options(const zut::TaskContent& t) {
    for (const Element* e : elements(t, Kind::Answers))
        return e->items;
    QStringList titles;
    for (const Element* e : elements(t, Kind::Picture))
        if (e->draw.toMap().contains("tables"))
            for (const QVariant& table : list(e->draw.toMap()["tables"]))
                titles << table.toMap()["title"].toString();
    need(titles.size() == 4, t.id + " has neither answers nor four numbered tables");
    return titles;
}

// ---- Reading a text ------------------------------------------------------

// The first match of `pattern` in `text`, all its groups.
inline QStringList capture(const QString& text, const QString& pattern) {
    const auto m = rx(pattern).match(text);
    need(m.hasMatch(), QString("no \"%1\" in \"%2\"").arg(pattern, text));
    return m.capturedTexts().mid(1);
}

// A whole number as the paper writes it: "−3" with the minus sign, "65 536"
// with a blank between thousands.
inline qint64 number(const QString& text) {
    QString s = text;
    s.replace(QChar(0x2212), '-').remove(' ');
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    need(ok, "not a whole number: " + text);
    return v;
}

// The number in group `group` (from 1) of the first match of `pattern`.
inline qint64 numberIn(const QString& text, const QString& pattern, int group = 1) {
    const QStringList m = capture(text, pattern);
    need(group >= 1 && group <= m.size(), "no group " + QString::number(group) + " in " + pattern);
    return number(m[group - 1]);
}

// A number or ordinal the wordings write as a word ("пяти", "третьей",
// "восьмеричной"), in any case of its first letter.
inline int numeral(const QString& word) {
    static const std::map<QString, int> words = [] {
        std::map<QString, int> w = {
            {"один", 1},         {"одна", 1},        {"одной", 1},
            {"одного", 1},       {"два", 2},         {"две", 2},
            {"двух", 2},         {"три", 3},         {"трёх", 3},
            {"четыре", 4},       {"четырёх", 4},     {"пять", 5},
            {"пяти", 5},         {"шесть", 6},       {"шести", 6},
            {"семь", 7},         {"семи", 7},        {"восемь", 8},
            {"восьми", 8},       {"девять", 9},      {"девяти", 9},
            {"десять", 10},      {"десяти", 10},     {"двоичной", 2},
            {"троичной", 3},     {"четверичной", 4}, {"пятеричной", 5},
            {"восьмеричной", 8}, {"десятичной", 10}, {"шестнадцатеричной", 16},
            {"третий", 3},       {"третья", 3},      {"третье", 3},
            {"третьей", 3},      {"третьем", 3},     {"третью", 3},
            {"третьего", 3},
        };
        // The ordinals of regular stems, in the endings the wordings use.
        const std::pair<const char*, int> stems[] = {
            {"перв", 1},   {"втор", 2},        {"четвёрт", 4},   {"пят", 5},
            {"шест", 6},   {"седьм", 7},       {"восьм", 8},     {"девят", 9},
            {"десят", 10}, {"одиннадцат", 11}, {"двенадцат", 12}};
        for (const auto& [stem, n] : stems)
            for (const char* ending : {"ый", "ой", "ая", "ое", "ую", "ом", "ого"})
                w[QString::fromUtf8(stem) + QString::fromUtf8(ending)] = n;
        return w;
    }();
    const QString lower = word.toLower();
    need(words.contains(lower), "unknown numeral " + word);
    return words.at(lower);
}

// A volume written in an answer ("60 байт", "4 бита", "12,5 Кбайт"), in bits.
inline double bits(const QString& option) {
    const QStringList m =
        capture(option, R"(^(\d+(?:,\d+)?) (бит|бита|битов|байт|байта|байтов|Кбайт|Кбайта)$)");
    const double v = QString(m[0]).replace(',', '.').toDouble();
    if (m[1].startsWith("бит"))
        return v;
    return m[1].startsWith("К") ? v * 8192 : v * 8;
}

// Names listed as "А, Д, Р и У".
inline QStringList listed(const QString& text) {
    return QString(text).replace(" и ", ", ").split(", ");
}

// A field's lines as one line, for patterns that run across them.
inline QString oneLine(const QString& text) {
    return QString(text).replace('\n', ' ');
}

// A formula as a label stores it, after `words` up to the closing
// question mark ("&&" is the conjunction).
inline QString formulaAfter(const QString& w, const QString& words) {
    return capture(w, words + R"( (.+)\?$)")[0];
}

// ---- The solvers' forms --------------------------------------------------

// A Part 1 solver reads a task and says of each option (number 1 … 4 and
// text) whether it is right; a Part 2 solver gives the string to type.
using Verdict = std::function<bool(int, const QString&)>;
using Solver = std::function<Verdict(const zut::TaskContent&)>;
using Part2Solver = std::function<QString(const zut::TaskContent&)>;
using Part1Solvers = std::map<QString, Solver>;
using Part2Solvers = std::map<QString, Part2Solver>;

// Right where the option, read by `read`, is `value` (within `tolerance`).
inline Verdict equalTo(double value, double (*read)(const QString&), double tolerance = 0) {
    return [value, read, tolerance](int, const QString& o) {
        return std::abs(read(o) - value) <= tolerance;
    };
}

// An option that is a whole number, as a number.
inline double asNumber(const QString& o) {
    return double(number(o));
}

// An option written with its base ("74_8"): the digits and the base.
inline std::pair<QString, int> based(const QString& o) {
    const QStringList m = capture(o, R"(^(\w+)_(\d+)$)");
    return {m[0], int(number(m[1]))};
}

// Right where the option is `digits` with the base `base` written after.
inline Verdict basedAs(const QString& digits, int base) {
    return [digits, base](int, const QString& o) {
        const auto [d, b] = based(optionText(o));
        return d == digits && b == base;
    };
}

// Right where the option names `value` written in `base`, digit for digit.
inline Verdict writtenIn(qint64 value, int base) {
    return basedAs(ck::toBase(value, base), base);
}

// The options `solvers` finds right of task `id`, 1 … 4.
inline QList<int> rightOptions(const Part1Solvers& solvers, const QString& id) {
    const zut::TaskContent& t = task(id);
    const Verdict right = solvers.at(id)(t);
    const QStringList o = options(t);
    need(o.size() == 4, id + " has not four options");
    QList<int> found;
    for (int k = 1; k <= 4; ++k)
        if (right(k, o[k - 1]))
            found << k;
    return found;
}

// ---- Pictures and programs -----------------------------------------------

// A picture's flowchart in the list form the flowchart solver reads.
inline QVariantList flowList(const QVariantList& steps) {
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

// The columns of a drawn table, each its cells from top to bottom under
// the heading row, one line a cell.
inline std::vector<QString> tableColumns(const Element& table) {
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

// The languages of a fragment in three languages, in the paper's order.
inline const std::vector<ck::Language> threeLanguages = {ck::Language::Basic, ck::Language::Pascal,
                                                         ck::Language::Algorithmic};

// The three fragments, each with its language.
inline std::vector<std::pair<ck::Language, QString>>
inThreeLanguages(const std::vector<QString>& fragments) {
    need(fragments.size() == 3, "not three fragments");
    std::vector<std::pair<ck::Language, QString>> out;
    for (size_t i = 0; i < 3; ++i)
        out.push_back({threeLanguages[i], fragments[i]});
    return out;
}

// The three fragments run each in its language; the runs must agree.
inline ck::Comparison runThree(const std::vector<QString>& fragments) {
    const ck::Comparison c = ck::runAll(inThreeLanguages(fragments));

    need(c.agree(), "the three languages disagree: " + c.differences.join("; "));
    return c;
}

// The fragments of the task's Programs element, or else of its drawn
// table, run as runThree does.
inline ck::Comparison runThree(const zut::TaskContent& t) {
    const auto programs = elements(t, Kind::Programs);
    return runThree(programs.empty() ? tableColumns(element(t, Kind::Table))
                                     : columnTexts(*programs.front()));
}

// The cells of a spreadsheet picture, by their names ("B3"); empty cells
// left out.
inline std::map<QString, QString> sheet(const Element& picture) {
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

// A numbered table of road lengths (its corner empty) as the route solver
// reads it: the places, then a line a place with '-' where no road is.
inline ck::RoadMap roadTable(const QVariantMap& table) {
    const QStringList head = table["head"].toStringList();
    need(!head.isEmpty() && head.front().isEmpty(), "the table's corner is not empty");
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

// ---- С1 and С3 -----------------------------------------------------------

// The text of С1's listing `i`, from 0, as its Listings element sets them
// side by side.
inline QString listing(int i) {
    const Element& listings = element(task("С1"), Kind::Listings);
    need(i >= 0 && size_t(i) < listings.columns.size(), "С1 has no listing " + QString::number(i));
    return listings.columns[size_t(i)].text;
}

// A listing run in `language` with `input`, one value a line.
template <class... Input>
ck::RunResult runWith(ck::Language language, const QString& listing, Input... input) {
    ck::RunOptions o;
    o.input = {QString::number(input)...};
    return ck::run(language, listing, o);
}

// What a listing prints for `input`, as one string.
template <class... Input>
QString printed(ck::Language language, const QString& listing, Input... input) {
    return runWith(language, listing, input...).output.join('\n').trimmed();
}

// The listing with lines taken out: for each of `first` the first line
// that reads so (trimmed), for each of `last` the last one.
inline QString withoutLines(const QString& listing, const QStringList& first,
                            const QStringList& last = {}) {
    QStringList lines = listing.split('\n');
    const auto reads = [](const QString& r) {
        return [r](const QString& l) { return l.trimmed() == r; };
    };
    for (const QString& r : first) {
        const auto at = std::find_if(lines.begin(), lines.end(), reads(r));
        need(at != lines.end(), "no line " + r);
        lines.erase(at);
    }
    for (const QString& r : last) {
        const auto at = std::find_if(lines.rbegin(), lines.rend(), reads(r));
        need(at != lines.rend(), "no line " + r);
        lines.erase(std::next(at).base());
    }
    return lines.join('\n');
}

// The listing with the first line that reads `line` (trimmed) written as
// `with` instead.
inline QString replacedLine(const QString& listing, const QString& line, const QString& with) {
    QStringList lines = listing.split('\n');
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.trimmed() == line; });
    need(at != lines.end(), "no line " + line);
    *at = with;
    return lines.join('\n');
}

// A game of a heap of stones: wins[n], 0 < n < goal, says whether the
// player to move with n stones wins, where a move turns n into one of
// `moves`(n) and whoever makes goal stones or more wins.
inline std::vector<bool> moverWins(qint64 goal,
                                   const std::function<std::vector<qint64>(qint64)>& moves) {
    std::vector<bool> wins(size_t(std::max<qint64>(goal, 1)), false);
    for (qint64 n = goal - 1; n >= 1; --n)
        for (qint64 next : moves(n)) {
            need(next > n, "a move that does not add stones");
            if (next >= goal || !wins[size_t(next)])
                wins[size_t(n)] = true;
        }
    return wins;
}

// ---- Solvers of the tasks every paper words alike --------------------------

// А6: the option is the value the picture's flowchart leaves in the
// variable the wording names ("… значение переменной b").
inline Verdict flowchartValue(const zut::TaskContent& t) {
    const QString name = capture(wording(t), R"(переменной (\w+))")[0];
    const auto run = ck::runFlowchart(ck::flowchartFromList(flowList(list(drawn(t)["flowchart"]))));
    need(run.variables.contains(name), "the flowchart leaves no " + name);
    return equalTo(double(run.variables.at(name)), asNumber);
}

// А8: the option is the element of array A "с индексом N" that the three
// fragments leave.
inline Verdict arrayElement(const zut::TaskContent& t) {
    const qint64 index = number(capture(wording(t), R"(с индексом (\d+))")[0]);
    return equalTo(double(runThree(t).results.front().element("A", index)), asNumber);
}

// А10: the option is a formula equivalent to the one after "выражению".
inline Verdict equivalentFormula(const zut::TaskContent& t) {
    const auto f = ck::Formula::parse(formulaAfter(wording(t), "выражению"));
    return [f](int, const QString& o) { return ck::equivalent(f, ck::Formula::parse(o)); };
}

// А11: the option is a formula that fits the fragment of its truth table
// the picture draws (the last column F).
inline Verdict fitsTruthTable(const zut::TaskContent& t) {
    const QVariantMap table = drawn(t)["table"].toMap();
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

// А12: the options are the titles "k)" of the picture's four numbered
// road tables; table k is right where its shortest route from `from` to
// `to` is `length` long.
inline Verdict routeOfLength(const zut::TaskContent& t, const QString& from, const QString& to,
                             qint64 length) {
    std::vector<qint64> shortest;
    for (const QVariant& table : list(drawn(t)["tables"]))
        shortest.push_back(ck::shortestRoute(roadTable(table.toMap()), from, to).length);
    need(shortest.size() == 4, "not four tables");
    return [shortest, length](int k, const QString& title) {
        return title == QString("%1)").arg(k) && shortest[size_t(k - 1)] == length;
    };
}

// А13: the letters' codes "Л — 01" of the wording, the word after "слово"
// in them, and that code written in the base "в … системе": the option is
// those digits with their base.
inline Verdict codedWord(const zut::TaskContent& t) {
    const QString w = wording(t);
    std::map<QChar, QString> codes;
    for (const auto& m : rx(R"(([А-ЯЁ])[ \x{00A0}]— ([01]+))").globalMatch(w))
        codes[m.captured(1)[0]] = m.captured(2);
    need(codes.size() == 4, "not four letter codes");
    const QString word = capture(w, R"([Сс]лово ([А-ЯЁ]+))")[0];
    QString code;
    for (QChar c : word) {
        need(codes.contains(c), QString("no code of ") + c);
        code += codes.at(c);
    }
    const int base = numeral(capture(w, R"(в (\w+) системе)")[0]);
    return basedAs(ck::convertDigits(code, 2, base), base);
}

// B3: the one program of the executor's two numbered commands (in the
// field Memo7) that the wording asks for; the wording's example program
// must do what it says.
inline QString commandProgram(const zut::TaskContent& t) {
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

// B7: the letters of the picture's table (a letter and a fragment a row)
// in the one order whose fragments spell `address`.
inline QString spellingLetters(const zut::TaskContent& t, const QString& address) {
    std::vector<std::pair<QString, QString>> fragments;
    for (const QVariant& r : list(drawn(t)["table"].toMap()["rows"]))
        fragments.push_back({r.toStringList().value(0), r.toStringList().value(1)});
    std::vector<size_t> order(fragments.size());
    std::iota(order.begin(), order.end(), 0);
    QStringList found;
    do {
        QString spelt, letters;
        for (size_t i : order) {
            spelt += fragments[i].second;
            letters += fragments[i].first;
        }
        if (spelt == address)
            found << letters;
    } while (std::next_permutation(order.begin(), order.end()));
    need(found.size() == 1, "not exactly one way to make " + address + ": " + found.join(' '));
    return found.front();
}

// A query label of B8 as the student types it: where the labels are the
// Cyrillic capitals, the first is written with its Latin look-alike A,
// which stands for the Cyrillic А of the key.
inline QString typedQueryLabel(const QString& label) {
    return label == "A" ? QString(QChar(0x0410)) : label;
}

// B8: the labels of the four query rows (a label and a query each),
// `typed` as the student types them, in the order of the pages the
// queries find that the wording asks for.
inline QString queryOrder(const zut::TaskContent& t,
                          const std::function<QString(const QString&)>& typed = {}) {
    QStringList labels, queries;
    for (const Element& e : t.elements)
        if (e.kind == Kind::Row) {
            need(e.children.size() == 2, "a query row is a label and a query");
            labels << (typed ? typed(e.children[0].text) : e.children[0].text);
            queries << e.children[1].text;
        }
    need(labels.size() == 4, "not four queries");
    const QString w = wording(t);
    const bool ascending = w.contains("порядке возрастания");
    need(ascending || w.contains("порядке убывания"), "no order asked for");
    return ck::orderByInclusion(labels, queries, ascending);
}

// ---- The checks every paper's test makes ---------------------------------

// The data rows "А1" … "А<count>" (or "B…") of a column "id".
inline void addTaskRows(const QString& part, int count) {
    QTest::addColumn<QString>("id");
    for (int n = 1; n <= count; ++n) {
        const QString id = part + QString::number(n);
        QTest::newRow(qPrintable(id)) << id;
    }
}

// Part 1 task `id`: exactly the keyed option is right, by the task's data.
inline void checkPart1(const zut::Paper* paper, const Part1Solvers& solvers, const QString& id) {
    try {
        const QList<int> right = rightOptions(solvers, id);
        QCOMPARE(right, QList<int>{paper->key().part1[size_t(zut::taskNumber(id) - 1)]});
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Part 1 task `id` has four options, no two the same.
inline void checkOptionsDistinct(const QString& id) {
    try {
        QStringList o = options(task(id));
        QCOMPARE(o.size(), 4);
        o.removeDuplicates();
        QCOMPARE(o.size(), 4);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

// Part 2 task `id`: the answer a correct solution types is the first
// accepted string; a second one is the same letters in the other case,
// all capitals or all small.
inline void checkPart2(const zut::Paper* paper, const Part2Solvers& solvers, const QString& id) {
    const auto& accepted = paper->key().part2[size_t(zut::taskNumber(id) - 1)];
    try {
        const QString answer = solvers.at(id)(task(id));
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

// The labels a task of B7's or B8's kind asks the answer in: the first
// cells of its picture's table, or else the first child of each row.
inline QStringList answerLabels(const zut::TaskContent& t) {
    QStringList labels;
    if (!elements(t, Kind::Picture).empty() && drawn(t).contains("table")) {
        for (const QVariant& r : list(drawn(t)["table"].toMap()["rows"]))
            labels << r.toStringList().value(0);
    } else {
        for (const Element& e : t.elements)
            if (e.kind == Kind::Row && !e.children.empty())
                labels << e.children[0].text;
    }
    return labels;
}

// `count` letters in a row from `first` ("абв…", "АБВ…").
inline QString lettersFrom(QChar first, qsizetype count) {
    QString s;
    for (qsizetype i = 0; i < count; ++i)
        s += QChar(char16_t(first.unicode() + i));
    return s;
}

// No word of the paper mixes Cyrillic and Latin letters (a look-alike
// typed in the wrong alphabet).
inline void checkNoMixedScriptWords() {
    QStringList all;
    std::function<void(const std::vector<Element>&)> walk = [&](const std::vector<Element>& es) {
        for (const Element& e : es) {
            all << e.text << e.items;
            for (const Element::Cell& c : e.cells)
                all << c.text;
            walk(e.columns);
            walk(e.children);
        }
    };
    for (const zut::TaskContent& t : content().tasks)
        walk(t.elements);
    static const QRegularExpression word = rx(R"(\w+)");
    for (const QString& text : all)
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

// The answers the solvers find, clicked and typed into the paper's window
// as a student does, are all marked right and give full marks.
inline void checkMarkedThroughTheWindow(zut::Paper* p, const Part1Solvers& part1,
                                        const Part2Solvers& part2) {
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(p));
    try {
        for (int n = 1; n <= 20; ++n) {
            const QString id = QString("А%1").arg(n);
            const QList<int> right = rightOptions(part1, id);
            QVERIFY2(right.size() == 1, qPrintable(id + " has no single right option"));
            QTest::mouseClick(option(p, n, right.front()), Qt::LeftButton, {}, QPoint(7, 8));
            QVERIFY(option(p, n, right.front())->isChecked());
        }
        for (int n = 1; n <= 8; ++n) {
            const QString id = QString("B%1").arg(n);
            const QString answer = part2.at(id)(task(id));
            QLineEdit* f = answerField(p, n);
            f->setFocus();
            type(f, answer);
            QCOMPARE(p->answerSlot(n), answer);
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

// ---- The test class ------------------------------------------------------

// The slots every paper's content test runs, over the window set made for
// the whole test. A paper's test derives from it, names its paper and its
// solvers, and adds the slots of its own tasks (С1, С3, the labels …).
class PaperTest : public QObject {
    Q_OBJECT
public:
    PaperTest(const Part1Solvers& part1, const Part2Solvers& part2)
        : part1_(part1)
        , part2_(part2) {}

protected:
    // The paper's window, made with the window set.
    virtual zut::Paper* paper() const = 0;

private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void part1_data() { addTaskRows("А", 20); }
    // Exactly the keyed option is right, by the task's own data.
    void part1() {
        QFETCH(QString, id);
        checkPart1(paper(), part1_, id);
    }
    void part1OptionsDistinct_data() { part1_data(); }
    void part1OptionsDistinct() {
        QFETCH(QString, id);
        checkOptionsDistinct(id);
    }
    void part2_data() { addTaskRows("B", 8); }
    void part2() {
        QFETCH(QString, id);
        checkPart2(paper(), part2_, id);
    }
    void noMixedScriptWords() { checkNoMixedScriptWords(); }
    // The title window hidden, the paper's window alone is marked.
    void markedThroughTheWindow() {
        Tityl->hide();
        checkMarkedThroughTheWindow(paper(), part1_, part2_);
    }

private:
    const Part1Solvers& part1_;
    const Part2Solvers& part2_;
    std::unique_ptr<zut::WindowSet> set_;
};
