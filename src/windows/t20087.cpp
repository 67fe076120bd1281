// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20087.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{3, 1, 3, 3, 2, 2, 3, 3, 4, 3, 3, 4, 4, 2, 2, 1, 1, 3, 4, 2},
                         {{{u"4,6,8,12,24"},
                           {u"4"},
                           {u"22112"},
                           {u"мве", u"МВЕ"},
                           {u"17920"},
                           {u"513"},
                           {u"DGAFCEB", u"dgafceb"},
                           {u"BCAD", u"bcad"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_7",
    .caption = "Тест  2008 года 7 вариант",
    .client = {1019, 706},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 2,
             .width = 1016,
             .height = 8053,
             .part2Y = 4778,
             .part3Y = 6689,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "7 вариант"},
    .content = ":/papers/t2008_7.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_7::Tt2008_7()
    : Paper(paperData) {}
