#include "t20083.h"

#include "shell/windowset.h"
#include "test_2008_menu.h"

namespace {
const zut::PaperSpec spec{"t2008_3", "Тест  2008 года 3 вариант",
                          1019,      706,
                          666,       [] { return static_cast<zut::Window*>(t2008_menu); }};
} // namespace

Tt2008_3::Tt2008_3()
    : Paper(spec) {}
