// SPDX-License-Identifier: GPL-3.0-or-later
// A test's main(): the program's own start-up around Qt Test.
#pragma once

#include "app/application.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `act` on the modal dialog that the caller is about to open, once it
// is up: from inside the dialog's own event loop, which the opening call
// runs. `act` must close the dialog. (A plain zero timer may fire before
// the click that opens it has been delivered.) With `tries`, it gives up
// after that many turns of the event loop without a dialog.
inline void whenModal(std::function<void(QWidget*)> act, int tries = -1) {
    auto* waiter =
        new QTimer(QCoreApplication::instance()); // goes with the application at the latest
    waiter->setInterval(0);
    QObject::connect(waiter, &QTimer::timeout, waiter, [waiter, act, tries]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog || tries-- == 0) {
            waiter->stop();
            waiter->deleteLater();
        }
        if (dialog)
            act(dialog);
    });
    waiter->start();
}

#define ZUT_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv) {                                                              \
        zut::prepareEnvironment();                                                                 \
        QApplication app(argc, argv);                                                              \
        zut::initApplication();                                                                    \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
