// SPDX-License-Identifier: GPL-3.0-or-later
// The papers' pictures drawn from the data their content files give:
// tables, spreadsheet fragments, numbered tables side by side, bar and pie
// charts, graph schemes, flowcharts (laid out from a structured
// description), and freeform drawings from SVG sources.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QVariant>

namespace draw {

// The size a picture takes by nature, before it is fitted to its size.
QSizeF naturalSize(const QVariant& data, const QString& sources);

// Draws `data` into the rectangle (0, 0) `size` of `p`, scaled down where
// its natural size is larger, never up. `sources` is the folder of the
// freeform SVG drawings.
void drawPicture(QPainter& p, const QVariant& data, const QSizeF& size, const QString& sources);

// Draws every picture of a content file into `out`; returns their files.
QStringList drawContentPictures(const QString& content, const QString& out, const QString& sources);

} // namespace draw
