// Start-up of the program: what the toolkit needs before and after its
// application object exists, and the whole run from start to end.
#pragma once

#include <QString>
#include <QStringList>

namespace zut {

// Before the application object is created: the layouts are drawn in pixels
// at 96 dots per inch, so font point sizes are read at 96 dpi on every screen.
void prepareEnvironment();

// After the application object is created: embedded fonts registered and
// put in place of the layout's family names, one fixed hinting, the Fusion
// style with its own palette, no automatic quit (the title window's close
// ends the program, see TTityl), and the windows shown to a screen reader
// as windows.
void initApplication();

// The families the layouts name, each with the embedded family shown for it.
struct FontMapping {
    QString layoutFamily;
    QString embeddedFamily;
};
const std::vector<FontMapping>& fontMappings();

// The families registered from the embedded font files.
QStringList embeddedFamilies();

// The program from start to end; returns the exit status.
int run(int argc, char** argv);

} // namespace zut
