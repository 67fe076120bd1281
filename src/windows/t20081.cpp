#include "t20081.h"

#include "shell/windowset.h"
#include "test_2008_menu.h"

namespace {
const zut::PaperSpec spec{"t2008_1", "Тест  2008 года 1 вариант",
                          1019,      705,
                          666,       [] { return static_cast<zut::Window*>(t2008_menu); }};
} // namespace

Tt2008_1::Tt2008_1()
    : Paper(spec) {}
