// SPDX-License-Identifier: GPL-3.0-or-later
// Window layouts are declarative resources (YAML, one per window) that give
// a window's frame, title, client size, colours and fonts and every control
// with its geometry, font, colour, text, picture, cursor, tab order, event
// wiring and what a screen reader says of it. build() turns one into live
// widgets.
#pragma once

#include "core/yamlfile.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace zut {

class Window;

struct LayoutError : DataError {
    using DataError::DataError;
};

// The window's event handlers by the names its layout wires them to.
using Handlers = std::map<std::string, std::function<void()>>;

// Values a layout refers to as "$name": a window that shares a layout with
// others (the eight papers) supplies its own.
using LayoutValues = std::map<std::string, std::string>;

// Builds `window` from the layout resource `resource` (":/layouts/x.yaml").
// Throws LayoutError naming the resource and the control for any fault.
void buildLayout(Window& window, const QString& resource, const Handlers& handlers,
                 const LayoutValues& values = {});

// The named control of a window; throws LayoutError if there is none of that kind.
template <class T> T* control(QWidget* window, const char* name) {
    T* c = window->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        throw LayoutError("window " + window->objectName().toStdString() + " has no control " +
                          name);
    return c;
}

// Label texts keep the accelerator convention: "&&" stands for one "&", a
// lone "&" marks an accelerator and is not shown.
QString labelText(const QString& stored);

} // namespace zut
