// SPDX-License-Identifier: GPL-3.0-or-later
// Test chooser: the 2007 paper or the 2008 variant menu.
#pragma once

#include "shell/window.h"

class TNachalo final : public zut::Window {
    Q_OBJECT
public:
    TNachalo();

    void test2007Click();
    void test2008Click();
    void vixodClick();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose
};
