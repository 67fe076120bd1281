// SPDX-License-Identifier: GPL-3.0-or-later
// The program by keyboard alone: from the title window to a paper, every
// answer chosen and typed, the paper marked and left, all by key presses on
// whatever has the focus; the arrows inside one task, and the orders that
// Tab and Ctrl+Tab follow.
#include "testmain.h"

#include "papertest.h"
#include "windows/pysk.h"
#include "windows/start.h"
#include "windows/test_2008_menu.h"

#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusName() {
    return focused() ? focused()->objectName() : QString("(nothing)");
}

QString activeName() {
    return QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : QString();
}

// One key on whatever has the focus; false where nothing has it.
bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = focused();
    if (!w)
        return false;
    QTest::keyClick(w, key, modifiers);
    return true;
}

// Presses `key` until the control named `name` has the focus, at most
// `limit` times; false where it never gets there.
bool pressUntil(const QString& name, Qt::Key key = Qt::Key_Tab,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier, int limit = 80) {
    for (int i = 0; i < limit && focusName() != name; ++i)
        if (!press(key, modifiers))
            return false;
    return focusName() == name;
}

// Tab to the button `name` and press it with the space bar.
bool pressButton(const QString& name) {
    if (!pressUntil(name))
        return false;
    return press(Qt::Key_Space);
}

int chosen(zut::Paper* p, int task) {
    int k = 0;
    for (int i = 1; i <= 4; ++i)
        if (option(p, task, i)->isChecked())
            k = k ? -1 : i; // -1: two chosen at once
    return k;
}

// Chooses option `k` of the task whose first option has the focus: the
// space bar for the first, the right arrow for the others.
bool chooseFromFirst(zut::Paper* p, int task, int k) {
    if (focused() != option(p, task, 1))
        return false;
    if (k == 1)
        return press(Qt::Key_Space);
    for (int i = 1; i < k; ++i)
        if (!press(Qt::Key_Right))
            return false;
    return true;
}

// Every Part 1 task through Ctrl+Tab, starting wherever the focus is on
// the paper, each answered with its option from `choice`.
void answerPart1(zut::Paper* p, const std::array<int, 20>& choice) {
    QVERIFY2(pressUntil(zut::optionName(1, 1), Qt::Key_Tab, Qt::ControlModifier),
             qPrintable(focusName()));
    for (int t = 1; t <= 20; ++t) {
        QCOMPARE(focusName(), zut::optionName(t, 1));
        QVERIFY(chooseFromFirst(p, t, choice[size_t(t - 1)]));
        QCOMPARE(chosen(p, t), choice[size_t(t - 1)]);
        QCOMPARE(focused(), static_cast<QWidget*>(option(p, t, choice[size_t(t - 1)])));
        QVERIFY(press(Qt::Key_Tab, Qt::ControlModifier));
    }
    QCOMPARE(focusName(), "Memo6");
}

void paperRows() {
    QTest::addColumn<int>("paper");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(paperNames[i]) << i;
}

// The tab order of a paper after its twenty tasks: the heading, the eight
// answer fields, the listing and answer fields of Part 3 where the paper
// has them, and the four buttons.
QStringList afterTheTasks(zut::Paper* p) {
    QStringList order{"Memo6"};
    for (int n = 1; n <= 8; ++n)
        order << QString("otv_b%1").arg(n);
    for (const char* memo : {"Memo13", "Memo14"})
        if (p->findChild<QWidget*>(memo))
            order << memo;
    order << QStringList{"poesnen", "proverka", "instr", "nazad"};
    return order;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanup() { set_.reset(); }

    void wholePaper_data();
    void wholePaper();
    void arrows_data();
    void arrows();
    void arrowsWithModifiersChooseNothing();
    void tabOrder_data() { paperRows(); }
    void tabOrder();
    void everyTaskStep_data();
    void everyTaskStep();
    void stepFromTaskText_data();
    void stepFromTaskText();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestKeyboard::wholePaper_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QStringList>("way");     // buttons from the title window to the paper
    QTest::addColumn<QStringList>("windows"); // the window each of them opens
    QTest::addColumn<QString>("back");        // the window "Назад" leads to
    QTest::newRow("t2007") << 0 << QStringList{"Start", "test2007"}
                           << QStringList{"Nachalo", "t2007"} << "Nachalo";
    QTest::newRow("t2008_3") << 3 << QStringList{"Start", "test2008", "var3"}
                             << QStringList{"Nachalo", "t2008_menu", "t2008_3"} << "t2008_menu";
    QTest::newRow("t2008_7") << 7 << QStringList{"Start", "test2008", "var7"}
                             << QStringList{"Nachalo", "t2008_menu", "t2008_7"} << "t2008_menu";
}

