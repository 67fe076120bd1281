// SPDX-License-Identifier: GPL-3.0-or-later
#include "instrykcia.h"

#include "shell/layout.h"

Tinstryk::Tinstryk() {
    zut::buildLayout(*this, ":/layouts/instrykcia.yaml", {});
}
