// SPDX-License-Identifier: GPL-3.0-or-later
// A paper's content: one YAML resource per paper, holding its 32 tasks in
// order, each a column of elements laid into the task's block. Read and
// checked when the paper is built; the tests build every paper, so a
// faulty file fails them, never a student's run.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "yamlfile.h"

#include <yaml-cpp/yaml.h>

#include <optional>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

namespace zut {

struct ContentError : DataError {
    using DataError::DataError;
};

// The elements of a task block, one type a kind: the compiler holds each
// kind to its own attributes, and a reader of the content picks the kinds
// it wants with `as` and `allOf`.

// How a text, the options or a field are lettered (Times New Roman).
struct Lettering {
    int pixels = 16;
    bool italic = false;
    bool bold = false;
};

// A word-wrapped label; "{_2}" and "{^10}" in it are index labels in the
// page's 11 px, "{^9:2}" one of its own size.
struct TextElement {
    QString text;
    Lettering lettering;
};

// The four options of a Part 1 task: on one line (blanks between), stacked
// (one a line) or in a read-only field of `lines` lines named `name`.
struct AnswersElement {
    enum class Arrange { Line, Stack, Field };
    QStringList options;
    Lettering lettering;
    Arrange arrange = Arrange::Line;
    QString name;
    int lines = 0;
    bool border = false;
};

// A read-only multi-line text field, as tall as `lines` lines; its text as
// written.
struct FieldElement {
    QString name; // the control's name where the layout names it (Memo1, MA8b …)
    QString text;
    Lettering lettering;
    int lines = 1;
    bool border = false;
};

// A stored picture in a rectangle: the file it is drawn into
// ("t2007/a11.jpg", a JPEG, or "t2007/a6.svg", a vector picture standing for
// a metafile), its format as the paper gives it, its stored size and the
// rectangle it is shown in; with `fit` scaled down to the rectangle, with
// `sizeToPicture` the rectangle takes the picture's own size. `draw` is what
// it shows, as data: the picture tool draws it and the content checks read
// it.
struct PictureElement {
    QString file;
    QVariant draw;
    QString format; // jpeg, emf or wmf
    QSize stored;
    QSize rect;
    bool fit = false;
    bool sizeToPicture = false;
};

// A drawn table: the frame's size, the rules' offsets inside it, the cells.
struct TableElement {
    struct Cell {
        QPoint at;
        QString text;
        int width = 0; // 0: as wide as its text
        bool bold = false;
        bool centred = false;
        int pixels = 0; // 0: the table's own size
    };
    QSize frame;
    std::vector<int> columnRules; // x of each vertical rule
    std::vector<int> rowRules;    // y of each horizontal rule
    std::vector<Cell> cells;
    int pixels = 16;
};

// A fragment in three languages, one field a language side by side under a
// heading row: three headings, or one line that names them all.
struct ProgramsElement {
    std::vector<FieldElement> columns;
    QStringList headings;
    QString heading;
    int headingHeight = 25;
};

// С1: listings side by side under their column headings; a heading may be
// given a narrower width, where it wraps (0: the column's).
struct ListingsElement {
    std::vector<FieldElement> columns;
    QStringList headings;
    std::vector<int> headingWidths;
    int headingHeight = 38;
};

struct Element;

// Elements side by side.
struct RowElement {
    std::vector<Element> children;
};

// A short 1 px line, such as a fraction bar.
struct RuleElement {};

// One element of a task block. Elements stand one under another in the
// block's text column; a row stands its elements side by side.
struct Element {
    using Body =
        std::variant<TextElement, AnswersElement, FieldElement, PictureElement, TableElement,
                     ProgramsElement, ListingsElement, RowElement, RuleElement>;
    Body body;
    int width = 0;  // 0: the whole text column (a rule: its length)
    int gap = 6;    // space above this element
    int indent = 0; // extra left offset inside the text column
};

// The element's body if it is of kind T.
template <class T> const T* as(const Element& e) {
    return std::get_if<T>(&e.body);
}
template <class T> T* as(Element& e) {
    return std::get_if<T>(&e.body);
}

// Calls `visit` with every element body in page order, the elements of rows
// and the fields of programs and listings included; the bodies are
// writable where the elements are.
template <class Elements, class Visit> void walkElements(Elements& elements, Visit&& visit) {
    for (auto& e : elements)
        std::visit(
            [&](auto& body) {
                visit(body);
                using B = std::decay_t<decltype(body)>;
                if constexpr (std::is_same_v<B, RowElement>)
                    walkElements(body.children, visit);
                if constexpr (std::is_same_v<B, ProgramsElement> ||
                              std::is_same_v<B, ListingsElement>)
                    for (auto& f : body.columns)
                        visit(f);
            },
            e.body);
}

// Every element body of kind T, in page order (see walkElements).
template <class T, class Elements> auto allOf(Elements& elements) {
    using Found = std::conditional_t<std::is_const_v<Elements>, const T*, T*>;
    std::vector<Found> found;
    walkElements(elements, [&](auto& body) {
        if constexpr (std::is_same_v<std::decay_t<decltype(body)>, T>)
            found.push_back(&body);
    });
    return found;
}

struct TaskContent {
    QString id; // as on screen: "А1" … "А20", "B1" … "B8", "С1" … "С4"
    std::vector<Element> elements;
    QString solution; // the worked solution; the program never shows it
    // Where this paper's block puts its verdict label otherwise than the
    // block anatomy does: the offset from the answer group's corner (Part 1)
    // or from the answer box's corner (Part 2).
    std::optional<QPoint> verdictOffset;
    // What the task's check starts from and how it runs (the tests read
    // them; the program shows the givens only through its texts).
    QVariantMap givens;
    QVariantMap check;
};

struct PaperContent {
    QString paper; // the paper's reference name
    std::vector<TaskContent> tasks;
};

// The ids of the 32 tasks, in page order.
const std::vector<QString>& taskIds();

// A paper's content from a resource or file: packed, its placeholders
// filled when it was packed; as YAML text, filled here (givens.h).
PaperContent readContent(const QString& resource);
// The content of an already loaded and filled tree; `where` names it in
// the messages.
PaperContent readContent(const YAML::Node& root, const QString& where);

} // namespace zut
