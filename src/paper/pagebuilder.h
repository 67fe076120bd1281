// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolling page of a paper: its heading, the three part headings with
// their instruction boxes, and the 32 task blocks, laid so that the part
// headings and the page end land on the heights the paper fixes.
#pragma once

#include "core/content.h"

#include <QLabel>
#include <QPoint>
#include <QRadioButton>
#include <QScrollArea>

#include <functional>

namespace zut {

struct PageSpec {
    int left; // the page area stands at (left, 38), width × 630
    int width;
    int height;       // of the whole page
    int part2Y;       // top of the heading "Часть II"
    int part3Y;       // top of the heading "Часть III"
    int storedScroll; // where the page stands before the paper is first shown
    QPoint heading;   // the heading field Memo6
    const char* headingText;
    const char* variantText; // Label64, or null where the paper has none
};

// The page's visible area. A page step is nine tenths of the visible
// height and an arrow step a tenth of that; a control that takes the focus
// is scrolled into view by the least amount that shows it.
class PageArea : public QScrollArea {
    Q_OBJECT
public:
    explicit PageArea(QWidget* parent);
    ~PageArea() override;

    // Scrolls by the least amount that shows the whole of `control` (the
    // toolkit's own way shows only a text field's cursor).
    void showControl(QWidget* control);

    // What the builder laid: each content element's rectangle on the page,
    // with its task, for the content checks.
    struct Laid {
        QString task;
        QString what; // "text", "field Memo1", "picture a11" …
        QRect rect;
    };
    std::vector<Laid> laid;
    // Where the content does not fit the heights the paper fixes: one line
    // a part, saying by how many pixels it is over.
    QStringList overflow;

    // Every fault of the page as laid: parts over their space, elements
    // past the page's right edge, elements overlapping one another or the
    // answer controls, the number disc or the next block.
    QStringList problems() const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void applySteps();
    void followFocus(QWidget* now);

    QMetaObject::Connection focus_;
};

// Builds the page of a paper into `window`. `answerChanged(n)` is called
// with n = 1 … 8 on every change of the text of answer field n.
PageArea* buildPage(QWidget* window, const PageSpec& geometry, const PaperContent& content,
                    const std::function<void(int)>& answerChanged);

// A small label laid over the blanks a text label leaves for it: the base
// of a number (below the line) or an exponent (above it).
class IndexLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// An option of a Part 1 task. The arrow keys choose another option of the
// same task, the focus going with the choice: Left and Up the one before,
// Right and Down the one after, round the four.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// What a screen reader says of the page's controls: one place for all eight
// papers, from the task's id and its content.
namespace spoken {
QString task(const QString& id);              // "Задание А7"
QString option(const QString& id, int k);     // "Задание А7, ответ 3"
QString answerField(const QString& id);       // "Ответ к заданию B2"
QString verdict(const QString& id);           // the verdict label's description
QString withoutMarks(const QString& written); // a content text as it is read out
extern const char* const keys;                // how the keyboard reaches the tasks
} // namespace spoken

// The number of the task an id names: "А7" → 7.
int taskNumber(const QString& id);

// The name of option k of Part 1 task n: "a7_3"; task 2 spells its first
// three "A2_1" … "A2_3" and its group "A2" in every paper.
QString optionName(int n, int k);

} // namespace zut