// From the title window to a paper, all 28 marked tasks answered rightly,
// "Проверка" and "Назад": the keyboard only.
void TestKeyboard::wholePaper() {
    QFETCH(int, paper);
    QFETCH(QStringList, way);
    QFETCH(QStringList, windows);
    QFETCH(QString, back);
    zut::Paper* p = papers()[paper];
    QVERIFY(QTest::qWaitForWindowActive(Tityl));
    for (qsizetype i = 0; i < way.size(); ++i) {
        QTRY_VERIFY(focused());
        QVERIFY2(pressButton(way[i]), qPrintable(way[i] + ", focus on " + focusName()));
        QTRY_COMPARE(activeName(), windows[i]);
    }
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(p));
    QCOMPARE(focusName(), "Memo6"); // the first showing

    const zut::AnswerKey& key = p->key();
    answerPart1(p, key.part1);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(press(Qt::Key_Tab));
    for (int t = 1; t <= 8; ++t) {
        QCOMPARE(focused(), static_cast<QWidget*>(answerField(p, t)));
        type(focused(), QString::fromUtf16(key.part2[size_t(t - 1)][0]));
        QCOMPARE(p->answerSlot(t), QString::fromUtf16(key.part2[size_t(t - 1)][0]));
        QVERIFY(press(Qt::Key_Tab));
    }
    QVERIFY(pressButton("proverka"));

    for (int i = 1; i <= 28; ++i)
        QVERIFY2(verdict(p, i)->text() == zut::verdictCorrect, qPrintable(QString::number(i)));
    QCOMPARE(child<QLabel>(p, "rezult")->text(),
             "Из 28 вопросов правильных - 28 (без учета части 3)");
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), "5 (отлично)");
    QVERIFY(!child<QPushButton>(p, "proverka")->isEnabled());
    // The focus left the disabled button for the next one in the order.
    QVERIFY(focused() && focused()->window() == p);

    QVERIFY2(pressButton("nazad"), qPrintable(focusName()));
    QTRY_COMPARE(activeName(), back);
    QVERIFY(!p->isVisible());
}

void TestKeyboard::arrows_data() {
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    auto row = [](const char* name, int task, Qt::Key key, int from, int to, bool pad = false) {
        QTest::newRow(name) << task << int(key) << pad << from << to;
    };
    row("right 1 to 2", 7, Qt::Key_Right, 1, 2);
    row("right 3 to 4", 7, Qt::Key_Right, 3, 4);
    row("right 4 round to 1", 7, Qt::Key_Right, 4, 1);
    row("down 2 to 3", 7, Qt::Key_Down, 2, 3);
    row("down 4 round to 1", 7, Qt::Key_Down, 4, 1);
    row("left 3 to 2", 7, Qt::Key_Left, 3, 2);
    row("left 1 round to 4", 7, Qt::Key_Left, 1, 4);
    row("up 2 to 1", 7, Qt::Key_Up, 2, 1);
    row("up 1 round to 4", 7, Qt::Key_Up, 1, 4);
    // Task 2 spells its options A2_1 … A2_3, a2_4.
    row("A2: right 3 to 4", 2, Qt::Key_Right, 3, 4);
    row("A2: right 4 round to 1", 2, Qt::Key_Right, 4, 1);
    row("A2: left 1 round to 4", 2, Qt::Key_Left, 1, 4);
    row("A20: down 4 round to 1", 20, Qt::Key_Down, 4, 1);
    row("number pad: right 2 to 3", 12, Qt::Key_Right, 2, 3, true);
    row("number pad: up 1 round to 4", 12, Qt::Key_Up, 1, 4, true);
}

void TestKeyboard::arrows() {
    QFETCH(int, task);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, from);
    QFETCH(int, to);
    for (zut::Paper* p : {static_cast<zut::Paper*>(t2007), static_cast<zut::Paper*>(t2008_5)}) {
        Tityl->hide();
        p->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(p));
        // Reach the task with Ctrl+Tab, then the starting option by the arrows.
        QVERIFY(pressUntil(zut::optionName(task, 1), Qt::Key_Tab, Qt::ControlModifier));
        QVERIFY(chooseFromFirst(p, task, from));
        QCOMPARE(chosen(p, task), from);
        QVERIFY(press(Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier));
        QCOMPARE(chosen(p, task), to);
        QCOMPARE(focused(), static_cast<QWidget*>(option(p, task, to)));
        // The tasks before and after are untouched.
        if (task > 1)
            QCOMPARE(chosen(p, task - 1), 0);
        if (task < 20)
            QCOMPARE(chosen(p, task + 1), 0);
        p->hide();
    }
}

// With Shift, Ctrl or Alt the arrows are not a choice.
void TestKeyboard::arrowsWithModifiersChooseNothing() {
    zut::Paper* p = t2008_2;
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    QVERIFY(pressUntil(zut::optionName(9, 1), Qt::Key_Tab, Qt::ControlModifier));
    QVERIFY(chooseFromFirst(p, 9, 2));
    for (Qt::KeyboardModifier m : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            option(p, 9, 2)->setFocus();
            QVERIFY(press(k, m));
            QCOMPARE(chosen(p, 9), 2);
            QCOMPARE(focused(), static_cast<QWidget*>(option(p, 9, 2)));
        }
}

