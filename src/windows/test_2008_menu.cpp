// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_2008_menu.h"

#include "pysk.h"
#include "shell/layout.h"
#include "references.h"
#include "start.h"
#include "t20081.h"
#include "t20082.h"
#include "t20083.h"
#include "t20084.h"
#include "t20085.h"
#include "t20086.h"
#include "t20087.h"

#include <QCloseEvent>

Tt2008_menu::Tt2008_menu() {
    zut::buildLayout(*this, ":/layouts/test_2008_menu.yaml",
                     {{"var1Click", [this] { var1Click(); }},
                      {"var2Click", [this] { var2Click(); }},
                      {"var3Click", [this] { var3Click(); }},
                      {"var4Click", [this] { var4Click(); }},
                      {"var5Click", [this] { var5Click(); }},
                      {"var6Click", [this] { var6Click(); }},
                      {"var7Click", [this] { var7Click(); }},
                      {"nazadClick", [this] { nazadClick(); }},
                      {"vixodClick", [this] { vixodClick(); }}});
}

void Tt2008_menu::var1Click() {
    zut::hideThenShow(t2008_menu, t2008_1);
}
void Tt2008_menu::var2Click() {
    zut::hideThenShow(t2008_menu, t2008_2);
}
void Tt2008_menu::var3Click() {
    zut::hideThenShow(t2008_menu, t2008_3);
}
void Tt2008_menu::var4Click() {
    zut::hideThenShow(t2008_menu, t2008_4);
}
void Tt2008_menu::var5Click() {
    zut::hideThenShow(t2008_menu, t2008_5);
}
void Tt2008_menu::var6Click() {
    zut::hideThenShow(t2008_menu, t2008_6);
}
void Tt2008_menu::var7Click() {
    zut::hideThenShow(t2008_menu, t2008_7);
}

void Tt2008_menu::nazadClick() {
    zut::hideThenShow(t2008_menu, Nachalo);
}

void Tt2008_menu::vixodClick() {
    Tityl->close();
}

void Tt2008_menu::closeEvent(QCloseEvent* event) {
    event->accept();
    Tityl->close();
}
