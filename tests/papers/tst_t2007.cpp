// The 2007 paper's own content check: every task whose answer can be
// computed is solved again from the data the page shows (texts, field
// texts, the data its pictures are drawn from), and exactly the keyed
// option, or the first accepted string, must carry that answer. The
// listings are run in each of their languages, the pictures' cut-off
// strips must be blank, and marking the paper with the computed answers
// must give full marks.
#include "testmain.h"

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
#include "papertest.h"
#include "shell/windowset.h"
#include "windows/start.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

using zut::Element;
using Kind = zut::Element::Kind;
namespace check = zut::check;

// A fault in the task's data that stops it being solved.
struct DataError : std::runtime_error {
    explicit DataError(const QString& what)
        : std::runtime_error(what.toStdString()) {}
};

const zut::PaperContent& content() {
    static const zut::PaperContent c = zut::readContent(":/papers/t2007.yaml");
    return c;
}

const zut::TaskContent& task(const QString& id) {
    for (const zut::TaskContent& t : content().tasks)
        if (t.id == id)
            return t;
    throw DataError("no task " + id);
}

// The elements of a task in page order, rows and program columns opened.
void collect(const std::vector<Element>& from, std::vector<const Element*>& out) {
    for (const Element& e : from) {
        out.push_back(&e);
        collect(e.children, out);
        collect(e.columns, out);
    }
}
std::vector<const Element*> elements(const QString& id, Kind kind) {
    std::vector<const Element*> all, found;
    collect(task(id).elements, all);
    for (const Element* e : all)
        if (e->kind == kind)
            found.push_back(e);
    return found;
}

QStringList texts(const QString& id) {
    QStringList t;
    for (const Element* e : elements(id, Kind::Text))
        t << e->text;
    return t;
}
QString allText(const QString& id) {
    return texts(id).join(' ');
}
QString field(const QString& id, const QString& name) {
    for (const Element* e : elements(id, Kind::Field))
        if (e->name == name)
            return e->text;
    for (const Element* e : elements(id, Kind::Answers))
        if (e->name == name)
            return e->items.join('\n');
    throw DataError(id + " has no field " + name);
}
QStringList options(const QString& id) {
    const auto a = elements(id, Kind::Answers);
    if (a.size() != 1)
        throw DataError(id + " has no answer list");
    return a.front()->items;
}
QVariantMap picture(const QString& id, size_t index = 0) {
    const auto p = elements(id, Kind::Picture);
    if (p.size() <= index)
        throw DataError(id + " has too few pictures");
    return p[index]->draw.toMap();
}
const Element& table(const QString& id) {
    const auto t = elements(id, Kind::Table);
    if (t.size() != 1)
        throw DataError(id + " has no drawn table");
    return *t.front();
}

// The first match of `pattern` in `text`, its group `group`.
QString capture(const QString& text, const QString& pattern, int group = 1) {
    const auto m = QRegularExpression(pattern).match(text);
    if (!m.hasMatch())
        throw DataError("no \"" + pattern + "\" in \"" + text.left(80) + "…\"");
    return m.captured(group);
}
qint64 number(const QString& text) {
    QString t = text;
    t.replace(QChar(0x2212), '-').remove(' ');
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok)
        throw DataError("not a number: " + text);
    return n;
}
qint64 numberIn(const QString& text, const QString& pattern, int group = 1) {
    return number(capture(text, pattern, group));
}

// Russian number words as the wordings use them.
int numberWord(const QString& w) {
    static const std::map<QString, int> words = {{"двух", 2},   {"трёх", 3},      {"четырёх", 4},
                                                 {"пяти", 5},   {"первая", 1},    {"вторая", 2},
                                                 {"третья", 3}, {"четвёртая", 4}, {"пятая", 5},
                                                 {"шестая", 6}, {"седьмая", 7}};
    const auto it = words.find(w.toLower());
    if (it == words.end())
        throw DataError("not a number word: " + w);
    return it->second;
}
int baseWord(const QString& w) {
    static const std::map<QString, int> bases = {{"двоичной", 2},
                                                 {"троичной", 3},
                                                 {"восьмеричной", 8},
                                                 {"десятичной", 10},
                                                 {"шестнадцатеричной", 16}};
    const auto it = bases.find(w);
    if (it == bases.end())
        throw DataError("not a base: " + w);
    return it->second;
}

// A formula as written on the page, in the solvers' notation.
QString formulaText(QString s) {
    s.replace(QChar(0x00B7), '*'); // ·
    s.replace(QChar(0x2212), '-'); // −
    s.remove('?');
    return s.trimmed();
}

// An amount of information such as "72 байта", in bits.
qint64 bitsOf(const QString& amount) {
    const qint64 n = numberIn(amount, R"(^(\d+))");
    if (amount.contains("Кбайт"))
        return n * check::bitsIn(check::Unit::Kbyte);
    if (amount.contains("байт"))
        return n * check::bitsIn(check::Unit::Byte);
    if (amount.contains("бит"))
        return n;
    throw DataError("no unit in " + amount);
}

using Verdicts = std::array<bool, 4>;
template <class F> Verdicts each(const QStringList& items, F right) {
    if (items.size() != 4)
        throw DataError("not four answers");
    Verdicts v{};
    for (int i = 0; i < 4; ++i)
        v[size_t(i)] = right(items[i]);
    return v;
}

// ---- Part 1: which of the four options are right, from the task's data ----

Verdicts a1() {
    const QStringList t = texts("А1");
    const qint64 perCharacter = numberIn(t[0], R"((\d+) бит)");
    const QString phrase = capture(t[1], "«(.*)»");
    const qint64 bits = check::textBits(phrase, perCharacter);
    return each(options("А1"), [&](const QString& o) { return bitsOf(o) == bits; });
}

