// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20081.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{1, 3, 1, 4, 3, 2, 4, 4, 2, 4, 1, 3, 2, 4, 2, 1, 3, 2, 4, 4},
                         {{{u"3,7,21"},
                           {u"10"},
                           {u"11121"},
                           {u"3124"},
                           {u"625"},
                           {u"127"},
                           {u"жгбваед", u"ЖГБВАЕД"},
                           {u"бваг", u"БВАГ"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_1",
    .caption = "Тест  2008 года 1 вариант",
    .client = {1019, 705},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 697,
    .rezultLeft = 20,
    .page = {.left = 1,
             .width = 1016,
             .height = 7915,
             .part2Y = 4674,
             .part3Y = 6641,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "1 вариант"},
    .content = ":/papers/t2008_1.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_1::Tt2008_1()
    : Paper(paperData) {}
