// SPDX-License-Identifier: GPL-3.0-or-later
// Random use from fixed seeds: thousands of actions over all fourteen
// windows, with the program's invariants checked after each one. A failing
// sequence is shrunk to the shortest that still fails, and printed.
// ZUT_SOAK=<seeds> runs that many further seeds of 20000 actions;
// ZUT_RANDOM_ACTIONS=<n> makes the fixed seeds n actions long (2500 when
// unset; the suite sets its own length, and runs each seed on its own).
#include "testmain.h"

#include "papertest.h"
#include "windows/instrykcia.h"
#include "windows/poesnenie.h"
#include "windows/pysk.h"
#include "windows/spravka.h"
#include "windows/start.h"
#include "windows/test_2008_menu.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTimer>

namespace {

// One action, enough to replay it: what, on which window and control, with
// which number or text.
struct Action {
    enum Kind { Click, Choose, Type, Paste, Erase, Heading, Scroll, Dialog, Close } kind;
    QString window;
    QString control;
    int number = 0;
    QString text;
    QString describe() const {
        static const char* names[] = {"click",   "choose", "type",   "paste", "erase",
                                      "heading", "scroll", "dialog", "close"};
        return QString("%1 %2.%3 %4 %5")
            .arg(names[kind], window, control)
            .arg(number)
            .arg(text.left(20));
    }
};

const QStringList pool = {"12",          "гвжедба", " 6,9,18",
                          "ABC",         "\t\n",    QString(3, QChar(0)),
                          "é́",           "😀",       QString(QChar(0xD800)),
                          "‏שלום", "0100",    "x"};

// Everything a paper holds that marking or navigation could change.
struct PaperState {
    QStringList answerSlots, fields, verdicts, checked;
    QString result, grade, heading;
    bool checkEnabled = true;
    int scroll = 0;
    bool operator==(const PaperState&) const = default;
};

// A paper's controls that its state is read from, looked up once a run:
// looking each up by name before and after every action cost most of the
// test's time.
struct PaperControls {
    zut::Paper* paper;
    std::vector<QLineEdit*> fields;
    std::vector<QLabel*> verdicts;
    QList<QRadioButton*> options;
    QLabel *result, *grade;
    QPlainTextEdit* heading;
    QPushButton* check;

    explicit PaperControls(zut::Paper* p)
        : paper(p)
        , options(p->findChildren<QRadioButton*>())
        , result(child<QLabel>(p, "rezult"))
        , grade(child<QLabel>(p, "ocenka"))
        , heading(child<QPlainTextEdit>(p, "Memo6"))
        , check(child<QPushButton>(p, "proverka")) {
        for (int n = 1; n <= 8; ++n)
            fields.push_back(answerField(p, n));
        for (int i = 1; i <= 28; ++i)
            verdicts.push_back(verdict(p, i));
    }

