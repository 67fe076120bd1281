// SPDX-License-Identifier: GPL-3.0-or-later
// Instruction dialog: how the exam work is done. Shown modally from every paper.
#pragma once

#include "shell/window.h"

class Tinstryk final : public zut::Window {
    Q_OBJECT
public:
    Tinstryk();
};
