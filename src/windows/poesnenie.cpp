// SPDX-License-Identifier: GPL-3.0-or-later
#include "poesnenie.h"

#include "shell/layout.h"

#include <QLabel>

Tpoesn::Tpoesn() {
    zut::buildLayout(*this, ":/layouts/poesnenie.yaml", {});
}

void Tpoesn::FormCreate() {
    zut::control<QLabel>(this, "Label2")
        ->setText(
            QStringLiteral("a) отрицание (инверсия, логическое НЕ) обозначается ¬ (например,¬А);"));
    for (const char* name : {"Label9", "Label11", "Label12"}) {
        auto* sign = zut::control<QLabel>(this, name);
        sign->setText(QStringLiteral("¬"));
        sign->adjustSize(); // these labels take the size of their text
    }
}
