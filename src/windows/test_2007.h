// SPDX-License-Identifier: GPL-3.0-or-later
// The 2007 paper.
#pragma once

#include "paper/paper.h"

class Tt2007 final : public zut::Paper {
    Q_OBJECT
public:
    Tt2007();
};