Verdicts a2() {
    const QString t = allText("А2");
    const int kinds = numberWord(capture(t, R"(в одном из (\S+) положений)"));
    const int length = numberWord(capture(t, R"(ровно из (\S+) положений)"));
    const qint64 count = check::codeCount(kinds, length);
    return each(options("А2"), [&](const QString& o) { return number(o) == count; });
}

Verdicts a3() {
    const QString t = allText("А3");
    const qint64 low = numberIn(t, R"(от ([−-]?\d+) до)");
    const qint64 high = numberIn(t, R"(до \+?(\d+))");
    const qint64 count = numberIn(t, R"(записи (\d+) измерений)");
    const qint64 bits = check::messageBits(count, high - low + 1);
    return each(options("А3"), [&](const QString& o) { return bitsOf(o) == bits; });
}

Verdicts a4() {
    const QString t = allText("А4");
    const qint64 value = numberIn(t, R"(число (\d+) в)");
    const int base = baseWord(capture(t, R"(в (\S+) системе)"));
    const QString written = check::toBase(value, base);
    return each(options("А4"), [&](const QString& o) { return o == written; });
}

Verdicts a5() {
    const QString t = allText("А5");
    QString expression = capture(t, R"(выражения (.+?) и запишите)");
    expression.replace(QRegularExpression(R"(\{_(\d+)\})"), "_\\1");
    expression = formulaText(expression);
    const int base = baseWord(capture(t, R"(в (\S+) системе)"));
    const QString value = check::evaluateBased(expression, base);
    return each(options("А5"), [&](const QString& o) { return o == value; });
}

// The picture's flowchart in the solver's text form.
QString flowchartText(const QVariantList& steps, int depth) {
    const QString indent(depth * 2, ' ');
    QString out;
    for (const QVariant& s : steps) {
        const QVariantMap m = s.toMap();
        if (m.contains("start"))
            out += indent + "начало\n";
        else if (m.contains("end"))
            out += indent + "конец\n";
        else if (m.contains("do"))
            out += indent + m["do"].toString() + "\n";
        else if (m.contains("input"))
            out += indent + "ввод " + m["input"].toString() + "\n";
        else if (m.contains("output"))
            out += indent + "вывод " + m["output"].toString() + "\n";
        else if (m.contains("if")) {
            out += indent + "если " + m["if"].toString() + "\n";
            out += indent + "  да\n" + flowchartText(m.value("then").toList(), depth + 2);
            out += indent + "  нет\n" + flowchartText(m.value("else").toList(), depth + 2);
        } else if (m.contains("while")) {
            out += indent + "пока " + m["while"].toString() + "\n";
            out += flowchartText(m.value("body").toList(), depth + 1);
        } else {
            throw DataError("an unknown flowchart step");
        }
    }
    return out;
}

Verdicts a6() {
    const QVariantList steps = picture("А6")["flowchart"].toList();
    const check::FlowchartRun run =
        check::runFlowchart(check::flowchartFromText(flowchartText(steps, 0)));
    if (run.output.size() != 1)
        throw DataError("the flowchart prints " + QString::number(run.output.size()) + " values");
    return each(options("А6"), [&](const QString& o) { return number(o) == run.output[0]; });
}

// А7: the fragment's lines, one column a language, as the drawn table shows them.
std::vector<std::pair<check::Language, QString>> a7Fragments() {
    const Element& t = table("А7");
    if (t.columnRules.size() != 2)
        throw DataError("А7's table has not three columns");
    std::map<int, QList<std::pair<int, QString>>> columns;
    for (const Element::Cell& c : t.cells) {
        if (c.bold)
            continue; // the heading row
        const int column = c.at.x() < t.columnRules[0] ? 0 : c.at.x() < t.columnRules[1] ? 1 : 2;
        columns[column] << std::pair{c.at.y(), c.text};
    }
    const check::Language languages[3] = {check::Language::Basic, check::Language::Pascal,
                                          check::Language::Algorithmic};
    std::vector<std::pair<check::Language, QString>> fragments;
    for (int i = 0; i < 3; ++i) {
        auto lines = columns[i];
        std::sort(lines.begin(), lines.end());
        QStringList text;
        for (const auto& l : lines)
            text << l.second;
        fragments.emplace_back(languages[i], text.join('\n'));
    }
    return fragments;
}

Verdicts a7() {
    const check::Comparison c = check::runAll(a7Fragments());
    if (!c.agree())
        throw DataError("А7's languages disagree: " + c.differences.join("; "));
    const qint64 x = c.results[1].integer("x"), y = c.results[1].integer("y");
    return each(options("А7"), [&](const QString& o) {
        return numberIn(o, R"(x = ([−-]?\d+))") == x && numberIn(o, R"(y = ([−-]?\d+))") == y;
    });
}

std::vector<std::pair<check::Language, QString>> a8Fragments() {
    return {{check::Language::Basic, field("А8", "MA8b")},
            {check::Language::Pascal, field("А8", "MA8P")},
            {check::Language::Algorithmic, field("А8", "MA8A")}};
}

Verdicts a8() {
    const check::Comparison c = check::runAll(a8Fragments());
    if (!c.agree())
        throw DataError("А8's languages disagree: " + c.differences.join("; "));
    const qint64 index = numberIn(allText("А8"), R"(элемент A\[(\d+)\])");
    const qint64 value = c.results[1].element("A", index);
    return each(options("А8"), [&](const QString& o) { return number(o) == value; });
}