    PaperState state() const {
        PaperState s;
        for (int n = 1; n <= 8; ++n) {
            s.answerSlots << paper->answerSlot(n);
            s.fields << fields[size_t(n - 1)]->text();
        }
        for (QLabel* v : verdicts)
            s.verdicts << v->text() + v->palette().color(QPalette::WindowText).name();
        for (QRadioButton* r : options)
            if (r->isChecked())
                s.checked << r->objectName();
        s.result = result->text();
        s.grade = grade->text();
        s.heading = heading->toPlainText();
        s.checkEnabled = check->isEnabled();
        s.scroll = paper->page()->verticalScrollBar()->value();
        return s;
    }
};

QString differences(const PaperState& a, const PaperState& b) {
    QStringList d;
    if (a.answerSlots != b.answerSlots || a.fields != b.fields)
        d << "answers";
    if (a.verdicts != b.verdicts || a.result != b.result || a.grade != b.grade)
        d << "marking";
    if (a.checked != b.checked)
        d << "chosen options";
    if (a.heading != b.heading)
        d << "heading";
    if (a.checkEnabled != b.checkEnabled)
        d << "check button";
    if (a.scroll != b.scroll)
        d << QString("scroll %1 to %2").arg(a.scroll).arg(b.scroll);
    return d.join(", ");
}

class Run {
public:
    Run()
        : set_(std::make_unique<zut::WindowSet>()) {
        for (zut::Paper* p : papers())
            papers_.emplace_back(p);
        watchEnd();
    }
    ~Run() {
        // A way out asked the event loop to end while none was running; the
        // toolkit keeps that request until a loop runs, so one runs here.
        if (ended_) {
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
    }

    // The visible modeless window.
    QWidget* current() const {
        for (QWidget* w : set_->windows())
            if (w->isVisible())
                return w;
        return nullptr;
    }
    bool ended() const { return ended_; }

    // A random action on the visible window.
    Action pick(QRandomGenerator& random) const {
        QWidget* w = current();
        const QString name = w->objectName();
        auto* paper = qobject_cast<zut::Paper*>(w);
        const int roll = int(random.bounded(100));
        if (roll < 2)
            return {Action::Close, name, "", 0, ""};
        if (!paper || roll < 10) {
            QStringList buttons;
            for (auto* b : w->findChildren<QPushButton*>())
                if (b->isEnabled())
                    buttons << b->objectName();
            buttons.sort();
            return {Action::Click, name, buttons[int(random.bounded(int(buttons.size())))], 0, ""};
        }
        const int task = int(random.bounded(20)) + 1;
        const int field = int(random.bounded(8)) + 1;
        const QString text = pool[int(random.bounded(int(pool.size())))];
        if (roll < 40)
            return {Action::Choose, name, zut::optionName(task, int(random.bounded(4)) + 1), 0, ""};
        if (roll < 60)
            return {Action::Type, name, QString("otv_b%1").arg(field), 0, text};
        if (roll < 70)
            return {Action::Paste, name, QString("otv_b%1").arg(field), 0, text};
        if (roll < 78)
            return {Action::Erase, name, QString("otv_b%1").arg(field), int(random.bounded(3)), ""};
        if (roll < 82)
            return {Action::Heading, name, "Memo6", int(random.bounded(2)), text}; // typed, pasted
        if (roll < 92)
            return {Action::Scroll, name, "", int(random.bounded(9000)), ""};
        return {Action::Dialog, name, roll < 96 ? "instr" : "poesnen", 0, ""};
    }

    // Performs an action; returns what went wrong with the invariants, if anything.
    QString perform(const Action& a) {
        QWidget* w = window(a.window);
        if (!w || !w->isVisible())
            return {}; // replaying a shrunk sequence: this step no longer applies
        std::vector<PaperState> before;
        for (const PaperControls& p : papers_)
            before.push_back(p.state());

        switch (a.kind) {
        case Action::Click: {
            auto* b = w->findChild<QPushButton*>(a.control);
            if (!b || !b->isEnabled())
                return {};
            closeDialogSoon();
            QTest::mouseClick(b, Qt::LeftButton);
            break;
        }
        case Action::Choose:
            QTest::mouseClick(child<QRadioButton>(w, a.control), Qt::LeftButton, {}, QPoint(7, 8));
            break;
        case Action::Type: {
            auto* f = child<QLineEdit>(w, a.control);
            f->setFocus();
            f->end(false);
            type(f, a.text);
            break;
        }
        case Action::Paste: {
            QGuiApplication::clipboard()->setText(a.text);
            child<QLineEdit>(w, a.control)->paste();
            break;
        }
        case Action::Erase: {
            auto* f = child<QLineEdit>(w, a.control);
            f->setFocus();
            if (a.number == 0)
                QTest::keyClick(f, Qt::Key_Backspace);
            else if (a.number == 1)
                f->clear();
            else
                f->cut();
            break;
        }
        case Action::Heading: {
            auto* heading = child<QPlainTextEdit>(w, a.control);
            if (a.number == 0) {
                type(heading, a.text);
            } else {
                QGuiApplication::clipboard()->setText(a.text);
                heading->paste();
            }
            break;
        }
        case Action::Scroll:
            qobject_cast<zut::Paper*>(w)->page()->verticalScrollBar()->setValue(a.number);
            break;
        case Action::Dialog:
            closeDialogSoon();
            QTest::mouseClick(child<QPushButton>(w, a.control), Qt::LeftButton);
            break;
        case Action::Close:
            w->close();
            break;
        }
        return check(a, w, before);
    }

private:
    QWidget* window(const QString& name) const {
        for (QWidget* w : set_->windows())
            if (w->objectName() == name)
                return w;
        return nullptr;
    }
    // A dialog the next action opens is closed from inside its own loop.
    void closeDialogSoon() {
        whenModal([](QWidget* dialog) { dialog->close(); }, 50);
    }
    void watchEnd() {
        struct Watch : QObject {
            bool& ended;
            explicit Watch(bool& e)
                : ended(e) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Close)
                    ended = true;
                return false;
            }
        };
        watch_ = std::make_unique<Watch>(ended_);
        Tityl->installEventFilter(watch_.get());
    }

