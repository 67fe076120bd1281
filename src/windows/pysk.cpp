// SPDX-License-Identifier: GPL-3.0-or-later
#include "pysk.h"

#include "shell/layout.h"
#include "references.h"
#include "start.h"
#include "test_2007.h"
#include "test_2008_menu.h"

#include <QCloseEvent>

TNachalo::TNachalo() {
    zut::buildLayout(*this, ":/layouts/pysk.yaml",
                     {{"test2007Click", [this] { test2007Click(); }},
                      {"test2008Click", [this] { test2008Click(); }},
                      {"vixodClick", [this] { vixodClick(); }}});
}

void TNachalo::test2007Click() {
    zut::hideThenShow(Nachalo, t2007);
}

void TNachalo::test2008Click() {
    zut::hideThenShow(Nachalo, t2008_menu);
}

void TNachalo::vixodClick() {
    Tityl->close();
}

void TNachalo::closeEvent(QCloseEvent* event) {
    event->accept(); // this window hides, and the program ends with the title window
    Tityl->close();
}