Verdicts a9() {
    const QStringList t = texts("А9");
    const bool value = !t[0].contains("ложно");
    // The properties the statement names, each a variable of the formula.
    const std::map<QString, std::pair<QString, check::WordProperty>> known = {
        {"первая буква имени согласная",
         {"P", [](const QString& w) { return check::isConsonant(w.front()); }}},
        {"последняя буква имени гласная",
         {"Q", [](const QString& w) { return check::isVowel(w.back()); }}},
    };
    QString statement = formulaText(t[1]);
    std::map<QString, check::WordProperty> properties;
    for (auto it = QRegularExpression(R"(\(([^()]+)\))").globalMatch(statement); it.hasNext();) {
        const auto m = it.next();
        const auto k = known.find(m.captured(1));
        if (k == known.end())
            throw DataError("an unknown property: " + m.captured(1));
        properties[k->second.first] = k->second.second;
        statement.replace(m.captured(0), k->second.first);
    }
    const QStringList words =
        check::wordsWhere(check::Formula::parse(statement), options("А9"), properties, value);
    return each(options("А9"), [&](const QString& o) { return words.contains(o); });
}

Verdicts a10() {
    const check::Formula given =
        check::Formula::parse(formulaText(capture(allText("А10"), R"(выражению (.+)\?)")));
    return each(options("А10"), [&](const QString& o) {
        return check::equivalent(given, check::Formula::parse(formulaText(o)));
    });
}

Verdicts a11() {
    const QVariantMap t = picture("А11")["table"].toMap();
    QStringList head;
    for (const QVariant& h : t["head"].toList())
        head << h.toString();
    if (head.isEmpty() || head.last() != "F")
        throw DataError("А11's table does not end with F");
    head.removeLast();
    QStringList rows;
    for (const QVariant& r : t["rows"].toList()) {
        QString row;
        for (const QVariant& c : r.toList())
            row += c.toString();
        rows << row;
    }
    return each(options("А11"), [&](const QString& o) {
        return check::fitsTableFragment(check::Formula::parse(formulaText(o)), head, rows);
    });
}

// А12: the four tables of the picture are the four options.
Verdicts a12() {
    const QString t = allText("А12");
    const QString from = capture(t, R"(проезда из (\w) в (\w))", 1);
    const QString to = capture(t, R"(проезда из (\w) в (\w))", 2);
    const qint64 limit = numberIn(t, R"(не больше (\d+))");
    const QVariantList tables = picture("А12")["tables"].toList();
    if (tables.size() != 4)
        throw DataError("А12 has not four tables");
    Verdicts v{};
    for (int i = 0; i < 4; ++i) {
        const QVariantMap m = tables[i].toMap();
        if (m["title"].toString() != QString("%1)").arg(i + 1))
            throw DataError("А12's tables are not numbered in order");
        QStringList lines;
        QStringList places;
        for (const QVariant& h : m["head"].toList())
            if (!h.toString().isEmpty())
                places << h.toString();
        lines << places.join(' ');
        for (const QVariant& r : m["rows"].toList()) {
            QStringList cells;
            for (const QVariant& c : r.toList())
                cells << (c.toString().isEmpty() ? "-" : c.toString());
            lines << cells.join(' ');
        }
        const check::RoadMap map = check::roadsFromTable(lines.join('\n'));
        v[size_t(i)] = check::shortestRoute(map, from, to).length <= limit;
    }
    return v;
}

Verdicts a13() {
    const QString t = allText("А13");
    std::map<QChar, QString> codes;
    for (auto it = QRegularExpression(R"(([А-ЯЁ])[ \x{00A0}]— ([01]+))").globalMatch(t);
         it.hasNext();) {
        const auto m = it.next();
        codes[m.captured(1)[0]] = m.captured(2);
    }
    const QString word = capture(t, R"(слова ([А-ЯЁ]+))");
    const int base = baseWord(capture(t, R"(в (\S+) системе)"));
    const QString value = check::convertDigits(check::encode(word, codes), 2, base);
    return each(options("А13"), [&](const QString& o) { return o == value; });
}

Verdicts a14() {
    // The beads each rule allows, in the order of the rules.
    std::vector<QString> allowed;
    for (const QString& line : field("А14", "Memo1").split('\n'))
        if (QRegularExpression(R"(^\d\))").match(line).hasMatch()) {
            QString beads;
            for (auto it = QRegularExpression(R"(\b([A-Z])\b)").globalMatch(line); it.hasNext();)
                beads += it.next().captured(1);
            allowed.push_back(beads);
        }
    if (allowed.size() != 3)
        throw DataError("А14 has not three rules");
    return each(options("А14"), [&](const QString& chain) {
        if (chain.size() != 3)
            return false;
        for (int i = 0; i < 3; ++i)
            if (!allowed[size_t(i)].contains(chain[i]) || chain.left(i).contains(chain[i]))
                return false;
        return true;
    });
}

// A file mask: "?" is one character, "*" any run of them, the empty one too.
bool fitsMask(QStringView mask, QStringView name) {
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask.front() == '*')
        for (qsizetype skip = 0; skip <= name.size(); ++skip)
            if (fitsMask(mask.mid(1), name.mid(skip)))
                return true;
    if (mask.front() == '*')
        return false;
    if (name.isEmpty() || (mask.front() != '?' && mask.front() != name.front()))
        return false;
    return fitsMask(mask.mid(1), name.mid(1));
}

Verdicts a15() {
    const QString mask = capture(allText("А15"), R"(маске (\S+))");
    return each(options("А15"), [&](const QString& o) { return fitsMask(mask, o); });
}

