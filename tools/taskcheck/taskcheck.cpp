// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskcheck.h"

#include "error.h"
#include "interpret.h"
#include "taskshared.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>

namespace zut::check {

void Task::fail(const QString& what) const {
    throw CheckError(id() + ": " + what);
}

QString Task::text(const QString& given) const {
    if (!has(given))
        fail("no given " + given);
    const QVariant v = t_.givens.value(given);
    if (v.typeId() != QMetaType::QString)
        fail("given " + given + " is a list, not one value");
    return v.toString();
}

qint64 Task::integer(const QString& given) const {
    try {
        return number(text(given));
    } catch (const CheckError& e) {
        fail("given " + given + ": " + e.message());
    }
}

QStringList Task::list(const QString& given) const {
    if (!has(given))
        fail("no given " + given);
    const QVariant v = t_.givens.value(given);
    if (v.typeId() == QMetaType::QString)
        return {v.toString()};
    return v.toStringList();
}

QStringList Task::options() const {
    if (const auto answers = all<zut::AnswersElement>(); !answers.empty())
        return answers.front()->options;
    // Options drawn as a picture's numbered tables: their titles.
    QStringList titles;
    for (const zut::PictureElement* e : all<zut::PictureElement>())
        for (const QVariant& table : e->draw.toMap().value("tables").toList())
            titles << table.toMap()["title"].toString();
    if (titles.isEmpty())
        fail("neither an answer list nor numbered tables");
    return titles;
}

QVariantMap Task::drawn(int n) const {
    const auto pictures = all<zut::PictureElement>();
    if (n < 0 || size_t(n) >= pictures.size())
        fail("no picture " + QString::number(n + 1));
    return pictures[size_t(n)]->draw.toMap();
}

QString Task::field(const QString& name) const {
    for (const zut::FieldElement* e : all<zut::FieldElement>())
        if (e->name == name)
            return e->text;
    fail("no field " + name);
}

// The columns of a drawn table, each its cells from top to bottom under
// the heading row, one line a cell.
std::vector<QString> tableColumns(const zut::TableElement& table) {
    std::vector<int> edges = table.columnRules;
    edges.insert(edges.begin(), 0);
    edges.push_back(table.frame.width());
    std::vector<std::vector<const zut::TableElement::Cell*>> columns(edges.size() - 1);
    const int headingBottom = table.rowRules.empty() ? 0 : table.rowRules.front();
    for (const zut::TableElement::Cell& c : table.cells)
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

std::vector<QString> Task::threeFragments() const {
    std::vector<QString> out;
    if (const auto programs = all<zut::ProgramsElement>(); !programs.empty()) {
        for (const zut::FieldElement& c : programs.front()->columns)
            out.push_back(c.text);
    } else if (const auto tables = all<zut::TableElement>(); !tables.empty()) {
        out = tableColumns(*tables.front());
    }
    if (out.size() != 3)
        fail("no fragment in three languages");
    return out;
}

qint64 number(const QString& text) {
    QString s = text;
    s.replace(QChar(0x2212), '-').remove(' ');
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    if (!ok)
        throw CheckError("not a whole number: " + text);
    return v;
}

double volumeBits(const QString& written) {
    static const QRegularExpression form(
        R"(^(\d+(?:,\d+)?) (бит|бита|битов|байт|байта|байтов|Кбайт|Кбайта|Мбайт|Мбайта)$)");
    const auto m = form.match(written);
    if (!m.hasMatch())
        throw CheckError("not a volume: " + written);
    const double v = QString(m.captured(1)).replace(',', '.').toDouble();
    const QString unit = m.captured(2);
    if (unit.startsWith("бит"))
        return v;
    if (unit.startsWith("К"))
        return v * 8192;
    return unit.startsWith("М") ? v * 8192 * 1024 : v * 8;
}

QString written(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 12);
}

int numeral(const QString& word) {
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
            {"третьего", 3},     {"третьим", 3},
        };
        // The ordinals of regular stems, in the endings the wordings use.
        const std::pair<const char*, int> stems[] = {
            {"перв", 1},   {"втор", 2},        {"четвёрт", 4},   {"пят", 5},
            {"шест", 6},   {"седьм", 7},       {"восьм", 8},     {"девят", 9},
            {"десят", 10}, {"одиннадцат", 11}, {"двенадцат", 12}};
        for (const auto& [stem, n] : stems)
            for (const char* ending : {"ый", "ой", "ая", "ое", "ую", "ом", "ого", "ым"})
                w[QString::fromUtf8(stem) + QString::fromUtf8(ending)] = n;
        return w;
    }();
    const auto n = words.find(word.toLower());
    if (n == words.end())
        throw CheckError("unknown numeral " + word);
    return n->second;
}

QString formulaText(QString s) {
    s.replace(QChar(0x00B7), '*'); // ·
    s.replace(QChar(0x2212), '-'); // −
    s.remove('?');
    return s.trimmed();
}

bool truthGiven(const Task& t, const QString& name) {
    const QString v = t.text(name);
    if (v != "ложно" && v != "истинно")
        t.fail("given " + name + " is neither ложно nor истинно");
    return v == "истинно";
}

QString theOption(const Task& t, const std::function<bool(const QString&)>& holds) {
    QStringList found;
    for (const QString& o : t.options())
        if (holds(o))
            found << o;
    if (found.size() != 1)
        t.fail(QString("%1 options fit, not one: %2").arg(found.size()).arg(found.join("; ")));
    return found.front();
}

