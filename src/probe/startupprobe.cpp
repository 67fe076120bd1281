// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QWidget>

#include <ctime>

namespace {

Q_LOGGING_CATEGORY(startupLog, "zut.startup", QtWarningMsg)

qint64 now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Marks once the window's first paint event has been handled; the backing
// store is flushed to the screen right after, in the same paint cycle.
class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, e); // the window paints
        zut::probe::mark("painted");
        deleteLater();
        return true;
    }
};

} // namespace

namespace zut::probe {

bool enabled() {
    return startupLog().isInfoEnabled();
}

void mark(const char* what) {
    if (enabled())
        qCInfo(startupLog, "mark %s %lld", what, static_cast<long long>(now()));
}

void watchFirstPaint(QWidget* window) {
    if (enabled())
        window->installEventFilter(new FirstPaint(window));
}

void markWhenLoopRuns() {
    if (enabled())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { mark("running"); }, Qt::QueuedConnection);
}

} // namespace zut::probe