// Once every task has its choice, Tab goes once round the paper in the
// order it builds: the chosen options in task order, the heading, the
// answer fields, Memo13 and Memo14 where the paper has them, then the four
// buttons; Shift+Tab goes the same way back.
void TestKeyboard::tabOrder() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[paper];
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    std::array<int, 20> choice{};
    for (int t = 1; t <= 20; ++t)
        choice[size_t(t - 1)] = (t * 7) % 4 + 1;
    answerPart1(p, choice);
    if (QTest::currentTestFailed())
        return;

    QStringList expected;
    for (int t = 1; t <= 20; ++t)
        expected << zut::optionName(t, choice[size_t(t - 1)]);
    expected << afterTheTasks(p);

    QVERIFY(pressUntil("nazad"));
    QStringList forward;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY(press(Qt::Key_Tab));
        forward << focusName();
    }
    QCOMPARE(forward, expected);

    QStringList backward;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        backward.prepend(focusName());
        QVERIFY(press(Qt::Key_Backtab, Qt::ShiftModifier));
    }
    QCOMPARE(backward, expected);
    // Choosing by keyboard chose nothing twice.
    for (int t = 1; t <= 20; ++t)
        QCOMPARE(chosen(p, t), choice[size_t(t - 1)]);
}

void TestKeyboard::everyTaskStep_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("forward");
    QTest::newRow("t2007 Ctrl+Tab") << 0 << true;
    QTest::newRow("t2007 Ctrl+Shift+Tab") << 0 << false;
    QTest::newRow("t2008_6 Ctrl+Tab") << 6 << true;
    QTest::newRow("t2008_6 Ctrl+Shift+Tab") << 6 << false;
}

// With nothing chosen, Tab passes the tasks by; Ctrl+Tab stops at every
// one (its first option), and Ctrl+Shift+Tab goes the same way back. Each
// stop is scrolled into view.
void TestKeyboard::everyTaskStep() {
    QFETCH(int, paper);
    QFETCH(bool, forward);
    zut::Paper* p = papers()[paper];
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));

    QStringList expected;
    for (int t = 1; t <= 20; ++t)
        expected << zut::optionName(t, 1);
    expected << afterTheTasks(p);

    // Plain Tab from the last button reaches the heading, past all twenty.
    QVERIFY(pressUntil("nazad"));
    QVERIFY(press(Qt::Key_Tab));
    QCOMPARE(focusName(), "Memo6");

    QVERIFY(pressUntil("nazad"));
    QStringList steps;
    const Qt::KeyboardModifiers mods =
        forward ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
    const Qt::Key key = forward ? Qt::Key_Tab : Qt::Key_Backtab;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY(press(key, mods));
        steps << focusName();
        QWidget* w = focused();
        QVERIFY(w);
        if (p->page()->widget()->isAncestorOf(w)) {
            const QRect shown(QPoint(0, p->page()->verticalScrollBar()->value()),
                              p->page()->viewport()->size());
            const QRect at(w->mapTo(p->page()->widget(), QPoint()), w->size());
            QVERIFY2(shown.contains(at), qPrintable(focusName()));
        }
    }
    if (!forward) {
        // Backwards from nazad: instr, proverka, … the first task, nazad.
        QStringList back = expected;
        back.removeLast();
        std::reverse(back.begin(), back.end());
        back << "nazad";
        QCOMPARE(steps, back);
    } else {
        QCOMPARE(steps, expected);
    }
    // Stepping chose nothing.
    for (int t = 1; t <= 20; ++t)
        QCOMPARE(chosen(p, t), 0);
}

void TestKeyboard::stepFromTaskText_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("text"); // a task's text field, clicked into
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("to");
    auto row = [](int paper, const char* text, bool forward, const char* to) {
        QTest::newRow(qPrintable(
            QString("%1 %2 %3").arg(paperNames[paper], text, forward ? "forward" : "back")))
            << paper << QString(text) << forward << QString(to);
    };
    row(0, "Memo1", true, "a14_1");  // А14: its own options
    row(0, "Memo1", false, "a13_1"); // the task before
    row(0, "Memo5", true, "a20_1");  // А20's second text
    row(0, "Memo7", true, "otv_b3"); // B3: its answer field
    row(0, "Memo7", false, "otv_b2");
    row(0, "Memo10", true, "Memo13"); // С1's listing: С1's own field
    row(0, "Memo10", false, "otv_b8");
    row(4, "Memo15", true, "a7_1");  // А7's program in three languages
    row(4, "Memo3", false, "a18_1"); // А19's text
    row(4, "Memo8", true, "otv_b4"); // B4
}

// From a task's text, where a click leaves the focus, Ctrl+Tab goes on
// from that task rather than from the top of the page.
void TestKeyboard::stepFromTaskText() {
    QFETCH(int, paper);
    QFETCH(QString, text);
    QFETCH(bool, forward);
    QFETCH(QString, to);
    zut::Paper* p = papers()[paper];
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
    QWidget* field = child<QWidget>(p, text);
    QCOMPARE(field->focusPolicy(), Qt::ClickFocus);
    field->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focused(), field);
    QVERIFY(press(forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier));
    QCOMPARE(focusName(), to);
}

ZUT_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
