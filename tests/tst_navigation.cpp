// SPDX-License-Identifier: GPL-3.0-or-later
// Navigation between the windows: every button and close box, the modal
// dialogs, the ways out of the program, and where windows reappear.
#include "testmain.h"

#include "papertest.h"

#include "shell/window.h"
#include "app/windowset.h"
#include "windows/start.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>

namespace {

QStringList visibleWindows(const zut::WindowSet& set) {
    QStringList names;
    for (QWidget* w : set.windows())
        if (w->isVisible())
            names << w->objectName();
    return names;
}

QPushButton* button(QWidget* w, const QString& name) {
    auto* b = w->findChild<QPushButton*>(name);
    if (!b)
        qFatal("no button %s in %s", qPrintable(name), qPrintable(w->objectName()));
    return b;
}

// Puts `name` on screen as navigation would leave it: alone.
QWidget* openAlone(const zut::WindowSet& set, const QString& name) {
    auto* w = static_cast<zut::Window*>(window(set, name));
    if (w != static_cast<QWidget*>(Tityl)) {
        Tityl->hide();
        w->showWindow();
    }
    return w;
}

// Clicks through the window system, where modal blocking applies.
void systemClick(QPushButton* b) {
    QWindow* handle = b->window()->windowHandle();
    QTest::mouseClick(handle, Qt::LeftButton, {}, b->mapTo(b->window(), b->rect().center()));
}

const QStringList papers2008 = {"t2008_1", "t2008_2", "t2008_3", "t2008_4",
                                "t2008_5", "t2008_6", "t2008_7"};
const QStringList allPapers = QStringList{"t2007"} + papers2008;

// Runs the event loop as the program does, performs `action` inside it and
// returns the loop's exit status, or -1 if the program did not end.
int runUntilEnd(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    bool timedOut = false;
    QTimer watchdog; // ends with this function, unlike a single shot
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(-1);
    });
    watchdog.start(3000);
    const int status = QApplication::exec();
    return timedOut ? -1 : status;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void hideThenShow_data();
    void hideThenShow();
    void programEnds_data();
    void programEnds();
    void modalDialog_data();
    void modalDialog();
    void dialogReturnsWhereLeft();
    void firstShowingCentredAndClamped_data();
    void firstShowingCentredAndClamped();
    void windowReturnsWhereLeft();
    void randomWalkKeepsOneWindow();
    void enterAndEscapeMeanNothing_data();
    void enterAndEscapeMeanNothing();
};

void TestNavigation::hideThenShow_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("to");
    auto row = [](const QString& from, const QString& control, const QString& to) {
        QTest::newRow(qPrintable(from + "." + control)) << from << control << to;
    };
    row("Tityl", "Start", "Nachalo");
    row("Nachalo", "test2007", "t2007");
    row("Nachalo", "test2008", "t2008_menu");
    for (int n = 1; n <= 7; ++n)
        row("t2008_menu", QString("var%1").arg(n), papers2008[n - 1]);
    row("t2008_menu", "nazad", "Nachalo");
    row("t2007", "nazad", "Nachalo");
    for (const QString& p : papers2008)
        row(p, "nazad", "t2008_menu");
}

void TestNavigation::hideThenShow() {
    QFETCH(QString, from);
    QFETCH(QString, control);
    QFETCH(QString, to);
    zut::WindowSet set;
    QWidget* start = openAlone(set, from);

    // The handler hides its window before it shows the next one.
    QStringList events;
    struct Recorder : QObject {
        QStringList& log;
        explicit Recorder(QStringList& l)
            : log(l) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Hide || e->type() == QEvent::Show)
                log << o->objectName() + (e->type() == QEvent::Hide ? " hidden" : " shown");
            return false;
        }
    } recorder(events);
    start->installEventFilter(&recorder);
    window(set, to)->installEventFilter(&recorder);

    QTest::mouseClick(button(start, control), Qt::LeftButton);
    QCOMPARE(visibleWindows(set), QStringList{to});
    QCOMPARE(events, QStringList({from + " hidden", to + " shown"}));
}

