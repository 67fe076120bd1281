// SPDX-License-Identifier: GPL-3.0-or-later
#include "t20084.h"

#include "paperlinks.h"
#include "references.h"
#include "test_2008_menu.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{2, 2, 1, 3, 2, 2, 3, 4, 1, 2, 1, 3, 2, 4, 1, 3, 1, 4, 1, 2},
                         {{{u"5"},
                           {u"1000"},
                           {u"21221"},
                           {u"м5", u"М5"},
                           {u"32"},
                           {u"256"},
                           {u"egadbfc", u"EGADBFC"},
                           {u"dcab", u"DCAB"}}}};

const zut::PaperSpec paperData{
    .reference = "t2008_4",
    .caption = "Тест  2008 года 4 вариант",
    .client = {1019, 710},
    .bottomBarY = 666,
    .bevel1Top = 1,
    .bevel2Left = 0,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 2,
             .width = 1016,
             .height = 8017,
             .part2Y = 4778,
             .part3Y = 6713,
             .storedScroll = 0,
             .heading = {401, 9},
             .headingText = "Тест 2008 года",
             .variantText = "4 вариант"},
    .content = ":/papers/t2008_4.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(t2008_menu); },
    .links = paperLinks,
};

} // namespace

Tt2008_4::Tt2008_4()
    : Paper(paperData) {}
