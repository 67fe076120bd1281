// SPDX-License-Identifier: GPL-3.0-or-later
// The window set: creation order, each window's own properties, the
// start-up state, and the embedded fonts.
#include "testmain.h"

#include "core/yamlfile.h"
#include "shell/colours.h"
#include "shell/window.h"
#include "app/windowset.h"
#include "windows/poesnenie.h"
#include "windows/spravka.h"
#include "windows/start.h"

#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>

Q_DECLARE_METATYPE(zut::FrameKind)

namespace {
QWidget* byName(const zut::WindowSet& set, const QString& name) {
    for (QWidget* w : set.windows())
        if (w->objectName() == name)
            return w;
    return nullptr;
}
} // namespace

class TestWindowSet : public QObject {
    Q_OBJECT
private slots:
    void creationOrder();
    void titleWindowFirstAndAlone();
    void windowProperties_data();
    void windowProperties();
    void explanationsReadyAtCreation();
    void referencesLiveWithTheSet();
    void embeddedFonts_data();
    void embeddedFonts();
    void titleWindowFontsComeFirst();
};

void TestWindowSet::creationOrder() {
    QStringList order;
    QStringList visibleWhenCreated;
    zut::WindowSet set([&](QWidget* w) {
        order << w->objectName();
        // The title window is already on screen when each later one is built.
        if (w != static_cast<QWidget*>(Tityl) && Tityl && Tityl->isVisible())
            visibleWhenCreated << w->objectName();
    });
    const QStringList expected = {"Tityl",      "Nachalo", "t2007",   "poesn",   "instryk",
                                  "t2008_menu", "t2008_1", "t2008_2", "t2008_3", "t2008_4",
                                  "t2008_5",    "t2008_6", "t2008_7", "sprav"};
    QCOMPARE(order, expected);
    QCOMPARE(visibleWhenCreated, expected.mid(1));
}

void TestWindowSet::titleWindowFirstAndAlone() {
    zut::WindowSet set;
    int visible = 0;
    for (QWidget* w : set.windows())
        visible += w->isVisible();
    QCOMPARE(visible, 1);
    QVERIFY(Tityl->isVisible());
    QCOMPARE(Tityl->size(), QSize(513, 505));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint offset = Tityl->geometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1, "title window is not centred");
}

void TestWindowSet::windowProperties_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<zut::FrameKind>("frame");
    QTest::addColumn<QColor>("background");

    using zut::FrameKind;
    const QColor cream = zut::colours::cream;
    const QColor tooltip = QApplication::palette().color(QPalette::ToolTipBase);
    auto row = [](const char* ref, const char* cls, const char* title, QSize client,
                  FrameKind frame, QColor bg) {
        QTest::newRow(ref) << QString(cls) << QString::fromUtf8(title) << client << frame << bg;
    };
    row("Tityl", "TTityl", "Готовимся к ЗУТ по информатике", {513, 505}, FrameKind::Tool, tooltip);
    row("Nachalo", "TNachalo", "", {541, 330}, FrameKind::Tool, cream);
    row("t2007", "Tt2007", "Тест ЗУТ 2007 года", {1019, 706}, FrameKind::Ordinary, cream);
    row("poesn", "Tpoesn", "Пояснения к работе", {671, 474}, FrameKind::Ordinary, cream);
    row("instryk", "Tinstryk", "Инструкция по выполнению работы", {647, 526}, FrameKind::Ordinary,
        cream);
    row("t2008_menu", "Tt2008_menu", "Варианты 2008 года", {582, 427}, FrameKind::Tool, cream);
    row("t2008_1", "Tt2008_1", "Тест  2008 года 1 вариант", {1019, 705}, FrameKind::Ordinary,
        cream);
    row("t2008_2", "Tt2008_2", "Тест  2008 года 2 вариант", {1019, 701}, FrameKind::Ordinary,
        cream);
    row("t2008_3", "Tt2008_3", "Тест  2008 года 3 вариант", {1019, 706}, FrameKind::Ordinary,
        cream);
    row("t2008_4", "Tt2008_4", "Тест  2008 года 4 вариант", {1019, 710}, FrameKind::Ordinary,
        cream);
    row("t2008_5", "Tt2008_5", "Тест  2008 года 5 вариант", {1015, 706}, FrameKind::Ordinary,
        cream);
    row("t2008_6", "Tt2008_6", "Тест  2008 года 6 вариант", {1019, 706}, FrameKind::Ordinary,
        cream);
    row("t2008_7", "Tt2008_7", "Тест  2008 года 7 вариант", {1019, 706}, FrameKind::Ordinary,
        cream);
    row("sprav", "Tsprav", "", {575, 303}, FrameKind::ResizableTool, cream);
}

