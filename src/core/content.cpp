// SPDX-License-Identifier: GPL-3.0-or-later
#include "content.h"

#include "givens.h"
#include "yamlfile.h"

#include <yaml-cpp/yaml.h>

#include <map>
#include <set>

namespace zut {

const std::vector<QString>& taskIds() {
    static const std::vector<QString> ids = [] {
        std::vector<QString> v;
        for (int n = 1; n <= 20; ++n)
            v.push_back(QStringLiteral("А%1").arg(n)); // Cyrillic А
        for (int n = 1; n <= 8; ++n)
            v.push_back(QStringLiteral("B%1").arg(n)); // Latin B
        for (int n = 1; n <= 4; ++n)
            v.push_back(QStringLiteral("С%1").arg(n)); // Cyrillic С
        return v;
    }();
    return ids;
}

namespace {

using Kind = Element::Kind;

const std::map<std::string, Kind> kinds = {
    {"text", Kind::Text},         {"answers", Kind::Answers}, {"field", Kind::Field},
    {"picture", Kind::Picture},   {"table", Kind::Table},     {"programs", Kind::Programs},
    {"listings", Kind::Listings}, {"row", Kind::Row},         {"rule", Kind::Rule},
};

// The attributes each kind takes besides its own key.
const std::map<Kind, std::set<std::string>> attributes = {
    {Kind::Text, {"width", "size", "italic", "bold"}},
    {Kind::Answers, {"width", "size", "arrange", "name", "lines", "border"}},
    {Kind::Field, {"name", "width", "size", "italic", "lines", "border"}},
    {Kind::Picture, {"format", "stored", "rect", "fit", "to-picture", "draw"}},
    {Kind::Table, {"frame", "columns", "rows", "size"}},
    {Kind::Programs, {"heading", "height", "width"}},
    {Kind::Listings, {"headings", "heading-widths", "height", "width"}},
    {Kind::Row, {}},
    {Kind::Rule, {}},
};

// YAML as plain data: maps, lists and strings.
QVariant variant(const YAML::Node& n) {
    if (n.IsMap()) {
        QVariantMap m;
        for (const auto& kv : n)
            m.insert(QString::fromStdString(kv.first.Scalar()), variant(kv.second));
        return m;
    }
    if (n.IsSequence()) {
        QVariantList l;
        for (const auto& e : n)
            l.append(variant(e));
        return l;
    }
    return n.IsScalar() ? QVariant(QString::fromStdString(n.Scalar())) : QVariant();
}

class Reader {
public:
    explicit Reader(const QString& resource)
        : resource_(resource.toStdString()) {}

    [[noreturn]] void fail(const std::string& what) const {
        std::string where = resource_;
        if (!task_.empty())
            where += ", task " + task_;
        if (!field_.empty())
            where += ", field " + field_;
        throw ContentError(where + ": " + what);
    }
    void task(const std::string& t) { task_ = t; }
    void field(const std::string& f) { field_ = f; }

    void allowOnly(const YAML::Node& n, const std::set<std::string>& keys) {
        for (const auto& kv : n)
            if (!keys.contains(kv.first.Scalar())) {
                field(kv.first.Scalar());
                fail("unknown field");
            }
    }
    std::string scalar(const YAML::Node& n, const std::string& key) {
        field(key);
        if (!n.IsScalar())
            fail("must be a single value");
        return n.Scalar();
    }
    QString text(const YAML::Node& n, const std::string& key) {
        return QString::fromStdString(scalar(n, key));
    }
    int integer(const YAML::Node& n, const std::string& key) {
        const std::string v = scalar(n, key);
        if (const auto i = wholeNumber(v))
            return *i;
        fail("must be a whole number, not \"" + v + "\"");
    }
    bool flag(const YAML::Node& n, const std::string& key) {
        const std::string v = scalar(n, key);
        if (v != "true" && v != "false")
            fail("must be true or false");
        return v == "true";
    }
    std::vector<int> numbers(const YAML::Node& n, const std::string& key) {
        field(key);
        if (!n.IsSequence())
            fail("must be a list of numbers");
        std::vector<int> v;
        for (const auto& e : n)
            v.push_back(integer(e, key));
        return v;
    }
    QPoint point(const YAML::Node& n, const std::string& key) {
        const auto v = numbers(n, key);
        if (v.size() != 2)
            fail("must be a list of two numbers");
        return {v[0], v[1]};
    }
    QSize size(const YAML::Node& n, const std::string& key) {
        const QPoint p = point(n, key);
        if (p.x() <= 0 || p.y() <= 0)
            fail("must be a positive size");
        return {p.x(), p.y()};
    }

