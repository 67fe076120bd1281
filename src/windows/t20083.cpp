// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20083.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{2, 4, 2, 1, 2, 4, 1, 3, 2, 4, 3, 4, 4, 1, 2, 2, 1, 1, 1, 4},
                         {{{u"6,8,12,24"},
                           {u"6"},
                           {u"11122"},
                           {u"1342"},
                           {u"480000"},
                           {u"340"},
                           {u"дваегбж", u"ДВАЕГБЖ"},
                           {u"гваб", u"ГВАБ"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_3",
    .caption = "Тест  2008 года 3 вариант",
    .client = {1019, 706},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 1,
             .width = 1016,
             .height = 7922,
             .part2Y = 4474,
             .part3Y = 6569,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "3 вариант"},
    .content = ":/papers/t2008_3.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_3::Tt2008_3()
    : Paper(paperData) {}
