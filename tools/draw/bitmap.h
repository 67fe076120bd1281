// SPDX-License-Identifier: GPL-3.0-or-later
// Button pictures and icons: an SVG drawing rendered at its pixel size on a
// white ground, written as a Windows bitmap of 24 or 8 bits a pixel.
#pragma once

#include <QImage>
#include <QString>

namespace draw {

// The ground colour. The windows draw a button picture's lower-left pixel
// colour transparent, so this colour marks the ground and nothing else.
inline constexpr QRgb ground = 0xffffffff;

// Renders `svg` at width × height on a transparent ground, as the
// desktop's icon theme wants the program's icon. Throws std::runtime_error
// when the drawing cannot be read.
QImage render(const QString& svg, int width, int height);

// Renders `svg` at width × height onto the ground. Pixels the drawing
// covers keep their colour even where it is white: those are moved one
// step off the ground colour, so that only the ground turns transparent.
// Throws std::runtime_error when the drawing cannot be read or covers the
// lower-left pixel.
QImage renderOnGround(const QString& svg, int width, int height);

// At most 256 colours, the ground colour kept exact and given to no other
// pixel (median cut over the drawing's own colours).
QImage toIndexed(const QImage& image);

// The drawing `svg` as a QPicture recording of its paint commands, for a
// program built without Qt Svg; its bounding rectangle is the view box.
// Throws std::runtime_error when the drawing cannot be read or the
// recording not written to `out`.
void record(const QString& svg, const QString& out);

} // namespace draw
