// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include "platformtitle.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace zut {

void Window::applyFrame(const FrameSpec& frame) {
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (frame.kind) {
    case FrameKind::Tool:
    case FrameKind::ResizableTool:
        flags |= Qt::Tool;
        break;
    case FrameKind::Ordinary:
        flags |= Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
        break;
    }
    setWindowFlags(flags);
    if (frame.kind == FrameKind::Tool)
        setFixedSize(size());

    QPalette pal = palette();
    pal.setColor(QPalette::Window, frame.background);
    setPalette(pal);
    setAutoFillBackground(true);

    firstPosition_ = frame.firstPosition;
    visibleAtStart_ = frame.visibleAtStart;
}

void Window::placeFirstTime() {
    placed_ = true;
    if (firstPosition_) {
        move(*firstPosition_);
        return;
    }
    // Centre the client area on the screen; a window larger than the screen
    // keeps the top-left corner of its frame on the desktop.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (!windowHandle())
        create(); // so that the window system can tell the frame it will add
    const QMargins frame = windowHandle()->frameMargins();
    QRect r(QPoint(), size());
    r.moveCenter(desk.center());
    r.moveLeft(std::max(r.left(), desk.left() + frame.left()));
    r.moveTop(std::max(r.top(), desk.top() + frame.top()));
    setGeometry(r);
}

void Window::showWindow() {
    if (!placed_)
        placeFirstTime();
    show();
    if (windowTitle().isEmpty())
        clearPlatformTitle(this);
    raise();
    activateWindow();
}

namespace {
// Ends a nested event loop once the window it watches is hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop)
        : loop_(loop) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};
} // namespace

void Window::showModal(QWidget* opener) {
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(loop);
    installEventFilter(&watcher);
    showWindow();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    removeEventFilter(&watcher);
    if (opener && opener->isVisible()) {
        opener->raise();
        opener->activateWindow();
    }
}

void hideThenShow(QWidget* from, Window* to) {
    from->hide();
    to->showWindow();
}

} // namespace zut
