// SPDX-License-Identifier: GPL-3.0-or-later
// The controls the toolkit has no ready widget for: shapes, bevels,
// pictures drawn from a rectangle's corner, and multi-line text fields
// as the windows use them.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPicture>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWidget>

class QSvgRenderer;

namespace zut {

// A filled rectangle or ellipse with a 1 px outline. It takes no input, so
// clicks fall through to what lies beneath.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Ellipse };
    Shape(Kind kind, QColor fill, QColor outline, QWidget* parent);
    Kind kind() const { return kind_; }
    QColor fill() const { return fill_; }
    QColor outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor fill_;
    QColor outline_;
};

// A raised bevel frame: light upper and left edges, dark lower and right.
class Bevel : public QWidget {
    Q_OBJECT
public:
    explicit Bevel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A picture in a rectangle: drawn from the rectangle's top-left corner at
// its own size and clipped, or with `fit` scaled down (never up), keeping
// its proportions, when it is larger than the rectangle. A picture is a
// bitmap (JPEG, BMP) or a vector drawing (SVG), whose own size is its
// view box.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& resource, bool fit, QWidget* parent);
    QString resource() const { return resource_; }
    bool isVector() const { return vector_; }
    QSize ownSize() const;
    bool fit() const { return fit_; }
    // The rectangle the picture is drawn into, in the widget's coordinates.
    QRect drawnRect() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    QPixmap pixmap_;
    bool vector_ = false;
#if ZUT_HAVE_SVG
    QSvgRenderer* svg_ = nullptr;
#else
    // Where Qt Svg is not built (the Windows build), the picture tool has
    // recorded each drawing as a QPicture under the drawing's own name.
    QPicture recording_;
#endif
    bool fit_;
};

// A multi-line text field without scroll bars. A read-only one can still
// be clicked into and selected; Enter never inserts a line break.
class TextField : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class Border { None, Flat, Sunken };
    TextField(Border border, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// Sets one colour role of a control's palette.
inline void setColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

// A button picture: its lower-left pixel's colour is drawn transparent.
QPixmap buttonPicture(const QString& resource);

} // namespace zut
