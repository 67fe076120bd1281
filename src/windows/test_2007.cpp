// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_2007.h"

#include "pysk.h"
#include "paperlinks.h"
#include "references.h"

namespace {

// The correct option of А1 … А20, and the accepted strings of B1 … B8 in
// the order they are compared.
const zut::AnswerKey key{{2, 2, 2, 4, 3, 2, 4, 3, 3, 2, 2, 3, 3, 4, 3, 3, 2, 2, 1, 1},
                         {{{u"6,9,18"},
                           {u"9"},
                           {u"121211"},
                           {u"1423"},
                           {u"3750"},
                           {u"85"},
                           {u"гвжедба", u"ГВЖЕДБА"},
                           {u"гваб", u"ГВАБ"}}}};

const zut::PaperSpec paperData{
    .reference = "t2007",
    .caption = "Тест ЗУТ 2007 года",
    .client = {1019, 706},
    .bottomBarY = 667,
    .bevel1Top = 0,
    .bevel2Left = 1,
    .bevel2Width = 696,
    .rezultLeft = 20,
    .page = {.left = 1,
             .width = 1016,
             .height = 7919,
             .part2Y = 4778,
             .part3Y = 6689,
             .storedScroll = 5727,
             .heading = {389, 24},
             .headingText = "Тест 2007 года",
             .variantText = nullptr},
    .content = ":/papers/t2007.yaml",
    .key = key,
    .backTo = [] { return static_cast<zut::Window*>(Nachalo); },
    .links = paperLinks,
};

} // namespace

Tt2007::Tt2007()
    : Paper(paperData) {}
