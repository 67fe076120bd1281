// SPDX-License-Identifier: GPL-3.0-or-later
// A top-level window of the program: the frame kind, background colour and
// first position that every window states in its layout, plus the window
// operations that navigation uses (show, show modally).
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace zut {

enum class FrameKind {
    Tool,          // narrow title bar with a close box only, fixed size
    Ordinary,      // title bar, window menu, minimise and close, no maximise; resizable
    ResizableTool, // as Tool, but the frame can be resized
};

struct FrameSpec {
    FrameKind kind;
    QColor background;
    // Where the window first appears: centred on the screen when empty,
    // otherwise at this screen position of its frame.
    std::optional<QPoint> firstPosition = std::nullopt;
    // Only the title window's layout marks it visible from creation.
    bool visibleAtStart = false;
};

class Window : public QWidget {
    Q_OBJECT
public:
    // Makes the window visible and brings it to the front. On its first
    // showing it is placed (centred, clamped to the desktop, or at its
    // designed position); after that it reappears wherever it was left.
    void showWindow();

    // Shows this window modally over `opener` and returns once it is closed;
    // every other window of the program is blocked meanwhile. The opener is
    // active again afterwards.
    void showModal(QWidget* opener);

    bool placed() const { return placed_; }
    bool visibleAtStart() const { return visibleAtStart_; }

    // Frame flags, background and placement; the layout loader calls this
    // once the window's controls are built.
    void applyFrame(const FrameSpec& frame);

protected:
    Window() = default;

private:
    void placeFirstTime();

    std::optional<QPoint> firstPosition_;
    bool placed_ = false;
    bool visibleAtStart_ = false;
};

// Hides `from`, then shows `to`: the order every navigation handler keeps.
void hideThenShow(QWidget* from, Window* to);

} // namespace zut
