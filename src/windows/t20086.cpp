// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20086.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{1, 4, 2, 2, 2, 3, 3, 3, 4, 3, 4, 2, 3, 1, 2, 3, 2, 2, 1, 3},
                         {{{u"5"},
                           {u"0100"},
                           {u"10"},
                           {u"А", u"а"},
                           {u"2"},
                           {u"10"},
                           {u"езбгдвжа", u"ЕЗБГДВЖА"},
                           {u"агбв", u"АГБВ"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_6",
    .caption = "Тест  2008 года 6 вариант",
    .client = {1019, 706},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 1,
             .width = 1016,
             .height = 8266,
             .part2Y = 4754,
             .part3Y = 6873,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "6 вариант"},
    .content = ":/papers/t2008_6.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_6::Tt2008_6()
    : Paper(paperData) {}
