// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20082.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{3, 4, 3, 3, 2, 2, 2, 1, 3, 4, 4, 2, 2, 1, 3, 2, 1, 4, 3, 4},
                         {{{u"4,6,9,12,18,36"},
                           {u"6"},
                           {u"12121"},
                           {u"ДМК", u"дмк"},
                           {u"43008"},
                           {u"683"},
                           {u"ecafgbd", u"ECAFGBD"},
                           {u"гбва", u"ГБВА"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_2",
    .caption = "Тест  2008 года 2 вариант",
    .client = {1019, 701},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 27,
    .page = {.left = 1,
             .width = 1016,
             .height = 8014,
             .part2Y = 4706,
             .part3Y = 6657,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "2 вариант"},
    .content = ":/papers/t2008_2.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_2::Tt2008_2()
    : Paper(paperData) {}
