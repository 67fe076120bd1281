// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

#include "colours.h"
#include "controls.h"
#include "label.h"
#include "core/yamlfile.h"
#include "window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <yaml-cpp/yaml.h>

#include <set>

namespace zut {

QString labelText(const QString& stored) {
    QString shown;
    shown.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'&' && i + 1 < stored.size())
            ++i; // "&&" shows one "&"; "&x" shows x
        else if (stored[i] == u'&')
            continue;
        shown += stored[i];
    }
    return shown;
}

namespace {

// Reads one layout, resolving "$name" values, and reports every fault with
// the resource and the control it is in.
class Reader : public DataReader {
public:
    Reader(const QString& resource, const LayoutValues& values)
        : DataReader(resource.toStdString(),
                     [](const std::string& message) { throw LayoutError(message); })
        , values_(values) {}

    QRect rect(const YAML::Node& n) const {
        const auto v = numbers(n, "rect", 4);
        if (v[2] < 0 || v[3] < 0)
            failAt("rect", "has a negative size");
        return {v[0], v[1], v[2], v[3]};
    }
    QColor colour(const YAML::Node& n, const std::string& key) const {
        if (n.IsSequence()) {
            const auto v = numbers(n, key, 3);
            return QColor(v[0], v[1], v[2]);
        }
        static const std::map<std::string, std::function<QColor()>> named = {
            {"cream", [] { return colours::cream; }},
            {"teal", [] { return colours::teal; }},
            {"red", [] { return colours::red; }},
            {"navy", [] { return colours::navy; }},
            {"purple", [] { return colours::purple; }},
            {"olive", [] { return colours::olive; }},
            {"white", [] { return QColor(Qt::white); }},
            {"black", [] { return QColor(Qt::black); }},
            {"activeborder", [] { return colours::activeBorder; }},
            {"buttonface", [] { return QApplication::palette().color(QPalette::Button); }},
            {"tooltip", [] { return QApplication::palette().color(QPalette::ToolTipBase); }},
            {"windowtext", [] { return QApplication::palette().color(QPalette::WindowText); }},
        };
        const std::string name = scalar(n, key);
        const auto it = named.find(name);
        if (it == named.end())
            failAt(key, "unknown colour \"" + name + "\"");
        return it->second();
    }
    QFont font(const YAML::Node& n) const {
        if (!n.IsMap() || !n["family"] || !n["size"])
            failAt("font", "must give family and size");
        allowOnly(n, {"family", "size", "bold", "italic"});
        QFont f(text(n["family"], "family"));
        f.setPixelSize(integer(n["size"], "size"));
        if (n["bold"])
            f.setBold(flag(n["bold"], "bold"));
        if (n["italic"])
            f.setItalic(flag(n["italic"], "italic"));
        return f;
    }

protected:
    std::string resolve(const std::string& key, const std::string& value) const override {
        if (value.empty() || value[0] != '$')
            return value;
        const auto it = values_.find(value.substr(1));
        if (it == values_.end())
            failAt(key, "refers to " + value + ", which this window does not give");
        return it->second;
    }

private:
    const LayoutValues& values_;
};

FrameKind frameKind(const Reader& r, const YAML::Node& n) {
    const std::string k = r.oneOf(n, "frame", {"tool", "ordinary", "resizable-tool"});
    return k == "tool" ? FrameKind::Tool
           : k == "ordinary" ? FrameKind::Ordinary
                             : FrameKind::ResizableTool;
}

Qt::CursorShape cursor(const Reader& r, const YAML::Node& n) {
    return r.oneOf(n, "cursor", {"hand", "arrow"}) == "hand" ? Qt::PointingHandCursor
                                                             : Qt::ArrowCursor;
}

// "accessible" and "description" are what a screen reader says of the
// control: its name (where its caption does not say it, as on a button
// with a picture only) and what it is for.
const std::set<std::string> commonKeys = {"name",   "kind", "rect",       "font",       "color",
                                          "cursor", "tab",  "accessible", "description"};

std::set<std::string> keysWith(std::initializer_list<std::string> extra) {
    auto keys = commonKeys;
    keys.insert(extra);
    return keys;
}

QString pictureResource(const Reader& r, const YAML::Node& n) {
    const QString path = ":/pictures/" + r.text(n, "picture");
    if (!QFile::exists(path))
        r.failAt("picture", path.toStdString() + " does not exist");
    return path;
}

QLabel* buildLabel(const Reader& r, QWidget* parent, const YAML::Node& n, QLabel*& autoSized) {
    r.allowOnly(n, keysWith({"text", "background", "align", "wrap", "fixed"}));
    auto* label = new Label(parent); // draws C059 with the layout's line metrics
    label->setTextFormat(Qt::PlainText);
    if (n["text"])
        label->setText(labelText(r.text(n["text"], "text")));
    Qt::Alignment align = Qt::AlignLeft;
    if (n["align"] && r.oneOf(n["align"], "align", {"left", "center"}) == "center")
        align = Qt::AlignHCenter;
    label->setAlignment(align | Qt::AlignTop);
    if (n["wrap"])
        label->setWordWrap(r.flag(n["wrap"], "wrap"));
    if (n["background"]) {
        setColour(label, QPalette::Window, r.colour(n["background"], "background"));
        label->setAutoFillBackground(true);
    }
    if (!(n["fixed"] && r.flag(n["fixed"], "fixed")))
        autoSized = label;
    return label;
}

QPushButton* buildButton(const Reader& r, QWidget* parent, const YAML::Node& n,
                         const Handlers& handlers) {
    r.allowOnly(n, keysWith({"text", "click", "picture"}));
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    if (n["text"])
        button->setText(r.text(n["text"], "text"));
    if (n["picture"]) {
        const QPixmap picture = buttonPicture(pictureResource(r, n["picture"]));
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
    if (n["click"]) {
        const std::string h = r.scalar(n["click"], "click");
        const auto it = handlers.find(h);
        if (it == handlers.end())
            r.failAt("click", "handler " + h + " does not exist");
        QObject::connect(button, &QPushButton::clicked, button, it->second);
    }
    return button;
}

Picture* buildPicture(const Reader& r, QWidget* parent, const YAML::Node& n) {
    r.allowOnly(n, keysWith({"picture", "fit"}));
    if (!n["picture"])
        r.failAt("picture", "a picture control needs a picture");
    return new Picture(pictureResource(r, n["picture"]), n["fit"] && r.flag(n["fit"], "fit"),
                       parent);
}

Shape* buildShape(const Reader& r, QWidget* parent, const YAML::Node& n) {
    r.allowOnly(n, keysWith({"shape", "fill", "outline"}));
    const std::string s =
        n["shape"] ? r.oneOf(n["shape"], "shape", {"rectangle", "ellipse"}) : "rectangle";
    return new Shape(s == "ellipse" ? Shape::Kind::Ellipse : Shape::Kind::Rectangle,
                     n["fill"] ? r.colour(n["fill"], "fill") : QColor(Qt::white),
                     n["outline"] ? r.colour(n["outline"], "outline") : QColor(Qt::black), parent);
}

TextField* buildTextField(const Reader& r, QWidget* parent, const YAML::Node& n) {
    r.allowOnly(n, keysWith({"text", "border", "background", "readonly", "wrap"}));
    const std::string b =
        n["border"] ? r.oneOf(n["border"], "border", {"none", "flat", "sunken"}) : "none";
    const std::map<std::string, TextField::Border> borders = {
        {"none", TextField::Border::None},
        {"flat", TextField::Border::Flat},
        {"sunken", TextField::Border::Sunken}};
    auto* field = new TextField(borders.at(b), parent);
    if (n["text"])
        field->setPlainText(r.text(n["text"], "text"));
    const bool readOnly = !n["readonly"] || r.flag(n["readonly"], "readonly");
    field->setReadOnly(readOnly);
    if (readOnly) // can be clicked into and selected, but Tab passes it by
        field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setLineWrapMode(n["wrap"] && !r.flag(n["wrap"], "wrap") ? QPlainTextEdit::NoWrap
                                                                   : QPlainTextEdit::WidgetWidth);
    const QColor bg = n["background"] ? r.colour(n["background"], "background") : colours::cream;
    setColour(field, QPalette::Base, bg);
    return field;
}

void buildControl(Reader& r, QWidget* parent, const YAML::Node& n, const Handlers& handlers,
                  std::vector<std::pair<int, QWidget*>>& tabs) {
    if (!n.IsMap() || !n["name"] || !n["kind"])
        r.fail("every control needs a name and a kind");
    const std::string name = r.scalar(n["name"], "name");
    r.place("control " + name);
    const std::string kind = r.scalar(n["kind"], "kind");
    if (!n["rect"])
        r.fail("rect is missing");
    const QRect rect = r.rect(n["rect"]);

    QWidget* w = nullptr;
    QLabel* autoSized = nullptr;
    if (kind == "label")
        w = buildLabel(r, parent, n, autoSized);
    else if (kind == "button")
        w = buildButton(r, parent, n, handlers);
    else if (kind == "picture")
        w = buildPicture(r, parent, n);
    else if (kind == "shape")
        w = buildShape(r, parent, n);
    else if (kind == "bevel") {
        r.allowOnly(n, commonKeys);
        w = new Bevel(parent);
    } else if (kind == "memo")
        w = buildTextField(r, parent, n);
    else
        r.failAt("kind", "unknown kind \"" + kind + "\"");

    w->setObjectName(QString::fromStdString(name));
    w->setGeometry(rect);
    if (n["font"])
        w->setFont(r.font(n["font"]));
    if (n["color"]) {
        const QColor c = r.colour(n["color"], "color");
        setColour(w, QPalette::WindowText, c);
        setColour(w, QPalette::ButtonText, c);
        setColour(w, QPalette::Text, c);
    }
    if (n["cursor"])
        w->setCursor(cursor(r, n["cursor"]));
    if (n["accessible"])
        w->setAccessibleName(r.text(n["accessible"], "accessible"));
    if (n["description"])
        w->setAccessibleDescription(r.text(n["description"], "description"));
    if (n["tab"])
        tabs.emplace_back(r.integer(n["tab"], "tab"), w);
    else if (kind == "button")
        w->setFocusPolicy(Qt::NoFocus);
    // A label that is not of fixed size takes the size of its text; with
    // word wrap its width stays and its height follows.
    if (autoSized && autoSized->wordWrap())
        autoSized->resize(rect.width(), autoSized->heightForWidth(rect.width()));
    else if (autoSized)
        autoSized->resize(autoSized->sizeHint());
    r.place("");
}

} // namespace

void buildLayout(Window& window, const QString& resource, const Handlers& handlers,
                 const LayoutValues& values) {
    Reader r(resource, values);
    auto loaded = loadYaml(resource);
    if (auto* why = std::get_if<std::string>(&loaded))
        r.fail(*why);
    const YAML::Node root = std::get<YAML::Node>(loaded);
    if (!root.IsMap())
        r.fail("a layout is a mapping");
    r.allowOnly(root, {"window", "title", "frame", "client", "background", "font", "icon",
                       "position", "visible", "accessible", "controls"});
    for (const char* required : {"window", "frame", "client", "background", "font"})
        if (!root[required])
            r.fail(std::string("window field ") + required + " is missing");

    window.setObjectName(r.text(root["window"], "window"));
    window.setWindowTitle(root["title"] ? r.text(root["title"], "title") : QString());
    if (root["accessible"]) // a screen reader's name for a window whose title bar is empty
        window.setAccessibleName(r.text(root["accessible"], "accessible"));
    const auto client = r.numbers(root["client"], "client", 2);
    window.resize(client[0], client[1]);
    window.setFont(r.font(root["font"]));
    if (root["icon"]) // a bitmap like the button pictures, its ground drawn transparent
        window.setWindowIcon(QIcon(buttonPicture(pictureResource(r, root["icon"]))));

    FrameSpec frame{frameKind(r, root["frame"]), r.colour(root["background"], "background")};
    if (root["position"]) {
        if (root["position"].IsScalar() && r.scalar(root["position"], "position") == "centred")
            frame.firstPosition.reset();
        else {
            const auto p = r.numbers(root["position"], "position", 2);
            frame.firstPosition = QPoint(p[0], p[1]);
        }
    }
    frame.visibleAtStart = root["visible"] && r.flag(root["visible"], "visible");

    std::vector<std::pair<int, QWidget*>> tabs;
    if (root["controls"]) {
        if (!root["controls"].IsSequence())
            r.failAt("controls", "must be a list");
        std::set<std::string> names;
        for (const auto& c : root["controls"]) {
            buildControl(r, &window, c, handlers, tabs);
            const std::string name = window.children().constLast()->objectName().toStdString();
            if (!names.insert(name).second)
                r.fail("two controls are named " + name);
        }
    }
    std::stable_sort(tabs.begin(), tabs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs[i - 1].second, tabs[i].second);
    for (auto& t : tabs)
        t.second->setFocusPolicy(Qt::StrongFocus);
    // What is painted on the window (shapes, labels, pictures) lies below
    // every control that takes input, in whatever order the layout lists them.
    for (QObject* child : window.children())
        if (auto* w = qobject_cast<QWidget*>(child);
            w && !qobject_cast<QLabel*>(w) && !qobject_cast<Shape*>(w) &&
            !qobject_cast<Bevel*>(w) && !qobject_cast<Picture*>(w))
            w->raise();

    window.applyFrame(frame);
}

} // namespace zut