Verdicts a16() {
    const QVariantMap t = picture("А16")["table"].toMap();
    QStringList head;
    for (const QVariant& h : t["head"].toList())
        head << h.toString();
    const auto name = head.indexOf("Фамилия"), points = head.indexOf("Баллы"),
               time = head.indexOf("Время, мин");
    if (name < 0 || points < 0 || time < 0)
        throw DataError("А16's table lacks a column");
    QList<QStringList> rows;
    for (const QVariant& r : t["rows"].toList()) {
        QStringList row;
        for (const QVariant& c : r.toList())
            row << c.toString();
        rows << row;
    }
    // More points first; of equal points, less time first.
    std::sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        if (a[points].toInt() != b[points].toInt())
            return a[points].toInt() > b[points].toInt();
        return a[time].toInt() < b[time].toInt();
    });
    QStringList order;
    for (const QStringList& r : rows)
        order << r[name];
    return each(options("А16"), [&](const QString& o) { return o == order.join(", "); });
}

Verdicts a17() {
    const QString t = allText("А17");
    const qint64 width = numberIn(t, R"((\d+) × (\d+))", 1);
    const qint64 height = numberIn(t, R"((\d+) × (\d+))", 2);
    const qint64 bits = bitsOf(capture(t, R"((\d+ Кбайт))"));
    if (bits % (width * height))
        throw DataError("А17's picture has no whole number of bits a point");
    const qint64 colours = qint64(1) << (bits / (width * height));
    if (check::rasterBits(width, height, colours) != bits)
        throw DataError("А17: the volume solver disagrees");
    return each(options("А17"), [&](const QString& o) { return number(o) == colours; });
}

Verdicts a18() {
    const QString t = allText("А18");
    const QString formula = capture(t, R"(формула (=\S+?)\.\s)");
    const QString from = capture(t, R"(ячейку ([A-Z]+\d+) скопировать в ячейку ([A-Z]+\d+))", 1);
    const QString to = capture(t, R"(ячейку ([A-Z]+\d+) скопировать в ячейку ([A-Z]+\d+))", 2);
    const QString copied = check::copyFormula(formula, from, to);
    return each(options("А18"), [&](const QString& o) { return o == copied; });
}

Verdicts a19() {
    const QString wording = field("А19", "Memo3");
    const QString hidden = capture(wording, R"(в ячейке ([A-Z]\d+) скрыто)");
    const QString first = capture(wording, R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))", 1);
    const QString last = capture(wording, R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))", 3);
    const QString row = capture(wording, R"(диапазона ([A-Z])(\d+):([A-Z])(\d+))", 2);
    const QVariantMap sheet = picture("А19", 0)["spreadsheet"].toMap();
    const QVariantMap chart = picture("А19", 1)["chart"].toMap();
    std::map<QString, QString> cells;
    QStringList columns;
    for (const QVariant& c : sheet["columns"].toList())
        columns << c.toString();
    int r = sheet["first-row"].toInt();
    for (const QVariant& line : sheet["rows"].toList()) {
        const QVariantList values = line.toList();
        for (int c = 0; c < values.size(); ++c)
            cells[columns[c] + QString::number(r)] = values[c].toString();
        ++r;
    }
    if (cells[hidden] != "?")
        throw DataError("А19's hidden cell is not shown as hidden");
    std::vector<double> drawn;
    double drawnSum = 0;
    for (const QVariant& v : chart["values"].toList()) {
        drawn.push_back(v.toDouble());
        drawnSum += v.toDouble();
    }
    return each(options("А19"), [&](const QString& o) {
        auto filled = cells;
        filled[hidden] = o;
        const auto values = check::evaluateSheet(filled);
        std::vector<double> range;
        double sum = 0;
        for (QChar c = first[0]; c <= last[0]; c = QChar(c.unicode() + 1)) {
            const double v = values.at(QString(c) + row);
            if (v < 0)
                return false; // a pie has no negative sector
            range.push_back(v);
            sum += v;
        }
        if (range.size() != drawn.size() || sum <= 0)
            return false;
        for (size_t i = 0; i < range.size(); ++i)
            if (std::abs(range[i] / sum - drawn[i] / drawnSum) > 1e-9)
                return false;
        return true;
    });
}

// А20: the Editor's algorithm, read from its text and run on a string. It
// knows what the algorithm uses: "нц пока" … "кц", "если" … "все" with
// one-command branches "то …" and "иначе …", and the two commands.
class Editor {
public:
    explicit Editor(const QString& algorithm) {
        for (const QString& l : algorithm.split('\n'))
            if (!l.trimmed().isEmpty())
                lines_ << l.trimmed();
        if (lines_.size() < 2 || lines_.front() != "нач" || lines_.back() != "кон")
            throw DataError("the algorithm is not framed by нач and кон");
    }
    QString run(const QString& start) {
        s_ = start;
        block(1, lines_.size() - 1);
        return s_;
    }

private:
    QStringList lines_;
    QString s_;
    int turns_ = 0;

