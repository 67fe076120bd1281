// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/layout.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace zut {

Paper::Paper(const PaperSpec& own)
    : spec_(own) {
    Handlers handlers = {{"instrClick", [this] { instrClick(); }},
                         {"poesnenClick", [this] { poesnenClick(); }},
                         {"nazadClick", [this] { nazadClick(); }},
                         {"proverkaClick", [this] { proverkaClick(); }}};
    auto number = [](int v) { return std::to_string(v); };
    buildLayout(*this, ":/layouts/paper.yaml", handlers,
                {{"window", own.reference},
                 {"caption", own.caption},
                 {"width", number(own.client.width())},
                 {"height", number(own.client.height())},
                 {"bottom", number(own.bottomBarY)},
                 {"bevel1Top", number(own.bevel1Top)},
                 {"bevel2Left", number(own.bevel2Left)},
                 {"bevel2Width", number(own.bevel2Width)},
                 {"rezultLeft", number(own.rezultLeft)}});
    page_ =
        buildPage(this, own.page, readContent(own.content), [this](int n) { answerChanged(n); });

    // The controls each task's anatomy names, resolved once here.
    for (int n = 1; n <= part1Tasks; ++n) {
        const AnswerGroup group = *blockAnatomy(QString("А%1").arg(n)).group;
        for (int k = 1; k <= 4; ++k)
            options_[n - 1][k - 1] = control<QRadioButton>(this, group.options[k - 1]);
        verdicts_[n - 1] = control<QLabel>(this, group.verdict.name);
    }
    for (int n = 1; n <= part2Tasks; ++n) {
        const AnswerBox box = *blockAnatomy(QString("B%1").arg(n)).box;
        fields_[n - 1] = control<QLineEdit>(this, box.field);
        verdicts_[part1Tasks + n - 1] = control<QLabel>(this, box.verdict.name);
    }
    heading_ = control<QPlainTextEdit>(this, "Memo6");
    result_ = control<QLabel>(this, "rezult");
    grade_ = control<QLabel>(this, "ocenka");
    proverka_ = control<QPushButton>(this, "proverka");
    setTabOrder();
    page_->verticalScrollBar()->setValue(own.page.storedScroll);

    const auto shortcut = [this](QKeySequence keys, bool forward) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, forward] { stepThroughTasks(forward); });
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), true);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), false);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false);
}

// The page's controls in task order, then the four buttons; Tab cycles.
void Paper::setTabOrder() {
    afterTasks_.push_back(heading_);
    afterTasks_.insert(afterTasks_.end(), fields_.begin(), fields_.end());
    for (const char* name : {"Memo13", "Memo14"})
        if (auto* field = findChild<QPlainTextEdit*>(name))
            afterTasks_.push_back(field);
    for (const char* name : {"poesnen", "proverka", "instr", "nazad"})
        afterTasks_.push_back(control<QPushButton>(this, name));
    std::vector<QWidget*> order;
    for (const auto& task : options_)
        order.insert(order.end(), task.begin(), task.end());
    order.insert(order.end(), afterTasks_.begin(), afterTasks_.end());
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

namespace {

// Where a task stands in the paper: А1 … А20 as 1 … 20, B1 … B8 as 21 … 28,
// С1 … С4 as 29 … 32; 0 for no task.
int taskRank(const QString& id) {
    const int n = taskNumber(id);
    if (id.isEmpty() || n <= 0)
        return 0;
    const QChar part = id[0];
    return part == u'А' ? n : part == u'B' ? part1Tasks + n : part1Tasks + part2Tasks + n;
}

} // namespace

// The task a stop of the stepping order belongs to: an option's, an answer
// field's, or a text field's own (Memo13, Memo14); 0 for the heading and
// the buttons.
int Paper::stopRank(QWidget* stop) const {
    for (int t = 0; t < part1Tasks; ++t)
        if (std::find(options_[t].begin(), options_[t].end(), stop) != options_[t].end())
            return t + 1;
    for (int t = 0; t < part2Tasks; ++t)
        if (fields_[t] == stop)
            return part1Tasks + t + 1;
    return stop == afterTasks_.front() ? 0 : taskRank(stop->property("task").toString());
}

void Paper::stepThroughTasks(bool forward) {
    // A task stands in the order through its chosen option, or its first.
    std::vector<QWidget*> stops;
    qsizetype at = -1;
    QWidget* focus = QApplication::focusWidget();
    for (const auto& task : options_) {
        QRadioButton* stop = task[0];
        for (QRadioButton* option : task) {
            if (option->isChecked())
                stop = option;
            if (option == focus)
                at = qsizetype(stops.size());
        }
        stops.push_back(stop);
    }
    for (QWidget* w : afterTasks_)
        if (w->isEnabled()) {
            if (w == focus)
                at = qsizetype(stops.size());
            stops.push_back(w);
        }
    const qsizetype n = qsizetype(stops.size());
    qsizetype next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    if (const int from = at < 0 && focus ? taskRank(focus->property("task").toString()) : 0) {
        // From a task's text, clicked into (no stop itself): forward to the
        // task's own stop or the next task's, back to the one before it.
        // Past the last task's stop come the buttons.
        qsizetype after = -1, before = n - 1, last = -1;
        for (qsizetype i = 0; i < n; ++i) {
            const int rank = stopRank(stops[size_t(i)]);
            if (!rank)
                continue;
            last = i;
            if (rank >= from && after < 0)
                after = i;
            if (rank < from)
                before = i;
        }
        next = forward ? (after >= 0 ? after : (last + 1) % n) : before;
    }
    stops[size_t(next)]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void Paper::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    if (shownBefore_)
        return; // later showings keep focus and scroll position as they were left
    shownBefore_ = true;
    // The first time, the focus goes to the heading field, and the page
    // scrolls by the least amount that shows it.
    heading_->setFocus();
    page_->showControl(heading_);
}

void Paper::answerChanged(int n) {
    slots_[n - 1] = fields_[n - 1]->text();
}

void Paper::instrClick() {
    spec_.links.instruction()->showModal(this);
}

void Paper::poesnenClick() {
    spec_.links.explanations()->showModal(this);
}

void Paper::nazadClick() {
    hideThenShow(this, spec_.backTo());
}

// Marks the paper once: 28 verdicts, the count and the grade; then the
// check button stays disabled for the rest of the run.
void Paper::proverkaClick() {
    std::array<int, part1Tasks> chosen{};
    for (int n = 0; n < part1Tasks; ++n)
        for (int k = 0; k < 4; ++k)
            if (options_[n][k]->isChecked())
                chosen[n] = k + 1;
    const Marking m = mark(chosen, slots_, spec_.key);
    for (int i = 0; i < markedTasks; ++i) {
        // The colour first, then the caption.
        setColour(verdicts_[i], QPalette::WindowText, m.correct[i] ? colours::blue : colours::red);
        verdicts_[i]->setText(m.correct[i] ? verdictCorrect : verdictWrong);
    }
    result_->setText(m.result);
    grade_->setText(m.grade);
    proverka_->setEnabled(false);
    // A screen reader says the outcome at once, wherever the focus is: each
    // label reports its new text as its new name, and the result raises an
    // alert besides.
    QAccessibleEvent said(result_, QAccessible::Alert);
    QAccessible::updateAccessibility(&said);
}

void Paper::closeEvent(QCloseEvent* event) {
    event->accept();
    spec_.links.title()->close();
}

} // namespace zut
