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

// The kinds by their key, and the attributes each takes besides its key,
// "gap" and "indent".
const std::map<std::string, std::set<std::string>> kinds = {
    {"text", {"width", "size", "italic", "bold"}},
    {"answers", {"width", "size", "arrange", "name", "lines", "border"}},
    {"field", {"name", "width", "size", "italic", "lines", "border"}},
    {"picture", {"format", "stored", "rect", "fit", "to-picture", "draw"}},
    {"table", {"frame", "columns", "rows", "size"}},
    {"programs", {"heading", "height", "width"}},
    {"listings", {"headings", "heading-widths", "height", "width"}},
    {"row", {}},
    {"rule", {}},
};

// Reads a paper's content; its faults are ContentErrors naming the task.
class Reader : public DataReader {
public:
    explicit Reader(const QString& resource)
        : DataReader(resource.toStdString(),
                     [](const std::string& message) { throw ContentError(message); }) {}

    Element element(const YAML::Node& n);

private:
    // One kind's body from the element's mapping `n`, `v` its kind's own
    // value under `key`.
    Lettering lettering(const YAML::Node& n);
    TextElement readText(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    AnswersElement readAnswers(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    FieldElement readField(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    PictureElement readPicture(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    TableElement readTable(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    ProgramsElement readPrograms(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    ListingsElement readListings(const YAML::Node& n, const YAML::Node& v, const std::string& key);
    RowElement readRow(const YAML::Node& v, const std::string& key);
    int lines(const YAML::Node& n, const QString& text);
    std::vector<FieldElement> fields(const YAML::Node& n, const std::string& key, size_t count);

};

Lettering Reader::lettering(const YAML::Node& n) {
    Lettering l;
    if (n["size"])
        l.pixels = integer(n["size"], "size");
    if (n["italic"])
        l.italic = flag(n["italic"], "italic");
    if (n["bold"])
        l.bold = flag(n["bold"], "bold");
    return l;
}

// A field's lines: as given, or as many as its text has.
int Reader::lines(const YAML::Node& n, const QString& text) {
    const int count = n["lines"] ? integer(n["lines"], "lines")
                                 : int(text.count('\n')) + (text.endsWith('\n') ? 0 : 1);
    if (count < 1)
        failAt("lines", "a field shows at least one line");
    return count;
}

std::vector<FieldElement> Reader::fields(const YAML::Node& n, const std::string& key,
                                         size_t count) {
    if (!n.IsSequence() || (count && n.size() != count))
        failAt(key,
               "must list " + (count ? std::to_string(count) + " " : std::string()) + "fields");
    std::vector<FieldElement> columns;
    for (const auto& c : n) {
        const Element column = element(c);
        const auto* f = as<FieldElement>(column);
        if (!f)
            failAt(key, "holds fields only");
        if (column.width)
            failAt(key, "a column's field takes the column's width");
        columns.push_back(*f);
    }
    return columns;
}

TextElement Reader::readText(const YAML::Node& n, const YAML::Node& v, const std::string& key) {
    return {text(v, key), lettering(n)};
}

// A Part 1 task's four options and how they stand.
AnswersElement Reader::readAnswers(const YAML::Node& n, const YAML::Node& v,
                                   const std::string& key) {
    AnswersElement a;
    if (!v.IsSequence() || v.size() != 4)
        failAt(key, "a Part 1 task has four answers");
    for (const auto& o : v)
        a.options << text(o, key);
    a.lettering = lettering(n);
    if (n["name"])
        a.name = text(n["name"], "name");
    if (n["arrange"]) {
        const std::string arrange = oneOf(n["arrange"], "arrange", {"line", "stack", "field"});
        a.arrange = arrange == "stack"   ? AnswersElement::Arrange::Stack
                    : arrange == "field" ? AnswersElement::Arrange::Field
                                         : AnswersElement::Arrange::Line;
    }
    if (a.arrange == AnswersElement::Arrange::Field) {
        if (a.name.isEmpty())
            failAt("name", "answers in a field need the field's name");
        a.lines = n["lines"] ? integer(n["lines"], "lines") : 4;
        a.border = n["border"] && flag(n["border"], "border");
    }
    return a;
}

// A field's text, lines and name.
FieldElement Reader::readField(const YAML::Node& n, const YAML::Node& v, const std::string& key) {
    FieldElement f;
    f.text = text(v, key);
    if (f.text.endsWith('\n'))
        f.text.chop(1); // a block scalar's last line break is not a line
    f.lettering = lettering(n);
    f.lines = lines(n, f.text);
    if (n["border"])
        f.border = flag(n["border"], "border");
    if (!n["name"])
        failAt("name", "a field needs its name");
    f.name = text(n["name"], "name");
    return f;
}

// A picture: its file, format, rectangle and what it is drawn from.
PictureElement Reader::readPicture(const YAML::Node& n, const YAML::Node& v,
                                   const std::string& key) {
    PictureElement p;
    p.file = text(v, key);
    if (!n["format"] || !n["rect"])
        failAt(key, "a picture needs its format and its rectangle");
    p.format = QString::fromStdString(oneOf(n["format"], "format", {"jpeg", "emf", "wmf"}));
    if (!p.file.endsWith(p.format == "jpeg" ? ".jpg" : ".svg"))
        failAt(key, p.format == "jpeg" ? "a JPEG picture is drawn into a .jpg file"
                                       : "a metafile picture is drawn into a .svg file");
    if (!n["draw"])
        failAt("draw", "a picture needs what it shows (draw)");
    p.draw = data(n["draw"]);
    p.rect = size(n["rect"], "rect");
    if (p.format == "jpeg") {
        if (!n["stored"])
            failAt("stored", "a JPEG picture needs its stored size");
        p.stored = size(n["stored"], "stored");
    }
    if (n["fit"])
        p.fit = flag(n["fit"], "fit");
    if (n["to-picture"])
        p.sizeToPicture = flag(n["to-picture"], "to-picture");
    return p;
}

// A drawn table: its frame, rules and cells.
TableElement Reader::readTable(const YAML::Node& n, const YAML::Node& v, const std::string& key) {
    TableElement t;
    if (!n["frame"])
        failAt("frame", "a table needs its frame's size");
    t.frame = size(n["frame"], "frame");
    if (n["columns"])
        t.columnRules = numbers(n["columns"], "columns");
    if (n["rows"])
        t.rowRules = numbers(n["rows"], "rows");
    if (n["size"])
        t.pixels = integer(n["size"], "size");
    if (!v.IsSequence())
        failAt(key, "lists the table's cells");
    for (const auto& c : v) {
        if (!c.IsMap() || !c["at"] || !c["text"])
            failAt(key, "every cell gives where it stands (at) and its text");
        allowOnly(c, {"at", "text", "width", "bold", "centred", "size"});
        TableElement::Cell cell{point(c["at"], "at"), text(c["text"], "text")};
        if (c["width"])
            cell.width = integer(c["width"], "width");
        if (c["bold"])
            cell.bold = flag(c["bold"], "bold");
        if (c["centred"])
            cell.centred = flag(c["centred"], "centred");
        if (c["size"])
            cell.pixels = integer(c["size"], "size");
        t.cells.push_back(cell);
    }
    return t;
}

// A fragment in three languages: the three fields and their heading row.
ProgramsElement Reader::readPrograms(const YAML::Node& n, const YAML::Node& v,
                                     const std::string& key) {
    ProgramsElement p;
    p.columns = fields(v, key, 3);
    if (!n["heading"])
        failAt("heading", "the three languages need their heading row");
    if (n["heading"].IsSequence()) {
        if (n["heading"].size() != 3)
            failAt("heading", "names the three languages");
        for (const auto& h : n["heading"])
            p.headings << text(h, "heading");
    } else {
        p.heading = text(n["heading"], "heading");
    }
    if (n["height"])
        p.headingHeight = integer(n["height"], "height");
    return p;
}

// Listings side by side, each with its heading.
ListingsElement Reader::readListings(const YAML::Node& n, const YAML::Node& v,
                                     const std::string& key) {
    ListingsElement l;
    l.columns = fields(v, key, 0);
    if (!n["headings"] || !n["headings"].IsSequence() || n["headings"].size() != l.columns.size())
        failAt("headings", "gives one heading a listing");
    for (const auto& h : n["headings"])
        l.headings << text(h, "headings");
    if (n["height"])
        l.headingHeight = integer(n["height"], "height");
    if (n["heading-widths"]) {
        l.headingWidths = numbers(n["heading-widths"], "heading-widths");
        if (l.headingWidths.size() != l.columns.size())
            failAt("heading-widths", "gives one width a heading");
    }
    return l;
}

RowElement Reader::readRow(const YAML::Node& v, const std::string& key) {
    if (!v.IsSequence() || v.size() < 2)
        failAt(key, "a row stands two or more elements side by side");
    RowElement r;
    for (const auto& c : v)
        r.children.push_back(element(c));
    return r;
}

Element Reader::element(const YAML::Node& n) {
    if (!n.IsMap())
        fail("an element is a mapping with its kind as a key");
    std::string key;
    for (const auto& kv : n)
        if (kinds.contains(kv.first.Scalar())) {
            if (!key.empty())
                fail("an element has one kind, not " + key + " and " + kv.first.Scalar());
            key = kv.first.Scalar();
        }
    if (key.empty())
        fail("an element needs a kind: text, answers, field, picture, table, programs, "
             "listings, row or rule");
    std::set<std::string> allowed = kinds.at(key);
    allowed.insert({key, "gap", "indent"});
    allowOnly(n, allowed);

    Element e;
    if (n["gap"])
        e.gap = integer(n["gap"], "gap");
    if (n["indent"])
        e.indent = integer(n["indent"], "indent");
    if (n["width"])
        e.width = integer(n["width"], "width");
    const YAML::Node v = n[key];
    if (key == "text")
        e.body = readText(n, v, key);
    else if (key == "answers")
        e.body = readAnswers(n, v, key);
    else if (key == "field")
        e.body = readField(n, v, key);
    else if (key == "picture")
        e.body = readPicture(n, v, key);
    else if (key == "table")
        e.body = readTable(n, v, key);
    else if (key == "programs")
        e.body = readPrograms(n, v, key);
    else if (key == "listings")
        e.body = readListings(n, v, key);
    else if (key == "row")
        e.body = readRow(v, key);
    else {
        e.body = RuleElement{};
        e.width = integer(v, key);
        if (e.width <= 0)
            failAt(key, "a rule is a positive number of pixels long");
    }
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
        r.place("task " + task.id.toStdString());
        if (task.id != ids[i])
            r.fail("stands where " + ids[i].toStdString() + " belongs");
        r.allowOnly(t, {"task", "verdict", "elements", "solution", "givens", "check"});
        if (t["givens"])
            task.givens = DataReader::data(t["givens"]).toMap();
        if (t["check"]) {
            if (i >= 28)
                r.failAt("check", "a Part 3 task is not marked, so has no check");
            task.check = DataReader::data(t["check"]).toMap();
        }
        if (t["verdict"]) {
            if (i >= 28)
                r.failAt("verdict", "a Part 3 task has no verdict");
            task.verdictOffset = r.point(t["verdict"], "verdict");
        }
        if (t["solution"])
            task.solution = r.text(t["solution"], "solution");
        if (t["elements"]) {
            if (!t["elements"].IsSequence())
                r.failAt("elements", "must be a list");
            for (const auto& e : t["elements"])
                task.elements.push_back(r.element(e));
        }
        const bool hasAnswers =
            std::any_of(task.elements.begin(), task.elements.end(),
                        [](const Element& e) { return as<AnswersElement>(e) != nullptr; });
        if (hasAnswers && i >= 20)
            r.failAt("elements", "only a Part 1 task has an answer list");
        content.tasks.push_back(task);
        r.place("");
    }
    return content;
}

} // namespace zut
