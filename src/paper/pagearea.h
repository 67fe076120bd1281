// SPDX-License-Identifier: GPL-3.0-or-later
// The visible area of a paper's page, and the faults of the page laid in it.
#pragma once

#include <QRect>
#include <QScrollArea>
#include <QStringList>

#include <vector>

namespace zut {

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

} // namespace zut