    bool holds(const QString& c) const {
        if (c == "длина нечётна" || c == "длина чётна")
            return (s_.size() % 2 == 1) == (c == "длина нечётна");
        const auto m = QRegularExpression(R"(^длина ([<>]) (\d+)$)").match(c);
        if (!m.hasMatch())
            throw DataError("an unknown condition: " + c);
        const qint64 n = m.captured(2).toLongLong();
        return m.captured(1) == ">" ? s_.size() > n : s_.size() < n;
    }
    void command(const QString& c) {
        const auto m = QRegularExpression(R"(^(в_конец|удали)\(([^()]+)\)$)").match(c);
        if (!m.hasMatch())
            throw DataError("an unknown command: " + c);
        const qint64 k = m.captured(2) == "длина" ? s_.size() : number(m.captured(2));
        if (k < 1 || k > s_.size())
            throw DataError("no letter " + QString::number(k) + " in " + s_);
        const QChar letter = s_[k - 1];
        s_.remove(k - 1, 1);
        if (m.captured(1) == "в_конец")
            s_ += letter;
    }
    // The line that closes the construct opened on line `from`.
    qsizetype closing(qsizetype from, const QString& open, const QString& close) const {
        int depth = 0;
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_[i].startsWith(open))
                ++depth;
            else if (lines_[i] == close && --depth == 0)
                return i;
        }
        throw DataError("no " + close + " for " + lines_[from]);
    }
    // Runs the lines [from, to).
    void block(qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const QString& l = lines_[i];
            if (l.startsWith("нц пока ")) {
                const qsizetype end = closing(i, "нц", "кц");
                while (holds(l.mid(8))) {
                    if (++turns_ > 10000)
                        throw DataError("the loop does not end");
                    block(i + 1, end);
                }
                i = end;
            } else if (l.startsWith("если ")) {
                const qsizetype end = closing(i, "если", "все");
                if (end != i + 3 || !lines_[i + 1].startsWith("то ") ||
                    !lines_[i + 2].startsWith("иначе "))
                    throw DataError("a branch is not one command: " + l);
                command(holds(l.mid(5)) ? lines_[i + 1].mid(3) : lines_[i + 2].mid(6));
                i = end;
            } else {
                command(l);
            }
        }
    }
};

Verdicts a20() {
    const QString description = field("А20", "Memo4");
    const QString start = capture(description, R"(для строки\s+([А-ЯЁ]+))").trimmed();
    const QString result = Editor(field("А20", "Memo5")).run(start);
    return each(options("А20"), [&](const QString& o) { return o == result; });
}

const std::map<QString, std::function<Verdicts()>>& part1Solvers() {
    static const std::map<QString, std::function<Verdicts()>> s = {
        {"А1", a1},   {"А2", a2},   {"А3", a3},   {"А4", a4},   {"А5", a5},
        {"А6", a6},   {"А7", a7},   {"А8", a8},   {"А9", a9},   {"А10", a10},
        {"А11", a11}, {"А12", a12}, {"А13", a13}, {"А14", a14}, {"А15", a15},
        {"А16", a16}, {"А17", a17}, {"А18", a18}, {"А19", a19}, {"А20", a20}};
    return s;
}

// The one right option of a Part 1 task, 1 … 4, or 0 where not exactly one is.
int rightOption(const QString& id) {
    const Verdicts v = part1Solvers().at(id)();
    if (std::count(v.begin(), v.end(), true) != 1)
        return 0;
    return int(std::find(v.begin(), v.end(), true) - v.begin()) + 1;
}

// ---- Part 2: the string a correct solution types -----------------------------

QString b1() {
    const QString t = allText("B1");
    const qint64 value = numberIn(t, R"(числа (\d+) равна (\d+))", 1);
    const int digit = int(numberIn(t, R"(числа (\d+) равна (\d+))", 2));
    QStringList bases;
    for (qint64 b : check::basesEndingIn(value, digit))
        bases << QString::number(b);
    return bases.join(',');
}

QString b2() {
    const QStringList t = texts("B2");
    const check::Formula f = check::Formula::parse(formulaText(t[1]), {"X"});
    const bool greatest = t[0].contains("наибольшее");
    const bool value = t[0].contains("истинно");
    const auto x = greatest ? check::greatestWhere(f, value, -10000, 10000)
                            : check::leastWhere(f, value, -10000, 10000);
    if (!x || *x == 10000 || *x == -10000)
        throw DataError("B2 has no bound within the range searched");
    return QString::number(*x);
}

QString b3() {
    const QString t = field("B3", "Memo7");
    QStringList commands;
    for (auto it = QRegularExpression(R"(^\s*(\d)\. (.+)$)", QRegularExpression::MultilineOption)
                       .globalMatch(t);
         it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() != commands.size() + 1)
            throw DataError("B3's commands are not numbered in order");
        commands << m.captured(2).trimmed();
    }
    const QStringList parsed = check::parseCommands(commands.join('\n'));
    // The example the wording gives must do what it says.
    const QString example = capture(t, R"(программа (\d+) —)");
    const auto exampleRun =
        QRegularExpression(R"(преобразует число (\d+) в число\s+(\d+))").match(t);
    if (!exampleRun.hasMatch() ||
        check::runCommands(parsed, exampleRun.captured(1).toLongLong(), example) !=
            exampleRun.captured(2).toLongLong())
        throw DataError("B3's example does not do what the wording says");
    const QString task = t.mid(t.indexOf("Запишите"));
    const qint64 from = numberIn(task, R"(число (\d+) в число\s+(\d+))", 1);
    const qint64 to = numberIn(task, R"(число (\d+) в число\s+(\d+))", 2);
    const int most = int(numberIn(task, R"(не более (\d+) команд)"));
    const QStringList programs = check::programsFor(parsed, from, to, most);
    if (programs.size() != 1)
        throw DataError("B3 has " + QString::number(programs.size()) +
                        " programs: " + programs.join(' '));
    return programs.front();
}

