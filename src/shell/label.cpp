#include "label.h"

#include <QFontInfo>
#include <QPainter>
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

void Label::paintEvent(QPaintEvent* e) {
    const auto m = designedMetrics(font());
    if (!m) {
        QLabel::paintEvent(e);
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
