// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fourteen windows. Each is the single instance of its own
// class, created at start in a fixed order and reached everywhere through
// one program-wide reference (windows/references.h), which the window set
// sets as it builds each window.
#pragma once

#include "windows/references.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

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
