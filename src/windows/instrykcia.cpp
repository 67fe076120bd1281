#include "instrykcia.h"

#include "shell/layout.h"

Tinstryk::Tinstryk() {
    zut::buildLayout(*this, ":/layouts/instrykcia.yaml", {});
}
