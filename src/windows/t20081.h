// SPDX-License-Identifier: GPL-3.0-or-later
// The 2008 paper, variant 1.
#pragma once

#include "paper/paper.h"

class Tt2008_1 final : public zut::Paper {
    Q_OBJECT
public:
    Tt2008_1();
};
