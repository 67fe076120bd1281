// SPDX-License-Identifier: GPL-3.0-or-later
// The 2008 paper, variant 4.
#pragma once

#include "paper/paper.h"

class Tt2008_4 final : public zut::Paper {
    Q_OBJECT
public:
    Tt2008_4();
};
