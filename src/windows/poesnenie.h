// SPDX-License-Identifier: GPL-3.0-or-later
// Explanations dialog: the notation of the logic tasks. Shown modally from
// every paper.
#pragma once

#include "shell/window.h"

class Tpoesn final : public zut::Window {
    Q_OBJECT
public:
    Tpoesn();

    // Runs once while the program's windows are built: the negation item and
    // the three negation signs drawn into the gaps of the texts below them.
    void FormCreate();
};
