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

#include <yaml-cpp/yaml.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace zut {

struct ContentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One element of a task block. Elements stand one under another in the
// block's text column; a row stands its elements side by side.
struct Element {
    enum class Kind {
        Text,     // a word-wrapped label; "{_2}" and "{^3}" in it are index labels
        Answers,  // the four answers of a Part 1 task
        Field,    // a read-only multi-line text field
        Picture,  // a stored picture in a rectangle
        Table,    // a drawn table: frame, rules and cell labels
        Programs, // a fragment in three languages under a heading row
        Listings, // С1: listings side by side under column headings
        Row,      // elements side by side
        Rule,     // a short 1 px line, such as a fraction bar, `width` long
    };
    Kind kind = Kind::Text;
    QString name; // the control's name where the layout names it (Memo1, MA8b …)

    // Text and Field; Answers: the four answers; Programs and Listings: the
    // column headings. In a text, "{_2}" and "{^10}" are index labels in the
    // page's 11 px, "{^9:2}" one of its own size.
    QString text;
    QStringList items;
    int width = 0;   // 0: the whole text column
    int pixels = 16; // font size
    bool italic = false;
    bool bold = false;

    // Answers: one line (blanks between), stacked (one a line) or in a field.
    enum class Arrange { Line, Stack, Field };
    Arrange arrange = Arrange::Line;

    // Field: its lines as written; the field is as tall as `lines` lines.
    int lines = 0;
    bool border = false;

    // Picture: the file it is drawn into ("t2007/a11.jpg", a JPEG, or
    // "t2007/a6.svg", a vector picture standing for a metafile), its format
    // as the paper gives it, its stored size and the rectangle it is shown
    // in; with `fit` scaled down to the rectangle, with `sizeToPicture` the
    // rectangle takes the picture's own size. `draw` is what it shows, as
    // data: the picture tool draws it and the content checks read it.
    QString picture;
    QVariant draw;
    QString format; // jpeg, emf or wmf
    QSize stored;
    QSize rect;
    bool fit = false;
    bool sizeToPicture = false;

    // Table: the frame's size, the rules' offsets inside it, and the cells.
    QSize frame;
    std::vector<int> columnRules; // x of each vertical rule
    std::vector<int> rowRules;    // y of each horizontal rule
    struct Cell {
        QPoint at;
        QString text;
        int width = 0; // 0: as wide as its text
        bool bold = false;
        bool centred = false;
        int pixels = 0; // 0: the table's own size
    };
    std::vector<Cell> cells;

    // Programs and Listings: one field a language, side by side; Listings
    // may give a heading a narrower width, where it wraps (0: the column's).
    std::vector<Element> columns;
    std::vector<int> headingWidths;
    int headingHeight = 25;

    std::vector<Element> children; // Row
    int gap = 6;                   // space above this element
    int indent = 0;                // extra left offset inside the text column
};

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
