// A label that draws its text with the line metrics the layouts were drawn
// with. C059, which stands in for Century Schoolbook, has far taller lines
// (1.5 em against about 1.2 em), so a top-aligned label of the designed
// height would cut its descenders and push a second line out of the box.
// Other fonts are drawn as the toolkit draws them.
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

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Lays the text out in `width` (or unbounded when it does not wrap) and
    // returns the height it takes.
    qreal layOut(QTextLayout& layout, qreal width, const LineMetrics& m) const;
};

} // namespace zut
