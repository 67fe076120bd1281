// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagearea.h"

#include "builder.h" // TextField

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextDocument>

#include <cmath>

namespace zut {

PageArea::PageArea(QWidget* parent)
    : QScrollArea(parent) {
    setObjectName("ScrollBox1");
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setTracking(true);
    focus_ = connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { followFocus(now); });
}

// The focus moves while the page's controls are destroyed, after this part
// of the page is gone: the connection must not outlive it.
PageArea::~PageArea() {
    disconnect(focus_);
}

// The toolkit sets its own steps whenever it lays the area out; ours are
// put back each time after it.
void PageArea::applySteps() {
    const int page = viewport()->height() * 9 / 10;
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(std::max(1, page / 10));
}

void PageArea::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    applySteps();
}

bool PageArea::event(QEvent* e) {
    const bool handled = QScrollArea::event(e);
    if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::Show)
        applySteps();
    return handled;
}

bool PageArea::eventFilter(QObject* o, QEvent* e) {
    const bool handled = QScrollArea::eventFilter(o, e);
    if (o == widget() && e->type() == QEvent::Resize)
        applySteps();
    return handled;
}

void PageArea::followFocus(QWidget* now) {
    // Only while shown: a late activation of a hidden paper may hand the
    // focus to one of its controls, and the page must stay where it was left.
    if (now && isVisible() && widget() && widget()->isAncestorOf(now))
        showControl(now);
}

QStringList PageArea::problems() const {
    constexpr int rightEdge = 977; // past this the page would need a horizontal scroll bar
    QStringList found = overflow;
    for (const Laid& l : laid)
        if (l.rect.right() >= rightEdge)
            found << QString("task %1: %2 reaches x %3, past the page's right edge %4")
                         .arg(l.task, l.what)
                         .arg(l.rect.right() + 1)
                         .arg(rightEdge);
    for (size_t i = 0; i < laid.size(); ++i)
        for (size_t k = i + 1; k < laid.size(); ++k)
            if (laid[i].rect.intersects(laid[k].rect))
                found << QString("task %1: %2 overlaps %3 of task %4")
                             .arg(laid[i].task, laid[i].what, laid[k].what, laid[k].task);
    // A content field neither wraps nor scrolls: a line wider than the field
    // or a line below its last one would be cut off.
    if (widget())
        for (const TextField* f : widget()->findChildren<const TextField*>()) {
            if (!f->isReadOnly())
                continue;
            const QFontMetricsF fm(f->font());
            const qreal margin = f->document()->documentMargin();
            const QStringList lines = f->toPlainText().split('\n');
            qreal widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, fm.horizontalAdvance(line));
            const int over = int(std::ceil(widest - (f->contentsRect().width() - 2 * margin)));
            if (over > 0)
                found << QString("field %1: its widest line is %2 px wider than the field")
                             .arg(f->objectName())
                             .arg(over);
            const int shown =
                int((f->contentsRect().height() - 2 * margin) / std::ceil(fm.lineSpacing()));
            if (lines.size() > shown)
                found << QString("field %1: %2 lines, of which %3 are shown")
                             .arg(f->objectName())
                             .arg(lines.size())
                             .arg(shown);
        }
    return found;
}

void PageArea::showControl(QWidget* control) {
    QScrollBar* bar = verticalScrollBar();
    const int top = control->mapTo(widget(), QPoint(0, 0)).y();
    const int bottom = top + control->height();
    const int visible = viewport()->height();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + visible)
        bar->setValue(std::min(top, bottom - visible));
}

} // namespace zut