void TestNavigation::programEnds_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("control"); // empty: the close box
    QTest::newRow("title: Выйти из программы") << "Tityl"
                                               << "Stop";
    QTest::newRow("title: close box") << "Tityl"
                                      << "";
    QTest::newRow("chooser: Выход из программы") << "Nachalo"
                                                 << "vixod";
    QTest::newRow("chooser: close box") << "Nachalo"
                                        << "";
    QTest::newRow("variant menu: exit") << "t2008_menu"
                                        << "vixod";
    QTest::newRow("variant menu: close box") << "t2008_menu"
                                             << "";
    for (const QString& p : allPapers)
        QTest::newRow(qPrintable(p + ": close box")) << p << "";
}

void TestNavigation::programEnds() {
    QFETCH(QString, from);
    QFETCH(QString, control);
    zut::WindowSet set;
    QWidget* w = openAlone(set, from);
    QCOMPARE(Tityl->isVisible(), from == "Tityl");
    const int status = runUntilEnd([&] {
        if (control.isEmpty())
            w->close();
        else
            QTest::mouseClick(button(w, control), Qt::LeftButton);
    });
    QCOMPARE(status, 0);
    QVERIFY(!Tityl->isVisible());
}

void TestNavigation::modalDialog_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("blockedControl"); // would navigate away if not blocked
    QTest::newRow("title: help") << "Tityl"
                                 << "BitBtn1"
                                 << "sprav"
                                 << "Start";
    for (const QString& p : allPapers) {
        QTest::newRow(qPrintable(p + ": instruction")) << p << "instr"
                                                       << "instryk"
                                                       << "nazad";
        QTest::newRow(qPrintable(p + ": explanations")) << p << "poesnen"
                                                        << "poesn"
                                                        << "nazad";
    }
}

void TestNavigation::modalDialog() {
    QFETCH(QString, opener);
    QFETCH(QString, control);
    QFETCH(QString, dialog);
    QFETCH(QString, blockedControl);
    zut::WindowSet set;
    QWidget* from = openAlone(set, opener);
    QWidget* dlg = window(set, dialog);
    QVERIFY(QTest::qWaitForWindowActive(from));

    QWidget* modal = nullptr;
    QStringList visibleDuring;
    QPoint positionDuring;
    whenModal([&](QWidget*) {
        modal = QApplication::activeModalWidget();
        positionDuring = dlg->pos();
        systemClick(button(from, blockedControl));
        systemClick(button(from, control)); // a second showing is blocked too
        visibleDuring = visibleWindows(set);
        dlg->close();
    });
    QTest::mouseClick(button(from, control), Qt::LeftButton); // returns once the dialog closes

    QCOMPARE(modal, dlg);
    visibleDuring.sort();
    QStringList expected = {opener, dialog};
    expected.sort();
    QCOMPARE(visibleDuring, expected);
    if (dialog == "poesn")
        QCOMPARE(positionDuring, QPoint(146, 115));
    else
        QCOMPARE(dlg->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QCOMPARE(visibleWindows(set), QStringList{opener});
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(QApplication::activeWindow(), from);
    // The opener works again.
    QTest::mouseClick(button(from, blockedControl), Qt::LeftButton);
    QVERIFY(!from->isVisible());
}

void TestNavigation::dialogReturnsWhereLeft() {
    zut::WindowSet set;
    for (const char* d : {"instryk", "poesn"}) {
        QWidget* paper = openAlone(set, "t2008_4");
        QWidget* dlg = window(set, d);
        const QString control = QString(d) == "instryk" ? "instr" : "poesnen";
        whenModal([&](QWidget*) {
            dlg->move(30, 40);
            dlg->close();
        });
        QTest::mouseClick(button(paper, control), Qt::LeftButton);
        // The same dialog from another paper shows where it was left.
        QPoint seen;
        QWidget* other = openAlone(set, "t2007");
        whenModal([&](QWidget*) {
            seen = dlg->pos();
            dlg->close();
        });
        QTest::mouseClick(button(other, control), Qt::LeftButton);
        QCOMPARE(seen, QPoint(30, 40));
        other->hide();
    }
}

void TestNavigation::firstShowingCentredAndClamped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("chooser") << "Nachalo";
    QTest::newRow("variant menu") << "t2008_menu";
    for (const QString& p : allPapers)
        QTest::newRow(qPrintable(p)) << p;
}

