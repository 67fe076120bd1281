#include "test_2007.h"

#include "pysk.h"
#include "shell/windowset.h"

namespace {
const zut::PaperSpec spec{"t2007", "Тест ЗУТ 2007 года",
                          1019,    706,
                          667,     [] { return static_cast<zut::Window*>(Nachalo); }};
} // namespace

Tt2007::Tt2007()
    : Paper(spec) {}
