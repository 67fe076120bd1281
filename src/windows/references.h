// SPDX-License-Identifier: GPL-3.0-or-later
// The program-wide references to the fourteen windows: each window is the
// single instance of its own class, reached everywhere by this name. The
// windows know each other through them; the program's window set
// (app/windowset.h) builds the windows and sets the references.
#pragma once

class TTityl;
class TNachalo;
class Tt2007;
class Tpoesn;
class Tinstryk;
class Tt2008_menu;
class Tt2008_1;
class Tt2008_2;
class Tt2008_3;
class Tt2008_4;
class Tt2008_5;
class Tt2008_6;
class Tt2008_7;
class Tsprav;

extern TTityl* Tityl;           // title window, the main window
extern TNachalo* Nachalo;       // test chooser
extern Tt2007* t2007;           // 2007 paper
extern Tpoesn* poesn;           // explanations dialog
extern Tinstryk* instryk;       // instruction dialog
extern Tt2008_menu* t2008_menu; // 2008 variant menu
extern Tt2008_1* t2008_1;       // 2008 papers, variants 1 to 7
extern Tt2008_2* t2008_2;
extern Tt2008_3* t2008_3;
extern Tt2008_4* t2008_4;
extern Tt2008_5* t2008_5;
extern Tt2008_6* t2008_6;
extern Tt2008_7* t2008_7;
extern Tsprav* sprav; // help dialog
