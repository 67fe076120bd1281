// SPDX-License-Identifier: GPL-3.0-or-later
// The title window's background: a textured chequerboard, the program's
// title and, in the lower right corner, the drawing of books and discs.
#pragma once

#include <QImage>
#include <QString>

namespace draw {

// `books` is the SVG drawing of the corner; `titleFont` the font file the
// title is set in.
QImage drawTitle(const QString& books, const QString& titleFont);

} // namespace draw
