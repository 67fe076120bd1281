// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformtitle.h"

#include <QGuiApplication>
#include <QWidget>

#if ZUT_HAVE_XCB
#include <xcb/xcb.h>
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

namespace zut {

#if ZUT_HAVE_XCB
namespace {
xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return a;
}
} // namespace

void clearPlatformTitle(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window->windowHandle())
        return; // not on X11: nothing to mend
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");
    for (xcb_atom_t name : {atom(c, "_NET_WM_NAME"), xcb_atom_t(XCB_ATOM_WM_NAME)})
        if (name != XCB_ATOM_NONE)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, name,
                                name == XCB_ATOM_WM_NAME ? xcb_atom_t(XCB_ATOM_STRING) : utf8, 8, 0,
                                "");
    xcb_flush(c);
}
#elif defined(Q_OS_WIN)
// The window's own text, which QWindowsWindow::setWindowTitle set, cleared.
void clearPlatformTitle(QWidget* window) {
    if (window->windowHandle())
        SetWindowTextW(reinterpret_cast<HWND>(window->winId()), L"");
}
#else
void clearPlatformTitle(QWidget*) {}
#endif

} // namespace zut
