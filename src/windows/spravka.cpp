// SPDX-License-Identifier: GPL-3.0-or-later
#include "spravka.h"

#include "shell/layout.h"

Tsprav::Tsprav() {
    zut::buildLayout(*this, ":/layouts/spravka.yaml", {});
}