RoadMap roadTable(const Task& t, const QVariantMap& table) {
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

RunResult runThree(const Task& t) {
    const std::vector<QString> f = t.threeFragments();
    const Comparison c =
        runAll({{Language::Basic, f[0]}, {Language::Pascal, f[1]}, {Language::Algorithmic, f[2]}});
    if (!c.agree())
        t.fail("the three languages disagree: " + c.differences.join("; "));
    return c.results[1];
}

QString spelling(const Task& t, const QStringList& labels, const QStringList& parts,
                 const QString& whole) {
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
}

qint64 countGiven(const Task& t, const QString& name) {
    const QString v = t.text(name);
    if (!v.isEmpty() && v.front().isDigit())
        return t.integer(name);
    try {
        return numeral(v);
    } catch (const CheckError& e) {
        t.fail("given " + name + ": " + e.message());
    }
}

QRegularExpression unicodePattern(const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption);
}

bool isMarked(const QString& id) {
    return id.startsWith(QChar(0x0410)) || id.startsWith('B'); // А (Cyrillic), B (Latin)
}

namespace {

void addCommon(Registry& r) {
    // The option is the answer as it stands.
    r.readers["text"] = [](const QString& answer, const QString& o, int, const Task&) {
        return o == answer;
    };
    // The option is a whole number ("−14", "65 536").
    r.readers["number"] = [](const QString& answer, const QString& o, int, const Task&) {
        return number(o) == number(answer);
    };
    // The option is the k-th: the answer is its number (options that are
    // pictures or tables numbered 1) … 4)).
    r.readers["ordinal"] = [](const QString& answer, const QString&, int k, const Task&) {
        return QString::number(k) == answer;
    };
    r.forms["as-is"] = [](const QString& a) { return QStringList{a}; };
    r.forms["lower-upper"] = [](const QString& a) { return QStringList{a.toLower(), a.toUpper()}; };
    r.forms["upper-lower"] = [](const QString& a) { return QStringList{a.toUpper(), a.toLower()}; };
    // Each line of the answer is accepted, in order.
    r.forms["lines"] = [](const QString& a) { return a.split('\n'); };
}

} // namespace

const Registry& registry() {
    static const Registry r = [] {
        Registry made;
        addCommon(made);
        for (auto add : {addVolume, addBases, addLogic, addPrograms, addTables, addText}) {
            // A name given twice would silently replace a solver: refused.
            Registry more;
            add(more);
            for (auto& [name, solver] : more.solvers)
                if (!made.solvers.emplace(name, solver).second)
                    throw CheckError("solver " + name + " registered twice");
            for (auto& [name, reader] : more.readers)
                if (!made.readers.emplace(name, reader).second)
                    throw CheckError("reader " + name + " registered twice");
            for (auto& [name, form] : more.forms)
                if (!made.forms.emplace(name, form).second)
                    throw CheckError("form " + name + " registered twice");
        }
        return made;
    }();
    return r;
}

Outcome runCheck(const zut::TaskContent& content) {
    const Task t(content);
    const Registry& r = registry();
    const QVariantMap& c = content.check;
    const auto named = [&](const QString& key) {
        const QString name = c.value(key).toString();
        if (name.isEmpty())
            t.fail("its check names no " + key);
        return name;
    };
    const QString solverName = named("solve");
    const auto solver = r.solvers.find(solverName);
    if (solver == r.solvers.end())
        t.fail("unknown solver " + solverName);
    for (const QString& key : c.keys())
        if (key != "solve" && key != "read" && key != "form" && key != "slips")
            t.fail("its check has an unknown field " + key);

    Outcome out;
    try {
        out.answer = solver->second(t);
    } catch (const CheckError& e) {
        if (e.message().startsWith(t.id() + ": "))
            throw;
        t.fail(e.message());
    }
    if (content.id.startsWith('B')) {
        const QString formName = named("form");
        const auto form = r.forms.find(formName);
        if (form == r.forms.end())
            t.fail("unknown answer form " + formName);
        if (c.contains("read") || c.contains("slips"))
            t.fail("a Part 2 task has a form, not a reader or slips");
        out.accepted = form->second(out.answer);
        return out;
    }
    const QString readerName = named("read");
    const auto reader = r.readers.find(readerName);
    if (reader == r.readers.end())
        t.fail("unknown reader " + readerName);
    const QStringList o = t.options();
    if (o.size() != 4)
        t.fail("has " + QString::number(o.size()) + " options, not four");
    const auto carries = [&](const QString& answer, int k) {
        try {
            return reader->second(answer, o[k - 1], k, t);
        } catch (const CheckError& e) {
            t.fail(QString("option %1: ").arg(k) + e.message());
        }
    };
    for (int k = 1; k <= 4; ++k)
        if (carries(out.answer, k))
            out.carrying.push_back(k);
    // Each slip named for an option: the slip computed must be what that
    // option says.
    const QVariantMap slips = c.value("slips").toMap();
    for (auto s = slips.begin(); s != slips.end(); ++s) {
        const int k = s.key().toInt();
        if (k < 1 || k > 4)
            t.fail("a slip for option " + s.key());
        const auto slip = r.solvers.find(s.value().toString());
        if (slip == r.solvers.end())
            t.fail("unknown slip " + s.value().toString());
        if (!carries(slip->second(t), k))
            t.fail(QString("option %1 is not the slip %2 models").arg(k).arg(s.value().toString()));
    }
    return out;
}

} // namespace zut::check
