// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's builders share, inside the paper machinery: the shell's
// controls, labels and colours, which they see through this one header, and
// a builder that names and places controls on one parent.
#pragma once

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/label.h"
#include "shell/layout.h"

#include <QApplication>
#include <QFont>

#include <optional>

namespace zut {

inline QFont font(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

inline QColor tooltip() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}
inline QColor windowText() {
    return QApplication::palette().color(QPalette::WindowText);
}

// Builds controls onto one parent, each named and placed.
class Builder {
public:
    explicit Builder(QWidget* parent)
        : parent_(parent) {}
    QWidget* parent() const { return parent_; }

    Label* label(const QString& name, QRect r, const QString& text, const QFont& f,
                 const QColor& colour, std::optional<QColor> background = std::nullopt) {
        auto* l = new Label(text, parent_);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setGeometry(r);
        l->setFont(f);
        setColour(l, QPalette::WindowText, colour);
        if (background) {
            setColour(l, QPalette::Window, *background);
            l->setAutoFillBackground(true);
        }
        return l;
    }
    Shape* shape(const QString& name, QRect r, Shape::Kind kind, QColor fill, QColor outline) {
        auto* s = new Shape(kind, fill, outline, parent_);
        s->setObjectName(name);
        s->setGeometry(r);
        return s;
    }

private:
    QWidget* parent_;
};

} // namespace zut
