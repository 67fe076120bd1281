// SPDX-License-Identifier: GPL-3.0-or-later
#include "title.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QSvgRenderer>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace draw {

namespace {

constexpr int width = 512;
constexpr int height = 510;
constexpr int square = 128;

// Smooth random relief: value noise on a grid of `cell` pixels, with
// smoothstep between the grid points; the same seed gives the same relief.
class Relief {
public:
    Relief(int cell, quint32 seed)
        : cell_(cell)
        , columns_(width / cell + 2) {
        QRandomGenerator random(seed);
        values_.resize(size_t(columns_) * size_t(height / cell + 2));
        for (double& v : values_)
            v = random.generateDouble() * 2 - 1;
    }
    double at(int x, int y) const {
        const double fx = double(x) / cell_, fy = double(y) / cell_;
        const int ix = int(fx), iy = int(fy);
        auto smooth = [](double t) { return t * t * (3 - 2 * t); };
        const double tx = smooth(fx - ix), ty = smooth(fy - iy);
        auto v = [&](int cx, int cy) {
            return values_[size_t(cy) * size_t(columns_) + size_t(cx)];
        };
        const double top = v(ix, iy) * (1 - tx) + v(ix + 1, iy) * tx;
        const double bottom = v(ix, iy + 1) * (1 - tx) + v(ix + 1, iy + 1) * tx;
        return top * (1 - ty) + bottom * ty;
    }

private:
    int cell_;
    int columns_;
    std::vector<double> values_;
};

// Light-green and pale-yellow squares of a soft, paper-like grain: two
// scales of relief, fine fibres and a faint rim on every square.
void chequerboard(QImage& image) {
    const QColor green(190, 228, 160), yellow(252, 245, 196);
    const Relief coarse(32, 2008), middle(8, 11), fine(2, 32);
    QRandomGenerator grain(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool light = ((x / square) + (y / square)) % 2 == 1;
            const QColor base = light ? yellow : green;
            const int sx = x % square, sy = y % square;
            double shade = 9 * coarse.at(x, y) + 5 * middle.at(x, y) + 3 * fine.at(x, y) +
                           4 * std::sin((x + 2 * y) * 0.9 + 3 * middle.at(y, x)) *
                               std::max(0.0, fine.at(y, x)) +
                           grain.bounded(-3, 4);
            // A rim of light on the upper and left edge, of shadow on the
            // lower and right edge, fading over a few pixels.
            const int fromStart = std::min(sx, sy),
                      fromEnd = std::min(square - 1 - sx, square - 1 - sy);
            if (fromStart < 4)
                shade += 10 - 2.5 * fromStart;
            if (fromEnd < 4)
                shade -= 14 - 3.5 * fromEnd;
            auto channel = [shade](int v) {
                return std::clamp(int(std::lround(v + shade)), 0, 255);
            };
            line[x] = qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
        }
    }
}

// Blurs an image of premultiplied colours by three box passes each way.
QImage blurred(const QImage& source, int radius) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    std::vector<int> sums(size_t(std::max(w, h)) * 4);
    for (int pass = 0; pass < 3; ++pass)
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            const int lines = horizontal ? h : w, length = horizontal ? w : h;
            QImage out = image;
            for (int l = 0; l < lines; ++l) {
                auto px = [&](QImage& img, int i) -> QRgb& {
                    const int x = horizontal ? i : l, y = horizontal ? l : i;
                    return reinterpret_cast<QRgb*>(img.scanLine(y))[x];
                };
                for (int i = 0; i < length; ++i) {
                    int a = 0, r = 0, g = 0, b = 0, n = 0;
                    for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius);
                         ++k) {
                        const QRgb c = px(image, k);
                        a += qAlpha(c);
                        r += qRed(c);
                        g += qGreen(c);
                        b += qBlue(c);
                        ++n;
                    }
                    px(out, i) = qRgba(r / n, g / n, b / n, a / n);
                }
            }
            image = out;
        }
    return image;
}

// The title in two centred lines, orange-gold with a dark outline, over a
// soft dark shadow.
void title(QImage& image, const QString& fontFile) {
    const int id = QFontDatabase::addApplicationFont(fontFile);
    if (id < 0)
        throw std::runtime_error("cannot load the font " + fontFile.toStdString());
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(46);
    font.setBold(true);
    font.setItalic(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);

    QPainterPath text;
    const struct {
        const char* words;
        double baseline;
    } lines[] = {{"Готовимся к ЗУТ", 206}, {"по информатике", 244}};
    for (const auto& l : lines) {
        const QString words = QString::fromUtf8(l.words);
        const double x = (width - metrics.horizontalAdvance(words)) / 2;
        text.addText(x, l.baseline, font, words);
    }

    QImage shadow(image.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(3.5, 4);
        p.fillPath(text, QColor(40, 22, 0, 230));
    }
    shadow = blurred(shadow, 1);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, shadow);
    for (const auto& l : lines) {
        QLinearGradient gold(0, l.baseline - 33, 0, l.baseline + 6);
        gold.setColorAt(0.0, QColor(255, 236, 120));
        gold.setColorAt(0.45, QColor(255, 186, 40));
        gold.setColorAt(1.0, QColor(222, 102, 0));
        p.setClipRect(QRectF(0, l.baseline - 40, width, 52));
        p.fillPath(text, gold);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(96, 42, 0), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
}

} // namespace

QImage drawTitle(const QString& books, const QString& titleFont) {
    QImage image(width, height, QImage::Format_RGB32);
    chequerboard(image);
    title(image, titleFont);

    QSvgRenderer corner(books);
    if (!corner.isValid())
        throw std::runtime_error("cannot read " + books.toStdString());
    // The drawing keeps its own size and stands in the lower right corner.
    const QSizeF size = corner.viewBoxF().size();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    corner.render(&p, QRectF(QPointF(width - size.width(), height - size.height()), size));
    return image;
}

} // namespace draw
