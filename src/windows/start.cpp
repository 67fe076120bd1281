// SPDX-License-Identifier: GPL-3.0-or-later
#include "start.h"

#include "pysk.h"
#include "shell/layout.h"
#include "references.h"
#include "spravka.h"

#include <QCloseEvent>
#include <QCoreApplication>

TTityl::TTityl() {
    zut::buildLayout(*this, ":/layouts/start.yaml",
                     {{"StartClick", [this] { StartClick(); }},
                      {"StopClick", [this] { StopClick(); }},
                      {"BitBtn1Click", [this] { BitBtn1Click(); }}});
}

void TTityl::StartClick() {
    zut::hideThenShow(Tityl, Nachalo);
}

void TTityl::StopClick() {
    Tityl->close();
}

void TTityl::BitBtn1Click() {
    sprav->showModal(Tityl);
}

void TTityl::closeEvent(QCloseEvent* event) {
    event->accept();
    // exit() rather than quit(): quit() would first ask every visible window
    // to close, and the chooser and papers answer a close by closing this one.
    QCoreApplication::exit(0);
}