void TestWindowSet::windowProperties() {
    QFETCH(QString, className);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    QFETCH(zut::FrameKind, frame);
    QFETCH(QColor, background);

    zut::WindowSet set;
    QWidget* w = byName(set, QTest::currentDataTag());
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), className);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->palette().color(QPalette::Window), background);
    QVERIFY(w->autoFillBackground());
    QCOMPARE(w->isVisible(), w == static_cast<QWidget*>(Tityl));

    const Qt::WindowFlags f = w->windowFlags();
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    const bool tool = frame != zut::FrameKind::Ordinary;
    QCOMPARE(w->windowType() == Qt::Tool, tool);
    QCOMPARE(bool(f & Qt::WindowMinimizeButtonHint), !tool);
    const bool fixed = w->minimumSize() == client && w->maximumSize() == client;
    QCOMPARE(fixed, frame == zut::FrameKind::Tool);
}

void TestWindowSet::explanationsReadyAtCreation() {
    QString label2;
    QStringList signs;
    zut::WindowSet set([&](QWidget* w) {
        if (w->objectName() != "poesn")
            return;
        label2 = w->findChild<QLabel*>("Label2")->text();
        for (const char* name : {"Label9", "Label11", "Label12"})
            signs << w->findChild<QLabel*>(name)->text();
    });
    QCOMPARE(label2, QString::fromUtf8(
                         "a) отрицание (инверсия, логическое НЕ) обозначается ¬ (например,¬А);"));
    QCOMPARE(label2.size(), 68);
    QCOMPARE(signs, QStringList({"¬", "¬", "¬"}));
    QCOMPARE(signs[0].at(0).unicode(), ushort(0x00AC));
}

void TestWindowSet::referencesLiveWithTheSet() {
    {
        zut::WindowSet set;
        QCOMPARE(static_cast<QWidget*>(Tityl), set.windows().front());
        QCOMPARE(static_cast<QWidget*>(sprav), set.windows().back());
    }
    QVERIFY(!Tityl);
    QVERIFY(!t2008_7);
    QVERIFY(!sprav);
    // A set that ends after a newer one has started leaves the newer one's
    // references alone.
    auto older = std::make_unique<zut::WindowSet>();
    zut::WindowSet newer;
    older.reset();
    QCOMPARE(static_cast<QWidget*>(Tityl), newer.windows().front());
    QCOMPARE(static_cast<QWidget*>(sprav), newer.windows().back());
}

void TestWindowSet::embeddedFonts_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("shownAs");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << "Liberation Serif" << false << false;
    QTest::newRow("Times New Roman bold italic") << "Times New Roman"
                                                 << "Liberation Serif" << true << true;
    QTest::newRow("Century Schoolbook") << "Century Schoolbook"
                                        << "C059" << false << false;
    QTest::newRow("Century Schoolbook bold italic") << "Century Schoolbook"
                                                    << "C059" << true << true;
    QTest::newRow("Tahoma") << "Tahoma"
                            << "Tahoma" << false << false;
    QTest::newRow("Tahoma bold") << "Tahoma"
                                 << "Tahoma" << true << false;
}

void TestWindowSet::embeddedFonts() {
    QFETCH(QString, family);
    QFETCH(QString, shownAs);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QVERIFY(zut::embeddedFamilies().contains(shownAs));
    QFont f(family);
    f.setPixelSize(16);
    f.setBold(bold);
    f.setItalic(italic);
    const QFontInfo info(f);
    // Where the machine has a font of the same name, the toolkit adds the
    // foundry in brackets.
    QCOMPARE(info.family().section(" [", 0, 0), shownAs);
    QCOMPARE(info.pixelSize(), 16);
    QCOMPARE(info.bold(), bold);
    QCOMPARE(info.italic(), italic);
    // Layouts give sizes in pixels at 96 dpi; points read the same.
    QFont points(family);
    points.setPointSize(12);
    QCOMPARE(QFontInfo(points).pixelSize(), 16);
}

// The program registers the title window's fonts before the window is
// built and the others after it is painted: every family its layout names
// must be among the first.
void TestWindowSet::titleWindowFontsComeFirst() {
    const auto loaded = zut::loadYaml(":/layouts/start.yaml");
    QVERIFY(std::holds_alternative<YAML::Node>(loaded));
    const YAML::Node layout = std::get<YAML::Node>(loaded);
    QStringList named{QString::fromStdString(layout["font"]["family"].as<std::string>())};
    for (const YAML::Node& control : layout["controls"])
        if (control["font"])
            named << QString::fromStdString(control["font"]["family"].as<std::string>());
    QVERIFY(named.size() > 1);
    for (const QString& family : named)
        QVERIFY2(zut::titleWindowFamilies().contains(family), qPrintable(family));
    // Each of them has embedded files to register.
    for (const QString& family : zut::titleWindowFamilies()) {
        const auto m = std::find_if(zut::fontMappings().begin(), zut::fontMappings().end(),
                                    [&](const auto& m) { return m.layoutFamily == family; });
        QVERIFY2(m != zut::fontMappings().end(), qPrintable(family));
        QVERIFY2(!QDir(":/fonts").entryList({m->files + "*"}).isEmpty(), qPrintable(family));
    }
}

ZUT_TEST_MAIN(TestWindowSet)
#include "tst_windowset.moc"
