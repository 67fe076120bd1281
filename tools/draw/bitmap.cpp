// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitmap.h"

#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace draw {

namespace {
// Coverage below this is left as ground: a faint fringe would show as a
// light speck on the button face.
constexpr int faintest = 24;
constexpr QRgb offGround = 0xfffefefe;
} // namespace

QImage render(const QString& svg, int width, int height) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw std::runtime_error("cannot read " + svg.toStdString());
    QImage drawing(width, height, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    {
        QPainter p(&drawing);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(0, 0, width, height));
    }
    return drawing;
}

void record(const QString& svg, const QString& out) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw std::runtime_error("cannot read " + svg.toStdString());
    const QRectF box(QPointF(0, 0), renderer.viewBoxF().size());
    QPicture picture;
    {
        QPainter p(&picture);
        renderer.render(&p, box);
    }
    picture.setBoundingRect(box.toAlignedRect());
    if (!picture.save(out))
        throw std::runtime_error("cannot write " + out.toStdString());
}

QImage renderOnGround(const QString& svg, int width, int height) {
    const QImage drawing = render(svg, width, height);
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = drawing.pixel(x, y);
            const int a = qAlpha(c);
            if (a < faintest) {
                out.setPixel(x, y, ground);
                continue;
            }
            auto over = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
            const QRgb mixed = qRgb(over(qRed(c)), over(qGreen(c)), over(qBlue(c)));
            out.setPixel(x, y, mixed == ground ? offGround : mixed);
        }
    if (out.pixel(0, height - 1) != ground)
        throw std::runtime_error(svg.toStdString() +
                                 " covers the lower-left pixel, which must stay ground");
    return out;
}

namespace {
struct Box {
    std::vector<QRgb> colours;
    int spread(int shift) const {
        int lo = 255, hi = 0;
        for (QRgb c : colours) {
            const int v = (c >> shift) & 0xff;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }
    QRgb mean() const {
        long r = 0, g = 0, b = 0;
        for (QRgb c : colours) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = long(colours.size());
        return qRgb(int(r / n), int(g / n), int(b / n));
    }
};
} // namespace

QImage toIndexed(const QImage& image) {
    std::vector<QRgb> drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = image.pixel(x, y) | 0xff000000; c != ground)
                drawn.push_back(c);

    // Split the box with the widest channel until there are 255 boxes: the
    // ground takes the last of the 256 entries.
    std::vector<Box> boxes;
    if (!drawn.empty())
        boxes.push_back({drawn});
    while (boxes.size() < 255) {
        int best = -1, bestShift = 0, bestSpread = 0;
        for (int i = 0; i < int(boxes.size()); ++i)
            for (int shift : {16, 8, 0})
                if (const int s = boxes[i].spread(shift); s > bestSpread) {
                    best = i;
                    bestShift = shift;
                    bestSpread = s;
                }
        if (best < 0)
            break; // every box holds one colour
        auto& colours = boxes[best].colours;
        std::sort(colours.begin(), colours.end(), [bestShift](QRgb a, QRgb b) {
            return ((a >> bestShift) & 0xff) < ((b >> bestShift) & 0xff);
        });
        const auto half = colours.begin() + colours.size() / 2;
        Box upper{std::vector<QRgb>(half, colours.end())};
        colours.erase(half, colours.end());
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> table;
    for (const Box& b : boxes)
        table.push_back(b.mean() == ground ? offGround : b.mean());
    const int groundIndex = int(table.size());
    table.push_back(ground);

    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000;
            int index = groundIndex;
            if (c != ground) {
                int bestDistance = INT_MAX;
                for (int i = 0; i < groundIndex; ++i) {
                    const int dr = qRed(c) - qRed(table[i]);
                    const int dg = qGreen(c) - qGreen(table[i]);
                    const int db = qBlue(c) - qBlue(table[i]);
                    if (const int d = dr * dr + dg * dg + db * db; d < bestDistance) {
                        bestDistance = d;
                        index = i;
                    }
                }
            }
            out.setPixel(x, y, uint(index));
        }
    return out;
}

} // namespace draw