void TestNavigation::firstShowingCentredAndClamped() {
    QFETCH(QString, name);
    zut::WindowSet set;
    QWidget* w = openAlone(set, name);
    // Centred; a window larger than the screen keeps its frame's top-left
    // corner on the desktop.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect client = w->geometry();
    const QRect frame = w->frameGeometry();
    if (client.width() <= screen.width())
        QVERIFY(qAbs(client.center().x() - screen.center().x()) <= 1);
    else
        QCOMPARE(frame.left(), screen.left());
    if (client.height() <= screen.height())
        QVERIFY(qAbs(client.center().y() - screen.center().y()) <= 1);
    else
        QCOMPARE(frame.top(), screen.top());
}

void TestNavigation::windowReturnsWhereLeft() {
    zut::WindowSet set;
    QTest::mouseClick(button(Tityl, "Start"), Qt::LeftButton);
    QWidget* chooser = window(set, "Nachalo");
    chooser->move(11, 22);
    QTest::mouseClick(button(chooser, "test2008"), Qt::LeftButton);
    QWidget* menu = window(set, "t2008_menu");
    menu->move(33, 44);
    QTest::mouseClick(button(menu, "var3"), Qt::LeftButton);
    QWidget* paper = window(set, "t2008_3");
    paper->move(55, 66);
    QTest::mouseClick(button(paper, "nazad"), Qt::LeftButton);
    QCOMPARE(menu->pos(), QPoint(33, 44));
    QTest::mouseClick(button(menu, "var3"), Qt::LeftButton);
    QCOMPARE(paper->pos(), QPoint(55, 66));
    QTest::mouseClick(button(paper, "nazad"), Qt::LeftButton);
    QTest::mouseClick(button(menu, "nazad"), Qt::LeftButton);
    QCOMPARE(chooser->pos(), QPoint(11, 22));
    QCOMPARE(visibleWindows(set), QStringList{"Nachalo"});
}

void TestNavigation::randomWalkKeepsOneWindow() {
    zut::WindowSet set;
    // Where each navigation button leads, as a model of the program.
    QHash<QString, QList<QPair<QString, QString>>> moves = {
        {"Tityl", {{"Start", "Nachalo"}}},
        {"Nachalo", {{"test2007", "t2007"}, {"test2008", "t2008_menu"}}},
        {"t2008_menu", {{"nazad", "Nachalo"}}},
        {"t2007", {{"nazad", "Nachalo"}}},
    };
    for (int n = 1; n <= 7; ++n) {
        moves["t2008_menu"].append({QString("var%1").arg(n), papers2008[n - 1]});
        moves[papers2008[n - 1]] = {{"nazad", "t2008_menu"}};
    }
    const int topLevels = QApplication::topLevelWidgets().size();
    QRandomGenerator random(2026);
    QString current = "Tityl";
    for (int step = 0; step < 400; ++step) {
        const auto& choices = moves[current];
        const auto& [control, target] = choices[random.bounded(int(choices.size()))];
        QTest::mouseClick(button(window(set, current), control), Qt::LeftButton);
        current = target;
        QCOMPARE(visibleWindows(set), QStringList{current});
    }
    // Navigation never builds a window.
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
}

void TestNavigation::enterAndEscapeMeanNothing_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("help") << "Tityl"
                          << "BitBtn1"
                          << "sprav";
    QTest::newRow("instruction") << "t2008_2"
                                 << "instr"
                                 << "instryk";
    QTest::newRow("explanations") << "t2007"
                                  << "poesnen"
                                  << "poesn";
}

void TestNavigation::enterAndEscapeMeanNothing() {
    QFETCH(QString, opener);
    QFETCH(QString, control);
    QFETCH(QString, dialog);
    zut::WindowSet set;
    QWidget* from = openAlone(set, opener);
    QWidget* dlg = window(set, dialog);
    bool stillOpen = false;
    whenModal([&](QWidget*) {
        QTest::keyClick(dlg, Qt::Key_Escape);
        QTest::keyClick(dlg, Qt::Key_Return);
        stillOpen = dlg->isVisible();
        dlg->close();
    });
    QTest::mouseClick(button(from, control), Qt::LeftButton);
    QVERIFY(stillOpen);
    // Nor on the windows themselves: no button is a default button.
    from->activateWindow();
    QTest::keyClick(from, Qt::Key_Return);
    QTest::keyClick(from, Qt::Key_Escape);
    QCOMPARE(visibleWindows(set), QStringList{opener});
}

ZUT_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
