// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: what the toolkit alone costs on
// this machine, one empty window of the title window's size shown at once.
#include "probe/startupprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(513, 505);
    zut::probe::watchFirstPaint(&window);
    window.show();
    zut::probe::mark("built");
    zut::probe::markWhenLoopRuns();
    return QApplication::exec();
}
