// SPDX-License-Identifier: GPL-3.0-or-later
// A label that draws its text with the line metrics the layouts were drawn
// with. C059, which stands in for Century Schoolbook, has far taller lines
// (1.5 em against about 1.2 em), so a top-aligned label of the designed
// height would cut its descenders and push a second line out of the box.
// Other fonts are drawn as the toolkit draws them, but for one mend: the
// layouts' boxes were measured with whole-pixel font metrics (Times New
// Roman at 16 px: 14 above the baseline and 3 below, 17 in all), the
// embedded fonts keep their fractions (17.73), so a box of the designed
// height loses the tips of the descenders of its last line. At 96 dpi that
// is a faint fringe; at a device pixel ratio of 2 it is a visible cut. The
// text of such a label is raised by the whole pixel that covers that
// fraction, where the room above its tallest letters allows.
#pragma once

#include <QLabel>

#include <optional>

class QTextLayout;

namespace zut {

struct LineMetrics {
    qreal ascent;      // from the top of a line to its baseline
    qreal lineSpacing; // from one baseline to the next
};

// The designed metrics for `font`, where they differ from the font's own.
std::optional<LineMetrics> designedMetrics(const QFont& font);

class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

    // How far the text is raised so that its last line's descenders stay
    // inside the box (0 for most labels).
    qreal descenderLift() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Lays the text out in `width` (or unbounded when it does not wrap) and
    // returns the height it takes.
    qreal layOut(QTextLayout& layout, qreal width, const LineMetrics& m) const;

    // descenderLift() for the text, size and font it was last worked out for.
    mutable struct {
        QString text;
        QSize size;
        QFont font;
        Qt::Alignment alignment;
        bool wrap = false;
        qreal lift = 0;
    } lift_;
};

} // namespace zut
