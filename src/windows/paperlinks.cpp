// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperlinks.h"

#include "instrykcia.h"
#include "poesnenie.h"
#include "references.h"
#include "start.h"

const zut::PaperLinks paperLinks{
    .instruction = [] { return static_cast<zut::Window*>(instryk); },
    .explanations = [] { return static_cast<zut::Window*>(poesn); },
    .title = [] { return static_cast<zut::Window*>(Tityl); },
};
