// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagebuilder.h"

#include "blockcontrols.h"
#include "builder.h"
#include "elements.h"
#include "spoken.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

#include <optional>

namespace zut {

namespace {

constexpr int areaTop = 38;     // the page area, under the frame's top bar
constexpr int areaHeight = 630; // down to the bottom bar
constexpr int boxLeft = 160;    // every instruction box's left edge
constexpr QSize boxSize{681, 81};
constexpr QSize boxTextSize{649, 51}; // its label's
constexpr int firstBlockGap = 20;     // from an instruction box down to its part's first block
constexpr int lastBlockGap = 10;      // from a part's last block down to the next part's heading

// An instruction box: a white rectangle with a centred, wrapped label on it.
void instructionBox(Builder& b, const QString& shape, QPoint at, const QString& label,
                    QPoint labelOffset, const QString& text) {
    b.shape(shape, QRect(at, boxSize), Shape::Kind::Rectangle, Qt::white, Qt::black);
    QLabel* l = b.label(label, QRect(at + labelOffset, boxTextSize), text,
                        font("Century Schoolbook", 19, true, true), colours::teal, Qt::white);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QLabel* partHeading(Builder& b, const QString& name, QRect r, const QString& text) {
    return b.label(name, r, text, font("Century Schoolbook", 24, true), colours::red);
}

// The heading field Memo6, which the student may edit, and the variant
// under it where the paper has one.
void headingField(Builder& b, const PageSpec& geometry) {
    auto* heading = new TextField(TextField::Border::None, b.parent());
    heading->setObjectName("Memo6");
    heading->setGeometry(QRect(geometry.heading, QSize(239, 33)));
    heading->setFont(font("Century Schoolbook", 27, true));
    setColour(heading, QPalette::Text, colours::teal);
    setColour(heading, QPalette::Base, colours::cream);
    heading->setLineWrapMode(QPlainTextEdit::NoWrap);
    heading->setPlainText(QString::fromUtf8(geometry.headingText));
    heading->setFocusPolicy(Qt::StrongFocus);
    heading->setAccessibleName("Заголовок работы");
    heading->setAccessibleDescription(
        QString::fromUtf8(geometry.headingText) +
        (geometry.variantText ? ", " + QString::fromUtf8(geometry.variantText) : QString()) + ". " +
        spoken::keys);
    if (geometry.variantText)
        b.label("Label64", QRect(443, 48, 137, 28), QString::fromUtf8(geometry.variantText),
                font("Century Schoolbook", 24, true, true), colours::teal);
}

// One task block as laid: its elements, its answer control, and how tall
// it is by nature.
int layBlock(Builder& b, PageArea* area, const TaskContent& task, int top,
             const std::function<void(int)>& answerChanged) {
    const BlockAnatomy anatomy = blockAnatomy(task.id);
    const QRect disc = numberDisc(b, anatomy, task.id, top);
    // The answer group or box with its verdict label; a С task has none.
    std::optional<PageArea::Laid> answer;
    if (anatomy.group)
        answer = {task.id, "answer group", answerGroup(b, anatomy, task, top)};
    else if (anatomy.box)
        answer = {task.id, "answer box", answerBox(b, anatomy, task, top, answerChanged)};

    const Column c = anatomy.column;
    ElementLayout elements(b, area, task.id);
    int y = top;
    for (const Element& e : task.elements) {
        const QRect r = elements.lay(e, QPoint(c.left + e.indent, y + e.gap), c.width - e.indent);
        y = r.bottom() + 1;
    }
    // What the anatomy lays takes its place among the elements too.
    area->laid.push_back({task.id, "number disc", disc});
    if (answer)
        area->laid.push_back(*answer);
    return std::max({disc.bottom() + 1, answer ? answer->rect.bottom() : top, y});
}

constexpr int blockSpacing = 14; // at least this much between two blocks

// Lays the blocks of one part from `from`, spreading what space is left
// evenly between them so that the part ends at `to`; returns how many
// pixels it is over, or 0. Each block is built at the top of the page to
// learn its height, then moved down to its place.
int layPart(Builder& b, PageArea* area, const std::vector<TaskContent>& tasks, int from, int to,
            const std::function<void(int)>& answerChanged) {
    struct Built {
        std::vector<QWidget*> widgets;
        size_t laidFrom, laidTo;
        int height;
    };
    std::vector<Built> blocks;
    int natural = 0;
    for (const TaskContent& t : tasks) {
        const qsizetype before = b.parent()->children().size();
        const size_t laidFrom = area->laid.size();
        const int height = layBlock(b, area, t, 0, answerChanged) + blockSpacing;
        Built built{{}, laidFrom, area->laid.size(), height};
        const QObjectList& children = b.parent()->children();
        for (qsizetype i = before; i < children.size(); ++i)
            if (auto* w = qobject_cast<QWidget*>(children[i]))
                built.widgets.push_back(w);
        blocks.push_back(std::move(built));
        natural += height;
    }
    const int spare = std::max(to - from - natural, 0);
    const int count = int(tasks.size());
    int top = from;
    for (int i = 0; i < count; ++i) {
        for (QWidget* w : blocks[i].widgets)
            w->move(w->pos() + QPoint(0, top));
        for (size_t k = blocks[i].laidFrom; k < blocks[i].laidTo; ++k)
            area->laid[k].rect.translate(0, top);
        top += blocks[i].height + spare * (i + 1) / count - spare * i / count;
    }
    return std::max(natural - (to - from), 0);
}

} // namespace

PageArea* buildPage(QWidget* window, const PageSpec& geometry, const PaperContent& content,
                    const std::function<void(int)>& answerChanged) {
    auto* area = new PageArea(window);
    area->setGeometry(geometry.left, areaTop, geometry.width, areaHeight);

    auto* page = new QWidget;
    page->setObjectName("page");
    page->setFont(font("Times New Roman", 11));
    page->setAutoFillBackground(true);
    setColour(page, QPalette::Window, colours::cream);
    Builder b(page);

    headingField(b, geometry);

    // Each part's heading, and its instruction box below it.
    const int box1 = 128, box2 = geometry.part2Y + 46, box3 = geometry.part3Y + 58;
    partHeading(b, "Label1", QRect(464, 82, 93, 30), "Часть I");
    instructionBox(b, "Shape1", {boxLeft, box1}, "Label2", {24, 14},
                   "При выполнении задания этой части отметьте  номер, который соответствует "
                   "номеру выбранного вами ответа ");
    partHeading(b, "Label4", QRect(443, geometry.part2Y, 104, 30), "Часть II");
    instructionBox(b, "Shape31", {boxLeft, box2}, "Label110", {20, 14},
                   "При выполнении задания этой части впишите в графу ответа набор символов "
                   "без  пробелов");
    partHeading(b, "Label127", QRect(416, geometry.part3Y, 115, 30), "Часть III");
    instructionBox(b, "Shape56", {boxLeft, box3}, "Label128", {12, 16},
                   "Задания третьей части выполняются в тетради и не проверяются программой.  ");

    // Each part's blocks fill the space between its instruction box and
    // the next part's heading (the page end for Part 3).
    const auto& t = content.tasks;
    const std::vector<TaskContent> part1(t.begin(), t.begin() + 20);
    const std::vector<TaskContent> part2(t.begin() + 20, t.begin() + 28);
    const std::vector<TaskContent> part3(t.begin() + 28, t.end());
    constexpr int belowBox = boxSize.height() + firstBlockGap;
    const struct {
        const char* name;
        const std::vector<TaskContent>& tasks;
        int from, to;
    } parts[] = {
        {"Часть I", part1, box1 + belowBox, geometry.part2Y - lastBlockGap},
        {"Часть II", part2, box2 + belowBox, geometry.part3Y - lastBlockGap},
        {"Часть III", part3, box3 + belowBox, geometry.height},
    };
    for (const auto& p : parts)
        if (const int over = layPart(b, area, p.tasks, p.from, p.to, answerChanged))
            area->overflow
                << QString("%1 of %2 is %3 px over its space").arg(p.name, content.paper).arg(over);

    // Controls that take input lie above everything painted on the page.
    for (QObject* child : page->children())
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLineEdit*>(child) ||
            qobject_cast<QPlainTextEdit*>(child))
            static_cast<QWidget*>(child)->raise();

    page->resize(geometry.width - 2 * area->frameWidth() -
                     area->verticalScrollBar()->sizeHint().width(),
                 geometry.height);
    area->setWidget(page);
    return area;
}

} // namespace zut
