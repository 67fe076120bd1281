#include "t20085.h"

#include "shell/windowset.h"
#include "test_2008_menu.h"

namespace {
const zut::PaperSpec spec{"t2008_5", "Тест  2008 года 5 вариант",
                          1015,      706,
                          666,       [] { return static_cast<zut::Window*>(t2008_menu); }};
} // namespace

Tt2008_5::Tt2008_5()
    : Paper(spec) {}