    Element element(const YAML::Node& n);

private:
    // The attributes of one kind of element, `v` its kind's own value.
    void readAnswers(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void readField(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void readPicture(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void readTable(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void readPrograms(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void readListings(Element& e, const YAML::Node& n, const YAML::Node& v, const std::string& key);
    void field(Element& e, const YAML::Node& n);
    std::vector<Element> fields(const YAML::Node& n, const std::string& key, size_t count);

    std::string resource_;
    std::string task_;
    std::string field_;
};

void Reader::field(Element& e, const YAML::Node& n) {
    if (n["lines"])
        e.lines = integer(n["lines"], "lines");
    else
        e.lines = int(e.text.count('\n')) + (e.text.endsWith('\n') ? 0 : 1);
    if (e.lines < 1)
        fail("a field shows at least one line");
    if (n["border"])
        e.border = flag(n["border"], "border");
}

std::vector<Element> Reader::fields(const YAML::Node& n, const std::string& key, size_t count) {
    field(key);
    if (!n.IsSequence() || (count && n.size() != count))
        fail("must list " + (count ? std::to_string(count) + " " : std::string()) + "fields");
    std::vector<Element> columns;
    for (const auto& c : n) {
        Element column = element(c);
        if (column.kind != Kind::Field)
            fail("holds fields only");
        columns.push_back(column);
    }
    return columns;
}

// A Part 1 task's four options and how they stand.
void Reader::readAnswers(Element& e, const YAML::Node& n, const YAML::Node& v,
                         const std::string& key) {
    field(key);
    if (!v.IsSequence() || v.size() != 4)
        fail("a Part 1 task has four answers");
    for (const auto& a : v)
        e.items << text(a, key);
    if (n["arrange"]) {
        const std::string a = scalar(n["arrange"], "arrange");
        if (a != "line" && a != "stack" && a != "field")
            fail("must be line, stack or field");
        e.arrange = a == "stack"   ? Element::Arrange::Stack
                    : a == "field" ? Element::Arrange::Field
                                   : Element::Arrange::Line;
    }
    if (e.arrange == Element::Arrange::Field) {
        if (e.name.isEmpty())
            fail("answers in a field need the field's name");
        e.lines = n["lines"] ? integer(n["lines"], "lines") : 4;
        e.border = n["border"] && flag(n["border"], "border");
    }
}

// A field's text, lines and name.
void Reader::readField(Element& e, const YAML::Node& n, const YAML::Node& v,
                       const std::string& key) {
    e.text = text(v, key);
    if (e.text.endsWith('\n'))
        e.text.chop(1); // a block scalar's last line break is not a line
    field(e, n);
    if (e.name.isEmpty()) {
        field("name");
        fail("a field needs its name");
    }
}

// A picture: its file, format, rectangle and what it is drawn from.
void Reader::readPicture(Element& e, const YAML::Node& n, const YAML::Node& v,
                         const std::string& key) {
    e.picture = text(v, key);
    if (!n["format"] || !n["rect"]) {
        field(key);
        fail("a picture needs its format and its rectangle");
    }
    e.format = text(n["format"], "format");
    if (e.format != "jpeg" && e.format != "emf" && e.format != "wmf")
        fail("must be jpeg, emf or wmf");
    field(key);
    if (!e.picture.endsWith(e.format == "jpeg" ? ".jpg" : ".svg"))
        fail(e.format == "jpeg" ? "a JPEG picture is drawn into a .jpg file"
                                : "a metafile picture is drawn into a .svg file");
    if (!n["draw"]) {
        field("draw");
        fail("a picture needs what it shows (draw)");
    }
    e.draw = variant(n["draw"]);
    e.rect = size(n["rect"], "rect");
    if (e.format == "jpeg") {
        if (!n["stored"]) {
            field("stored");
            fail("a JPEG picture needs its stored size");
        }
        e.stored = size(n["stored"], "stored");
    }
    if (n["fit"])
        e.fit = flag(n["fit"], "fit");
    if (n["to-picture"])
        e.sizeToPicture = flag(n["to-picture"], "to-picture");
}

// A drawn table: its frame, rules and cells.
void Reader::readTable(Element& e, const YAML::Node& n, const YAML::Node& v,
                       const std::string& key) {
    if (!n["frame"]) {
        field("frame");
        fail("a table needs its frame's size");
    }
    e.frame = size(n["frame"], "frame");
    if (n["columns"])
        e.columnRules = numbers(n["columns"], "columns");
    if (n["rows"])
        e.rowRules = numbers(n["rows"], "rows");
    field(key);
    if (!v.IsSequence())
        fail("lists the table's cells");
    for (const auto& c : v) {
        field(key);
        if (!c.IsMap() || !c["at"] || !c["text"])
            fail("every cell gives where it stands (at) and its text");
        allowOnly(c, {"at", "text", "width", "bold", "centred", "size"});
        Element::Cell cell{point(c["at"], "at"), text(c["text"], "text")};
        if (c["width"])
            cell.width = integer(c["width"], "width");
        if (c["bold"])
            cell.bold = flag(c["bold"], "bold");
        if (c["centred"])
            cell.centred = flag(c["centred"], "centred");
        if (c["size"])
            cell.pixels = integer(c["size"], "size");
        e.cells.push_back(cell);
    }
}

// A fragment in three languages: the three fields and their heading row.
void Reader::readPrograms(Element& e, const YAML::Node& n, const YAML::Node& v,
                          const std::string& key) {
    e.columns = fields(v, key, 3);
    if (!n["heading"]) {
        field("heading");
        fail("the three languages need their heading row");
    }
    if (n["heading"].IsSequence()) {
        field("heading");
        if (n["heading"].size() != 3)
            fail("names the three languages");
        for (const auto& h : n["heading"])
            e.items << text(h, "heading");
    } else {
        e.text = text(n["heading"], "heading");
    }
    if (n["height"])
        e.headingHeight = integer(n["height"], "height");
}

// Listings side by side, each with its heading.
void Reader::readListings(Element& e, const YAML::Node& n, const YAML::Node& v,
                          const std::string& key) {
    e.columns = fields(v, key, 0);
    field("headings");
    if (!n["headings"] || !n["headings"].IsSequence() || n["headings"].size() != e.columns.size())
        fail("gives one heading a listing");
    for (const auto& h : n["headings"])
        e.items << text(h, "headings");
    e.headingHeight = n["height"] ? integer(n["height"], "height") : 38;
    if (n["heading-widths"]) {
        e.headingWidths = numbers(n["heading-widths"], "heading-widths");
        if (e.headingWidths.size() != e.columns.size())
            fail("gives one width a heading");
    }
}

Element Reader::element(const YAML::Node& n) {
    if (!n.IsMap())
        fail("an element is a mapping with its kind as a key");
    Element e;
    std::string kindKey;
    for (const auto& kv : n)
        if (kinds.contains(kv.first.Scalar())) {
            if (!kindKey.empty())
                fail("an element has one kind, not " + kindKey + " and " + kv.first.Scalar());
            kindKey = kv.first.Scalar();
        }
    if (kindKey.empty())
        fail("an element needs a kind: text, answers, field, picture, table, programs, "
             "listings, row or rule");
    e.kind = kinds.at(kindKey);
    std::set<std::string> allowed = attributes.at(e.kind);
    allowed.insert({kindKey, "gap", "indent"});
    allowOnly(n, allowed);

    const YAML::Node v = n[kindKey];
    if (n["gap"])
        e.gap = integer(n["gap"], "gap");
    if (n["indent"])
        e.indent = integer(n["indent"], "indent");
    if (n["width"])
        e.width = integer(n["width"], "width");
    if (n["size"])
        e.pixels = integer(n["size"], "size");
    if (n["italic"])
        e.italic = flag(n["italic"], "italic");
    if (n["bold"])
        e.bold = flag(n["bold"], "bold");
    if (n["name"])
        e.name = text(n["name"], "name");

    switch (e.kind) {
    case Kind::Text:
        e.text = text(v, kindKey);
        break;
    case Kind::Answers:
        readAnswers(e, n, v, kindKey);
        break;
    case Kind::Field:
        readField(e, n, v, kindKey);
        break;
    case Kind::Picture:
        readPicture(e, n, v, kindKey);
        break;
    case Kind::Table:
        readTable(e, n, v, kindKey);
        break;
    case Kind::Programs:
        readPrograms(e, n, v, kindKey);
        break;
    case Kind::Listings:
        readListings(e, n, v, kindKey);
        break;
    case Kind::Rule:
        e.width = integer(v, kindKey);
        if (e.width <= 0)
            fail("a rule is a positive number of pixels long");
        break;
    case Kind::Row:
        field(kindKey);
        if (!v.IsSequence() || v.size() < 2)
            fail("a row stands two or more elements side by side");
        for (const auto& c : v)
            e.children.push_back(element(c));
        break;
    }
    field("");
    return e;
}

} // namespace

PaperContent readContent(const QString& resource) {
    auto loaded = loadYaml(resource);
    if (auto* why = std::get_if<std::string>(&loaded))
        Reader(resource).fail(*why);
    const YAML::Node root = std::get<YAML::Node>(loaded);
    if (!isPacked(resource))
        fillGivens(root, resource.toStdString());
    return readContent(root, resource);
}

PaperContent readContent(const YAML::Node& root, const QString& where) {
    Reader r(where);
    if (!root.IsMap())
        r.fail("a paper's content is a mapping");
    r.allowOnly(root, {"paper", "tasks"});
    r.field("");
    if (!root["paper"] || !root["tasks"] || !root["tasks"].IsSequence())
        r.fail("a paper's content names the paper and lists its tasks");

    PaperContent content;
    content.paper = QString::fromStdString(root["paper"].Scalar());
    const auto& ids = taskIds();
    if (root["tasks"].size() != ids.size())
        r.fail("a paper has " + std::to_string(ids.size()) + " tasks, not " +
               std::to_string(root["tasks"].size()));
    for (size_t i = 0; i < ids.size(); ++i) {
        const YAML::Node t = root["tasks"][i];
        if (!t.IsMap() || !t["task"])
            r.fail("task " + std::to_string(i + 1) + " has no name");
        TaskContent task{QString::fromStdString(t["task"].Scalar()), {}, {}, {}, {}, {}};
        r.task(task.id.toStdString());
        if (task.id != ids[i])
            r.fail("stands where " + ids[i].toStdString() + " belongs");
        r.allowOnly(t, {"task", "verdict", "elements", "solution", "givens", "check"});
        if (t["givens"])
            task.givens = variant(t["givens"]).toMap();
        if (t["check"]) {
            if (i >= 28) {
                r.field("check");
                r.fail("a Part 3 task is not marked, so has no check");
            }
            task.check = variant(t["check"]).toMap();
        }
        if (t["verdict"]) {
            if (i >= 28) {
                r.field("verdict");
                r.fail("a Part 3 task has no verdict");
            }
            task.verdictOffset = r.point(t["verdict"], "verdict");
        }
        if (t["solution"])
            task.solution = r.text(t["solution"], "solution");
        if (t["elements"]) {
            r.field("elements");
            if (!t["elements"].IsSequence())
                r.fail("must be a list");
            for (const auto& e : t["elements"])
                task.elements.push_back(r.element(e));
        }
        const bool hasAnswers =
            std::any_of(task.elements.begin(), task.elements.end(),
                        [](const Element& e) { return e.kind == Kind::Answers; });
        if (hasAnswers && i >= 20) {
            r.field("elements");
            r.fail("only a Part 1 task has an answer list");
        }
        r.field("");
        content.tasks.push_back(task);
        r.task("");
    }
    return content;
}

} // namespace zut
