#include "spravka.h"

#include "shell/layout.h"

Tsprav::Tsprav() {
    zut::buildLayout(*this, ":/layouts/spravka.yaml", {});
}
