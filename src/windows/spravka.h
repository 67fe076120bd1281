// SPDX-License-Identifier: GPL-3.0-or-later
// Help dialog: what the program is for. Shown modally from the title window.
#pragma once

#include "shell/window.h"

class Tsprav final : public zut::Window {
    Q_OBJECT
public:
    Tsprav();
};