    QString check(const Action& a, QWidget* acted, const std::vector<PaperState>& before) {
        int visible = 0;
        for (QWidget* w : set_->windows())
            visible += w->isVisible();
        if (visible > 1) {
            QStringList names;
            for (QWidget* w : set_->windows())
                if (w->isVisible())
                    names << w->objectName();
            return "two windows are visible: " + names.join(", ");
        }
        if (visible == 0 && !ended_)
            return "no window is visible, yet the program did not end";
        if (QApplication::activeModalWidget())
            return "a dialog stayed open";
        for (size_t i = 0; i < papers_.size(); ++i) {
            zut::Paper* p = papers_[i].paper;
            const PaperState now = papers_[i].state();
            for (int n = 0; n < 8; ++n)
                if (now.answerSlots[n] != now.fields[n])
                    return QString("%1: slot %2 differs from its field")
                        .arg(p->objectName())
                        .arg(n + 1);
            // Only the paper acted on, or the one the action opened (its
            // first showing scrolls it to its heading), may change.
            if (p != acted && p != current() && !(now == before[i]))
                return p->objectName() +
                       " changed by an action on another window: " + differences(before[i], now);
            // Once marked, a paper's verdicts, result and grade stay.
            if (!before[i].checkEnabled &&
                (now.verdicts != before[i].verdicts || now.result != before[i].result ||
                 now.grade != before[i].grade || now.checkEnabled))
                return p->objectName() + " was marked again";
            if (!now.checkEnabled && now.result.isEmpty())
                return p->objectName() + ": the check button is off, but nothing was marked";
        }
        Q_UNUSED(a);
        ++invariantsChecked;
        return {};
    }

    std::unique_ptr<zut::WindowSet> set_;
    std::vector<PaperControls> papers_;
    std::unique_ptr<QObject> watch_;
    bool ended_ = false;

public:
    int invariantsChecked = 0;
};

// Replays `actions` from a fresh start; returns the first fault, if any.
QString replay(const std::vector<Action>& actions) {
    Run run;
    for (const Action& a : actions) {
        if (run.ended())
            return {};
        if (const QString fault = run.perform(a); !fault.isEmpty())
            return fault;
    }
    return {};
}

// The shortest sequence found that still fails: chunks are left out while
// the fault remains.
std::vector<Action> shrink(std::vector<Action> actions) {
    for (size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t at = 0; at + chunk <= actions.size();) {
            std::vector<Action> fewer = actions;
            fewer.erase(fewer.begin() + qsizetype(at), fewer.begin() + qsizetype(at + chunk));
            if (!replay(fewer).isEmpty())
                actions = std::move(fewer);
            else
                at += chunk;
        }
    }
    return actions;
}

struct Counts {
    int actions = 0, invariants = 0, restarts = 0;
};

// Runs `count` actions from `seed`, starting the program again after each
// way out; on a fault, fails with the shrunk sequence.
Counts runSeed(quint32 seed, int count) {
    QRandomGenerator random(seed);
    Counts counts;
    auto run = std::make_unique<Run>();
    std::vector<Action> since; // the actions since the program last started
    for (int i = 0; i < count; ++i) {
        if (run->ended()) {
            counts.invariants += run->invariantsChecked;
            run.reset();
            run = std::make_unique<Run>();
            since.clear();
            ++counts.restarts;
        }
        const Action a = run->pick(random);
        since.push_back(a);
        ++counts.actions;
        if (const QString fault = run->perform(a); !fault.isEmpty()) {
            QStringList steps;
            for (const Action& s : shrink(since))
                steps << s.describe();
            qWarning("seed %u: %s, after:\n  %s", seed, qPrintable(fault),
                     qPrintable(steps.join("\n  ")));
            counts.actions = -1;
            return counts;
        }
    }
    counts.invariants += run->invariantsChecked;
    return counts;
}

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT
private slots:
    void seeds_data();
    void seeds();
    void soak();
};

void TestRandomUse::seeds_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 2026u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void TestRandomUse::seeds() {
    QFETCH(quint32, seed);
    // ZUT_RANDOM_ACTIONS shortens the seeds where each action costs more,
    // as in the sanitized build.
    const int actions = qEnvironmentVariableIntValue("ZUT_RANDOM_ACTIONS");
    const Counts c = runSeed(seed, actions > 0 ? actions : 2500);
    QVERIFY2(c.actions > 0, "an invariant failed: see the sequence above");
    qInfo("seed %u: %d actions, %d invariant checks, %d restarts after a way out", seed, c.actions,
          c.invariants, c.restarts);
    QVERIFY(c.invariants >= c.actions * 9 / 10);
}

void TestRandomUse::soak() {
    const int seeds = qEnvironmentVariableIntValue("ZUT_SOAK");
    if (seeds <= 0)
        QSKIP("set ZUT_SOAK=<seeds> for a longer run");
    Counts total;
    for (int s = 0; s < seeds; ++s) {
        const Counts c = runSeed(quint32(10000 + s), 20000);
        QVERIFY2(c.actions > 0, "an invariant failed: see the sequence above");
        total.actions += c.actions;
        total.invariants += c.invariants;
        total.restarts += c.restarts;
        qInfo("soak seed %d: %d actions, %d invariant checks", 10000 + s, c.actions, c.invariants);
    }
    qInfo("soak: %d seeds, %d actions, %d invariant checks, %d restarts", seeds, total.actions,
          total.invariants, total.restarts);
}

// A soak runs far longer than the test library's five minutes a function:
// its watchdog is given a day, unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIntValue("ZUT_SOAK") > 0 &&
        qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    zut::prepareEnvironment();
    QApplication app(argc, argv);
    zut::initApplication();
    TestRandomUse test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_randomuse.moc"
