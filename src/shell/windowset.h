// The program's fourteen windows. Each is the single instance of its own
// class, created at start in a fixed order and reached everywhere through
// one program-wide reference.
#pragma once

#include <functional>
#include <memory>
#include <vector>

class QWidget;
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

namespace zut {

// Builds the windows in creation order. Each window's reference is set as
// soon as the window is built and before its creation handler runs; the
// title window is shown, centred, at the end of its own creation, before the
// others are built. `created` (for tests and benchmarks) sees each window
// right after its creation.
class WindowSet {
public:
    using CreatedHook = std::function<void(QWidget*)>;
    explicit WindowSet(const CreatedHook& created = {});
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // All fourteen, in creation order.
    std::vector<QWidget*> windows() const;

private:
    template <class W> void make(W*& reference, const CreatedHook& created);

    std::vector<std::unique_ptr<QWidget>> windows_;
    std::vector<std::function<void()>> clearReferences_;
};

} // namespace zut
