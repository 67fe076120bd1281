// SPDX-License-Identifier: GPL-3.0-or-later
// 2008 variant menu: the seven 2008 papers.
#pragma once

#include "shell/window.h"

class Tt2008_menu final : public zut::Window {
    Q_OBJECT
public:
    Tt2008_menu();

    void var1Click();
    void var2Click();
    void var3Click();
    void var4Click();
    void var5Click();
    void var6Click();
    void var7Click();
    void nazadClick();
    void vixodClick();

protected:
    // Hiding this window would leave the program running with no window at
    // all, so its close box ends the program like the chooser's.
    void closeEvent(QCloseEvent* event) override; // FormClose
};
