// SPDX-License-Identifier: GPL-3.0-or-later
// The windows every paper's buttons lead to beyond its page, shared by the
// eight paper windows.
#pragma once

#include "paper/paper.h"

extern const zut::PaperLinks paperLinks;
