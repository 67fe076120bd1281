#include "t20082.h"

#include "shell/windowset.h"
#include "test_2008_menu.h"

namespace {
const zut::PaperSpec spec{"t2008_2", "Тест  2008 года 2 вариант",
                          1019,      701,
                          666,       [] { return static_cast<zut::Window*>(t2008_menu); }};
} // namespace

Tt2008_2::Tt2008_2()
    : Paper(spec) {}
