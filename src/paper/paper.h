// SPDX-License-Identifier: GPL-3.0-or-later
// The machinery shared by the eight paper windows. Each paper's own module
// gives only what is its own (PaperSpec: its frame differences, page
// geometry, content resource and answer key); everything else is here.
#pragma once

#include "core/answerkey.h"
#include "core/marking.h"
#include "pagebuilder.h"
#include "shell/window.h"

#include <QSize>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zut {

// The windows a paper's buttons lead to beyond its page, looked up when a
// button is pressed: the paper machinery names no window of its own.
struct PaperLinks {
    Window* (*instruction)();  // "Инструкция"
    Window* (*explanations)(); // "Пояснения"
    Window* (*title)();        // closed with a paper: that ends the program
};

struct PaperSpec {
    const char* reference; // the window's program-wide name, e.g. "t2008_3"
    const char* caption;   // title bar text
    QSize client;
    int bottomBarY; // top edge of the bottom bar
    int bevel1Top;
    int bevel2Left;
    int bevel2Width;
    int rezultLeft;
    PageSpec page;
    const char* content; // the content resource
    const AnswerKey& key;
    // Where "Назад" leads: the chooser for 2007, the variant menu for 2008.
    Window* (*backTo)();
    const PaperLinks& links;
};

class Paper : public Window {
    Q_OBJECT
public:
    void instrClick();
    void poesnenClick();
    void nazadClick();
    void proverkaClick();

    // What the student has typed into answer field n (1 … 8), as marking sees it.
    const QString& answerSlot(int n) const { return slots_[n - 1]; }
    PageArea* page() const { return page_; }
    const AnswerKey& key() const { return spec_.key; }

protected:
    explicit Paper(const PaperSpec& own);
    void closeEvent(QCloseEvent* event) override; // FormClose
    void showEvent(QShowEvent* event) override;

private:
    void answerChanged(int n); // otv_b1Change … otv_b8Change
    void setTabOrder();
    // Ctrl+Tab and Ctrl+Shift+Tab: the tab order, with every Part 1 task a
    // stop, also one with no option chosen yet (Tab passes those by).
    void stepThroughTasks(bool forward);
    int stopRank(QWidget* stop) const;

    const PaperSpec& spec_;
    PageArea* page_ = nullptr;
    std::array<QString, part2Tasks> slots_;
    std::array<std::array<QRadioButton*, 4>, part1Tasks> options_{};
    std::array<QLineEdit*, part2Tasks> fields_{};
    std::array<QLabel*, markedTasks> verdicts_{};
    std::vector<QWidget*> afterTasks_; // the tab order after the Part 1 tasks
    // The controls the handlers touch, found once while the window is
    // built: a lookup that fails must throw there, never out of a handler.
    QPlainTextEdit* heading_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* grade_ = nullptr;
    QPushButton* proverka_ = nullptr;
    bool shownBefore_ = false;
};

} // namespace zut
