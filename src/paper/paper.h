// The machinery shared by the eight paper windows. Each paper's own module
// gives only what is its own (PaperSpec); everything else is here.
#pragma once

#include "shell/window.h"

namespace zut {

struct PaperSpec {
    const char* reference; // the window's program-wide name, e.g. "t2008_3"
    const char* caption;   // title bar text
    int clientWidth;
    int clientHeight;
    int bottomBarY; // top edge of the bottom bar
    // Where "Назад" leads: the chooser for 2007, the variant menu for 2008.
    Window* (*backTo)();
};

class Paper : public Window {
    Q_OBJECT
public:
    void instrClick();
    void poesnenClick();
    void nazadClick();
    void proverkaClick();

protected:
    explicit Paper(const PaperSpec& spec);
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    const PaperSpec& spec_;
};

} // namespace zut
