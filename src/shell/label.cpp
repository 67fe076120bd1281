// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

namespace zut {

std::optional<LineMetrics> designedMetrics(const QFont& font) {
    if (!QFontInfo(font).family().startsWith("C059"))
        return std::nullopt;
    // The layout's Century Schoolbook lines are 4 px taller than the
    // character height (28 px at 24 px, 23 at 19, 19 at 15), with room for
    // the descenders under the baseline.
    const qreal em = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return LineMetrics{em + 4 - 0.27 * em, em + 4};
}

qreal Label::layOut(QTextLayout& layout, qreal width, const LineMetrics& m) const {
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setFont(font());
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, m.ascent + lines * m.lineSpacing - line.ascent()));
        ++lines;
    }
    layout.endLayout();
    return std::ceil(std::max(lines, 1) * m.lineSpacing);
}

QSize Label::sizeHint() const {
    const auto m = designedMetrics(font());
    if (!m || text().isEmpty())
        return QLabel::sizeHint();
    QTextLayout layout(text());
    const qreal h = layOut(layout, wordWrap() ? width() : 1e6, *m);
    const qreal w = wordWrap() ? width() : layout.lineAt(0).naturalTextWidth();
    return QSize(int(std::ceil(w)), int(h));
}

int Label::heightForWidth(int width) const {
    const auto m = designedMetrics(font());
    if (!m || text().isEmpty())
        return QLabel::heightForWidth(width);
    QTextLayout layout(text());
    return int(layOut(layout, width, *m));
}

qreal Label::descenderLift() const {
    if (lift_.text == text() && lift_.size == size() && lift_.font == font() &&
        lift_.alignment == alignment() && lift_.wrap == wordWrap())
        return lift_.lift;
    lift_ = {text(), size(), font(), alignment(), wordWrap(), 0};
    if (text().isEmpty() || designedMetrics(font()) || !(alignment() & Qt::AlignTop))
        return 0;
    // The lines as the toolkit draws them (drawItemText's own layout), and
    // the ink of the last one: its letters' lowest point under the baseline.
    const QFontMetricsF fm(font());
    const QRect box = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const qreal textBottom =
        fm.boundingRect(QRectF(0, 0, box.width(), 1e6), flags, text()).bottom();
    // A line break in the text ends a line, as it does where it is drawn.
    QString lines = text();
    lines.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(lines, font());
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine last;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        last = line;
    }
    layout.endLayout();
    if (!last.isValid())
        return 0;
    const QRectF ink = fm.tightBoundingRect(lines.mid(last.textStart(), last.textLength()));
    const qreal inkBottom = textBottom - fm.descent() + ink.bottom();
    // Whole pixels, as the glyphs stand on whole device pixels at any ratio.
    const qreal lift = std::ceil(inkBottom - box.height());
    // Only a descender's overhang is mended, never a line that does not fit,
    // and only where the tallest letters keep their room at the top.
    const qreal headroom = fm.ascent() + fm.tightBoundingRect(text()).top();
    if (lift > 0 && lift <= fm.descent() && lift <= headroom)
        lift_.lift = lift;
    return lift_.lift;
}

void Label::paintEvent(QPaintEvent* e) {
    const auto m = designedMetrics(font());
    if (!m) {
        const qreal lift = descenderLift();
        if (lift <= 0) {
            QLabel::paintEvent(e);
            return;
        }
        // As QLabel draws plain text, raised.
        QPainter p(this);
        p.translate(0, -lift);
        const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                          (wordWrap() ? Qt::TextWordWrap : 0);
        style()->drawItemText(&p, contentsRect(), flags, palette(), isEnabled(), text(),
                              foregroundRole());
        return;
    }
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    QTextLayout layout(text());
    layOut(layout, wordWrap() || (alignment() & Qt::AlignHCenter) ? width() : 1e6, *m);
    layout.draw(&p, QPointF(0, 0));
}

} // namespace zut
