#include "t20084.h"

#include "shell/windowset.h"
#include "test_2008_menu.h"

namespace {
const zut::PaperSpec spec{"t2008_4", "Тест  2008 года 4 вариант",
                          1019,      710,
                          666,       [] { return static_cast<zut::Window*>(t2008_menu); }};
} // namespace

Tt2008_4::Tt2008_4()
    : Paper(spec) {}
