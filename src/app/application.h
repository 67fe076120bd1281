// SPDX-License-Identifier: GPL-3.0-or-later
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
//
// Registering a font file costs a fraction of a millisecond, the first one
// several (the toolkit reads the system's font list then). The program
// itself registers only the title window's fonts here, so that the window
// shows sooner, and the rest once it is painted (see WindowSet); tests and
// benchmarks register them all at once.
enum class Fonts { All, TitleWindowFirst };
void initApplication(Fonts fonts = Fonts::All);

// The families the layouts name, each with the embedded family shown for
// it and how the names of its embedded files begin.
struct FontMapping {
    QString layoutFamily;
    QString embeddedFamily;
    QString files;
};
const std::vector<FontMapping>& fontMappings();

// The layout families of the title window (its layout and its controls).
const QStringList& titleWindowFamilies();

// The families of the embedded font files, registering those not yet
// registered.
QStringList embeddedFamilies();

// The program from start to end; returns the exit status.
int run(int argc, char** argv);

} // namespace zut
