// SPDX-License-Identifier: GPL-3.0-or-later
// Title window: the program's main window.
#pragma once

#include "shell/window.h"

class TTityl final : public zut::Window {
    Q_OBJECT
public:
    TTityl();

    void StartClick();
    void StopClick();
    void BitBtn1Click();

protected:
    // Closing the main window ends the program, also while it is hidden.
    void closeEvent(QCloseEvent* event) override;
};