QString b4() {
    const QString t = field("B4", "Memo8");
    QString flat = t;
    flat.replace('\n', ' ');
    // The runners, in the order the first sentence names them.
    const QString line = capture(flat, R"(участвовали ([^.]+)\.)");
    QStringList names;
    for (auto it = QRegularExpression(R"([А-ЯЁ][а-яё]+)").globalMatch(line); it.hasNext();)
        names << it.next().captured(0);
    // Each forecast: two claims "runner — place".
    const QStringList stems = {"перв", "втор", "трет", "четв"};
    const QString anyName = names.join('|');
    std::vector<std::array<std::pair<int, int>, 2>> forecasts;
    for (auto it = QRegularExpression("«([^»]+)»").globalMatch(flat); it.hasNext();) {
        const QString claim = it.next().captured(1);
        std::vector<std::pair<int, int>> parts;
        for (auto c = QRegularExpression("(" + anyName + R"()[^«»]*?(перв|втор|трет|четв))")
                          .globalMatch(claim);
             c.hasNext();) {
            const auto m = c.next();
            parts.emplace_back(int(names.indexOf(m.captured(1))),
                               int(stems.indexOf(m.captured(2))) + 1);
        }
        if (parts.size() != 2)
            throw DataError("a forecast of B4 has not two claims: " + claim);
        forecasts.push_back({parts[0], parts[1]});
    }
    if (names.size() != 4 || forecasts.size() != 3)
        throw DataError("B4 has not four runners and three forecasts");
    auto halfTrue = [&](const std::array<int, 4>& place) {
        for (const auto& f : forecasts)
            if ((place[size_t(f[0].first)] == f[0].second) +
                    (place[size_t(f[1].first)] == f[1].second) !=
                1)
                return false;
        return true;
    };
    QStringList solutions;
    std::array<int, 4> place = {1, 2, 3, 4};
    do
        if (halfTrue(place))
            solutions
                << QString("%1%2%3%4").arg(place[0]).arg(place[1]).arg(place[2]).arg(place[3]);
    while (std::next_permutation(place.begin(), place.end()));
    // The example of the answer form must not be a solution.
    if (solutions.contains(capture(flat, R"(запись (\d{4}))")))
        throw DataError("B4's example is a solution");
    if (solutions.size() != 1)
        throw DataError("B4 has " + QString::number(solutions.size()) + " solutions");
    return solutions.front();
}

QString b5() {
    const QString t = allText("B5");
    double kbytes = 0;
    int parts = 0;
    for (auto it =
             QRegularExpression(R"((\d+) минут\S* [^,]*?со скоростью (\d+) бит/с)").globalMatch(t);
         it.hasNext(); ++parts) {
        const auto m = it.next();
        kbytes += check::transferSize(m.captured(2).toDouble(), check::Unit::Bit,
                                      m.captured(1).toDouble() * 60, check::Unit::Kbyte);
    }
    if (parts != 2 || kbytes != std::floor(kbytes))
        throw DataError("B5 does not come to a whole number of Kbytes");
    return QString::number(qint64(kbytes));
}

// The rule of B6, as its wording states it: twice the chain before, the
// new chain's number, twice the chain before.
const char* const b6Rule = "{s}{s}{n}{s}{s}";

QString b6() {
    const QString t = field("B6", "Memo9");
    QStringList shown;
    for (auto it = QRegularExpression(R"(^\s*(\d)\) (\d+)$)", QRegularExpression::MultilineOption)
                       .globalMatch(t);
         it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() != shown.size() + 1)
            throw DataError("B6's chains are not numbered in order");
        shown << m.captured(2);
    }
    if (shown.size() < 2)
        throw DataError("B6 shows too few chains");
    for (int n = 2; n <= shown.size(); ++n)
        if (check::buildString(shown[0], b6Rule, n) != shown[n - 1])
            throw DataError(QString("B6's chain %1 does not follow the rule").arg(n));
    const int n = numberWord(capture(t, R"(содержит (\S+)\s+цепочка)"));
    const QChar digit = capture(t, R"(отличных от (\d))")[0];
    return QString::number(check::builtLength(shown[0], b6Rule, n) -
                           check::builtCount(shown[0], b6Rule, n, digit));
}

// A label letter as the key writes it: the Latin look-alike stands for the
// Cyrillic letter.
QChar cyrillic(QChar c) {
    return c == QChar('A') ? QChar(0x0410) : c;
}

