// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20085.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{4, 2, 1, 3, 4, 4, 2, 4, 1, 2, 4, 1, 2, 1, 4, 3, 2, 1, 1, 3},
                         {{{u"6,9,12,18,36"},
                           {u"3"},
                           {u"11221", u"1211"},
                           {u"10576534"},
                           {u"315"},
                           {u"8"},
                           {u"fgbadec", u"FGBADEC"},
                           {u"BCDA", u"bcda"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_5",
    .caption = "Тест  2008 года 5 вариант",
    .client = {1015, 706},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 0,
             .width = 1017,
             .height = 7922,
             .part2Y = 4778,
             .part3Y = 6689,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "5 вариант"},
    .content = ":/papers/t2008_5.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_5::Tt2008_5()
    : Paper(paperData) {}
