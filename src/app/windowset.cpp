// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowset.h"

#include "application.h"

#include "windows/instrykcia.h"
#include "windows/poesnenie.h"
#include "windows/pysk.h"
#include "windows/spravka.h"
#include "windows/start.h"
#include "windows/t20081.h"
#include "windows/t20082.h"
#include "windows/t20083.h"
#include "windows/t20084.h"
#include "windows/t20085.h"
#include "windows/t20086.h"
#include "windows/t20087.h"
#include "windows/test_2007.h"
#include "windows/test_2008_menu.h"

#include "probe/startupprobe.h"

#include <QCoreApplication>

TTityl* Tityl = nullptr;
TNachalo* Nachalo = nullptr;
Tt2007* t2007 = nullptr;
Tpoesn* poesn = nullptr;
Tinstryk* instryk = nullptr;
Tt2008_menu* t2008_menu = nullptr;
Tt2008_1* t2008_1 = nullptr;
Tt2008_2* t2008_2 = nullptr;
Tt2008_3* t2008_3 = nullptr;
Tt2008_4* t2008_4 = nullptr;
Tt2008_5* t2008_5 = nullptr;
Tt2008_6* t2008_6 = nullptr;
Tt2008_7* t2008_7 = nullptr;
Tsprav* sprav = nullptr;

namespace zut {

template <class W> void WindowSet::make(W*& reference, const CreatedHook& created) {
    auto window = std::make_unique<W>();
    reference = window.get();
    if constexpr (requires { window->FormCreate(); })
        window->FormCreate();
    if (window->visibleAtStart()) {
        // Shown, and painted, before the next window is built, so the
        // student sees the title window at once.
        probe::watchFirstPaint(window.get());
        window->showWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        embeddedFamilies(); // the fonts it did not need, before the next window
    }
    windows_.push_back(std::move(window));
    // Cleared when the set goes, unless another set has taken the name since.
    clearReferences_.push_back([&reference, mine = reference] {
        if (reference == mine)
            reference = nullptr;
    });
    if (created)
        created(reference);
}

WindowSet::WindowSet(const CreatedHook& created) {
    make(Tityl, created);
    make(Nachalo, created);
    make(t2007, created);
    make(poesn, created);
    make(instryk, created);
    make(t2008_menu, created);
    make(t2008_1, created);
    make(t2008_2, created);
    make(t2008_3, created);
    make(t2008_4, created);
    make(t2008_5, created);
    make(t2008_6, created);
    make(t2008_7, created);
    make(sprav, created);
}

WindowSet::~WindowSet() {
    while (!windows_.empty())
        windows_.pop_back();
    for (auto clear : clearReferences_)
        clear();
}

std::vector<QWidget*> WindowSet::windows() const {
    std::vector<QWidget*> all;
    for (const auto& w : windows_)
        all.push_back(w.get());
    return all;
}

} // namespace zut