QString b7() {
    const Element& t = table("B7");
    std::map<int, QString> letters, parts;
    for (const Element::Cell& c : t.cells)
        (c.at.x() < t.columnRules.at(0) ? letters : parts)[c.at.y()] = c.text;
    if (letters.size() != parts.size())
        throw DataError("B7's rows are not whole");
    QStringList labels, fragments;
    auto l = letters.begin();
    for (auto p = parts.begin(); p != parts.end(); ++p, ++l) {
        if (std::abs(l->first - p->first) > 2)
            throw DataError("B7's letter and fragment are not on one row");
        labels << l->second;
        fragments << p->second;
    }
    const QString w = allText("B7");
    const QString file = capture(w, R"(Файл (\S+) хранится)");
    const QString server = capture(w, R"(на сервере (\S+?),)");
    const QString protocol = capture(w, R"(по протоколу (\w+))");
    const QString address = protocol + "://" + server + "/" + file;
    // Every order of the fragments that spells the address.
    std::vector<int> order(size_t(fragments.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    QStringList found;
    do {
        QString spelt, word;
        for (int i : order) {
            spelt += fragments[i];
            word += cyrillic(labels[i][0]);
        }
        if (spelt == address)
            found << word;
    } while (std::next_permutation(order.begin(), order.end()));
    if (found.size() != 1)
        throw DataError("B7's fragments spell the address in " + QString::number(found.size()) +
                        " ways");
    return found.front().toLower();
}

QString b8() {
    // Each query stands in a row: its label, then the query.
    QStringList labels, queries;
    for (const Element* r : elements("B8", Kind::Row)) {
        if (r->children.size() != 2 || r->children[0].text.size() != 1)
            throw DataError("a row of B8 is not a label and a query");
        labels << QString(cyrillic(r->children[0].text[0]));
        queries << r->children[1].text;
    }
    if (labels.size() != 4)
        throw DataError("B8 has not four queries");
    const bool ascending = allText("B8").contains("возрастания");
    return check::orderByInclusion(labels, queries, ascending).toLower();
}

const std::map<QString, std::function<QString()>>& part2Solvers() {
    static const std::map<QString, std::function<QString()>> s = {
        {"B1", b1}, {"B2", b2}, {"B3", b3}, {"B4", b4},
        {"B5", b5}, {"B6", b6}, {"B7", b7}, {"B8", b8}};
    return s;
}

// ---- С1: the three listings ------------------------------------------------

struct Listing {
    const char* name;
    check::Language language;
    // The superfluous check, as the listing writes it, and the missing
    // condition added where the listing's other two stand.
    QStringList superfluous;
    const char* written;
    const char* fixed;
};
const Listing listings[] = {
    {"Memo10",
     check::Language::Pascal,
     {"if a <= 0 then", "ok := false;"},
     "(b < a + c);",
     "(b < a + c) and (c < a + b);"},
    {"Memo11",
     check::Language::Basic,
     {"IF A <= 0 THEN OK = 0"},
     "B < A + C THEN",
     "B < A + C AND C < A + B THEN"},
    {"Memo12",
     check::Language::C,
     {"if (a <= 0)", "ok = 0;"},
     "(b < a + c);",
     "(b < a + c) && (c < a + b);"},
};

QString verdictFor(const Listing& l, const QString& source, int a, int b, int c) {
    check::RunOptions options;
    options.input = {QString::number(a), QString::number(b), QString::number(c)};
    const check::RunResult r = check::run(l.language, source, options);
    return r.output.join('\n').trimmed();
}

QString withoutLines(const QString& source, const QStringList& lines) {
    QStringList kept;
    for (const QString& line : source.split('\n'))
        if (!lines.contains(line.trimmed()))
            kept << line;
    if (kept.size() != source.split('\n').size() - lines.size())
        throw DataError("the listing has not the lines to remove");
    return kept.join('\n');
}

bool triangle(int a, int b, int c) {
    return a < b + c && b < a + c && c < a + b;
}

// С3: whether the player to move from `stones` wins, with the moves of the wording.
bool moverWins(int stones, int goal, std::map<int, bool>& known) {
    if (auto it = known.find(stones); it != known.end())
        return it->second;
    bool wins = false;
    for (int next : {stones + 1, stones + 4, stones * 2})
        wins = wins || next >= goal || !moverWins(next, goal, known);
    return known[stones] = wins;
}

} // namespace

class TestT2007 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void everyTaskHasContent();
    void part1_data();
    void part1();
    void part2_data();
    void part2();
    void threeLanguagesAgree_data();
    void threeLanguagesAgree();
    void listingFault_data();
    void listingFault();
    void partThreeGame();
    void cutOffStripsAreBlank_data();
    void cutOffStripsAreBlank();
    void markingWithTheComputedAnswers();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestT2007::everyTaskHasContent() {
    QCOMPARE(content().paper, "t2007");
    for (const zut::TaskContent& t : content().tasks) {
        QVERIFY2(!t.elements.empty(), qPrintable(t.id + " has no elements"));
        QVERIFY2(t.solution.size() > 40, qPrintable(t.id + " has no worked solution"));
    }
}

void TestT2007::part1_data() {
    QTest::addColumn<QString>("task");
    for (const auto& [id, solver] : part1Solvers())
        QTest::newRow(qPrintable(id)) << id;
}

void TestT2007::part1() {
    QFETCH(QString, task);
    Verdicts right{};
    try {
        right = part1Solvers().at(task)();
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    QStringList found;
    for (int k = 0; k < 4; ++k)
        if (right[size_t(k)])
            found << QString::number(k + 1);
    const int n = zut::taskNumber(task);
    QCOMPARE(found, QStringList{QString::number(t2007->key().part1[size_t(n - 1)])});
}

void TestT2007::part2_data() {
    QTest::addColumn<QString>("task");
    for (const auto& [id, solver] : part2Solvers())
        QTest::newRow(qPrintable(id)) << id;
}

void TestT2007::part2() {
    QFETCH(QString, task);
    QString answer;
    try {
        answer = part2Solvers().at(task)();
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
    const auto& accepted = t2007->key().part2[size_t(zut::taskNumber(task) - 1)];
    QCOMPARE(answer, QString::fromUtf16(accepted[0]));
    // Where a second string is accepted it is the same letters in capitals.
    if (accepted[1])
        QCOMPARE(answer.toUpper(), QString::fromUtf16(accepted[1]));
}

void TestT2007::threeLanguagesAgree_data() {
    QTest::addColumn<QString>("task");
    QTest::newRow("А7") << "А7";
    QTest::newRow("А8") << "А8";
}

// The fragments run in their own languages leave the same values, and
// each is a fragment of its language, not of another.
void TestT2007::threeLanguagesAgree() {
    QFETCH(QString, task);
    const auto fragments = task == "А7" ? a7Fragments() : a8Fragments();
    QCOMPARE(fragments.size(), size_t(3));
    try {
        const check::Comparison c = check::runAll(fragments);
        QVERIFY2(c.agree(), qPrintable(c.differences.join("; ")));
        for (const auto& [language, text] : fragments)
            for (const auto& [other, otherText] : fragments)
                if (other != language) {
                    bool rejected = false;
                    try {
                        check::run(other, text);
                    } catch (const check::CheckError&) {
                        rejected = true;
                    }
                    QVERIFY2(rejected,
                             qPrintable(check::languageName(language) + " text is also valid " +
                                        check::languageName(other)));
                }
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::listingFault_data() {
    QTest::addColumn<int>("listing");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(listings[i].name) << i;
}

// Each С1 listing fails exactly where the missing condition matters, its
// superfluous part changes nothing, and the fix makes it right.
void TestT2007::listingFault() {
    QFETCH(int, listing);
    const Listing& l = listings[listing];
    try {
        const QString source = field("С1", l.name);
        const QString pruned = withoutLines(source, l.superfluous);
        QVERIFY(source.contains(l.written));
        const QString fixed = QString(source).replace(l.written, l.fixed);
        int wrong = 0;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                for (int c = 1; c <= 6; ++c) {
                    const QString right = triangle(a, b, c) ? "можно" : "нельзя";
                    const QString shown = verdictFor(l, source, a, b, c);
                    QVERIFY(shown == "можно" || shown == "нельзя");
                    if (shown != right) {
                        ++wrong;
                        QVERIFY2(c >= a + b, qPrintable(QString("wrong for %1 %2 %3, not a "
                                                                "fault of the missing check")
                                                            .arg(a)
                                                            .arg(b)
                                                            .arg(c)));
                    }
                    QCOMPARE(verdictFor(l, pruned, a, b, c), shown);
                    QCOMPARE(verdictFor(l, fixed, a, b, c), right);
                }
        QVERIFY(wrong > 0);
        // The example of the worked solution is one of the failing inputs.
        QCOMPARE(verdictFor(l, source, 1, 1, 5), "можно");
        // The superfluous check does decide for a number that is not natural.
        QCOMPARE(verdictFor(l, source, 0, 2, 3), "нельзя");
        QCOMPARE(verdictFor(l, pruned, 0, 2, 3), "можно");
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestT2007::partThreeGame() {
    const QString t = allText("С3");
    const int start = int(numberIn(t, R"(кучка из (\d+) камней)"));
    const int goal = int(numberIn(t, R"((\d+) камней или больше)"));
    std::map<int, bool> known;
    QVERIFY(moverWins(start, goal, known)); // the first player, Петя, wins
    QStringList winning;
    const QStringList moves = {"один камень", "четыре камня", "удвоить"};
    const int after[] = {start + 1, start + 4, start * 2};
    for (int i = 0; i < 3; ++i)
        if (after[i] >= goal || !moverWins(after[i], goal, known))
            winning << moves[i];
    QCOMPARE(winning, QStringList{"четыре камня"});
    QVERIFY(task("С3").solution.contains("выигрывает Петя"));
    QVERIFY(task("С3").solution.contains("добавляет четыре камня"));
    QStringList losing;
    for (int n = 1; n < goal; ++n)
        if (!moverWins(n, goal, known))
            losing << QString::number(n);
    QVERIFY(task("С3").solution.contains(losing.join(", ")));
}

void TestT2007::cutOffStripsAreBlank_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("file");
    QTest::newRow("А11") << "А11"
                         << "t2007/a11.jpg";
    QTest::newRow("А12") << "А12"
                         << "t2007/a12.jpg";
    QTest::newRow("А16") << "А16"
                         << "t2007/a16.jpg";
}

// A JPEG larger than its rectangle loses only blank margin, and what the
// rectangle shows has ink.
void TestT2007::cutOffStripsAreBlank() {
    QFETCH(QString, id);
    QFETCH(QString, file);
    const auto pictures = elements(id, Kind::Picture);
    QCOMPARE(pictures.size(), size_t(1));
    const Element& e = *pictures.front();
    QCOMPARE(e.picture, file);
    const QImage image(":/pictures/" + file);
    QCOMPARE(image.size(), e.stored);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 160;
            if (x >= e.rect.width() || y >= e.rect.height())
                QVERIFY2(!dark, qPrintable(QString("ink cut off at %1, %2").arg(x).arg(y)));
            else
                ink += dark;
        }
    QVERIFY(ink > 100);
}

// Marking the paper with the answers the solvers found, clicked and typed
// as a student does, gives full marks.
void TestT2007::markingWithTheComputedAnswers() {
    zut::Paper* p = t2007;
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    for (int n = 1; n <= 20; ++n) {
        int k = 0;
        try {
            k = rightOption(QString("А%1").arg(n));
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
        QVERIFY2(k > 0, qPrintable(QString("А%1 has no single right option").arg(n)));
        QTest::mouseClick(option(p, n, k), Qt::LeftButton, {}, QPoint(7, 8));
        QVERIFY(option(p, n, k)->isChecked());
    }
    for (int n = 1; n <= 8; ++n) {
        QString answer;
        try {
            answer = part2Solvers().at(QString("B%1").arg(n))();
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
        QLineEdit* f = answerField(p, n);
        f->setFocus();
        type(f, answer);
        QCOMPARE(p->answerSlot(n), answer);
    }
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    for (int i = 1; i <= 28; ++i)
        QCOMPARE(verdict(p, i)->text(), "Правильно");
    QCOMPARE(child<QLabel>(p, "rezult")->text(),
             "Из 28 вопросов правильных - 28 (без учета части 3)");
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), "5 (отлично)");
}

ZUT_TEST_MAIN(TestT2007)
#include "tst_t2007.moc"
