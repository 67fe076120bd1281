// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include <QKeyEvent>
#include <QPainter>
#if ZUT_HAVE_SVG
#include <QSvgRenderer>
#endif

namespace zut {

Shape::Shape(Kind kind, QColor fill, QColor outline, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , fill_(fill)
    , outline_(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(outline_, 1));
    p.setBrush(fill_);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Kind::Ellipse) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}

Bevel::Bevel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

Picture::Picture(const QString& resource, bool fit, QWidget* parent)
    : QWidget(parent)
    , resource_(resource)
    , fit_(fit) {
    vector_ = resource.endsWith(".svg");
    if (!vector_)
        pixmap_ = QPixmap(resource);
#if ZUT_HAVE_SVG
    else
        svg_ = new QSvgRenderer(resource, this);
#else
    else
        recording_.load(resource);
#endif
}

QSize Picture::ownSize() const {
    // A vector picture's own size is its view box: the width and height it
    // writes are in physical units. A recording keeps the view box as its
    // bounding rectangle.
    if (!vector_)
        return pixmap_.deviceIndependentSize().toSize();
#if ZUT_HAVE_SVG
    return svg_->viewBoxF().size().toSize();
#else
    return recording_.boundingRect().size();
#endif
}

QRect Picture::drawnRect() const {
    QSize size = ownSize();
    if (fit_ && (size.width() > width() || size.height() > height()))
        size = size.scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint(0, 0), size);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!vector_) {
        p.drawPixmap(drawnRect(), pixmap_);
        return;
    }
#if ZUT_HAVE_SVG
    svg_->render(&p, drawnRect());
#else
    const QRect box = recording_.boundingRect();
    const QRect to = drawnRect();
    if (box.isEmpty())
        return;
    p.scale(qreal(to.width()) / box.width(), qreal(to.height()) / box.height());
    p.drawPicture(-box.topLeft(), recording_);
#endif
}

TextField::TextField(Border border, QWidget* parent)
    : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    switch (border) {
    case Border::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Flat:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    case Border::Sunken:
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        break;
    }
    document()->setDocumentMargin(1);
}

void TextField::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

QPixmap buttonPicture(const QString& resource) {
    QImage image(resource);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
    return pixmap;
}

} // namespace zut
