// SPDX-License-Identifier: GPL-3.0-or-later
// The layout loader: what a layout builds, and a clear message for each
// kind of fault in one.
#include "testmain.h"

#include "shell/layout.h"
#include "shell/window.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
class Plain : public zut::Window {};

const char* header = R"(window: w
title: "Окно"
frame: ordinary
client: [300, 200]
background: cream
font: {family: Tahoma, size: 11}
)";

QString writeLayout(QTemporaryDir& dir, const QString& text) {
    const QString path = dir.filePath("layout.yaml");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text.toUtf8());
    return path;
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void labelText_data();
    void labelText();
    void builds();
    void faults_data();
    void faults();
};

void TestLayout::labelText_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "А /\\ В"
                           << "А /\\ В";
    QTest::newRow("doubled ampersand") << "А && В"
                                       << "А & В";
    QTest::newRow("two doubled") << "&&&&"
                                 << "&&";
    QTest::newRow("accelerator") << "&Файл"
                                 << "Файл";
    QTest::newRow("trailing lone") << "конец &"
                                   << "конец ";
    QTest::newRow("blanks kept") << "  два  "
                                 << "  два  ";
}

void TestLayout::labelText() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(zut::labelText(stored), shown);
}

void TestLayout::builds() {
    QTemporaryDir dir;
    int clicks = 0;
    Plain w;
    zut::buildLayout(w, writeLayout(dir, QString(header) + R"(controls:
  - {name: b2, kind: button, rect: [10, 50, 80, 30], text: "Второй", tab: 1}
  - {name: b1, kind: button, rect: [$x, 10, 80, 30], text: "Первый", tab: 0, click: go}
  - {name: auto, kind: label, rect: [5, 100, 0, 0], text: "А && В",
     font: {family: Times New Roman, size: 16, bold: true}, color: red}
  - {name: box, kind: label, rect: [5, 130, 60, 40], text: "длинный текст с переносом",
     wrap: true, fixed: true, background: white, align: center}
)"),
                     {{"go", [&] { ++clicks; }}}, {{"x", "12"}});
    QCOMPARE(w.objectName(), "w");
    QCOMPARE(w.windowTitle(), "Окно");
    QCOMPARE(w.size(), QSize(300, 200));

    auto* b1 = zut::control<QPushButton>(&w, "b1");
    QCOMPARE(b1->geometry(), QRect(12, 10, 80, 30));
    b1->click();
    QCOMPARE(clicks, 1);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    b1->setFocus();
    QTest::keyClick(b1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), zut::control<QPushButton>(&w, "b2"));

    auto* autoLabel = zut::control<QLabel>(&w, "auto");
    QCOMPARE(autoLabel->text(), "А & В");
    QCOMPARE(autoLabel->font().pixelSize(), 16);
    QVERIFY(autoLabel->font().bold());
    QCOMPARE(autoLabel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(autoLabel->size(), autoLabel->sizeHint()); // sized to its text
    QVERIFY(autoLabel->width() > 20);

    auto* box = zut::control<QLabel>(&w, "box");
    QCOMPARE(box->geometry(), QRect(5, 130, 60, 40)); // fixed size keeps its rectangle
    QVERIFY(box->wordWrap());
    QVERIFY(box->autoFillBackground());

    QVERIFY_THROWS_EXCEPTION(zut::LayoutError, zut::control<QLabel>(&w, "b1"));
}

void TestLayout::faults_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");
    QTest::newRow("not yaml") << "controls: ["
                              << "not valid YAML";
    QTest::newRow("missing window field")
        << "window: w\nframe: tool\nclient: [1, 1]\nbackground: cream\n"
        << "window field font is missing";
    QTest::newRow("unknown window field") << QString(header) + "colour: red\n"
                                          << "field colour: unknown field";
    QTest::newRow("unknown frame")
        << QString(header).replace("ordinary", "dialog") << "field frame: must be tool";
    QTest::newRow("unknown colour")
        << QString(header).replace("cream", "beige") << "unknown colour \"beige\"";
    QTest::newRow("control without kind")
        << QString(header) + "controls:\n  - {name: a, rect: [0, 0, 1, 1]}\n"
        << "needs a name and a kind";
    QTest::newRow("unknown kind")
        << QString(header) + "controls:\n  - {name: a, kind: slider, rect: [0, 0, 1, 1]}\n"
        << "control a, field kind: unknown kind \"slider\"";
    QTest::newRow("missing rect") << QString(header) + "controls:\n  - {name: a, kind: label}\n"
                                  << "control a: rect is missing";
    QTest::newRow("short rect") << QString(header) +
                                       "controls:\n  - {name: a, kind: label, rect: [0, 0, 1]}\n"
                                << "field rect: must be a list of 4 numbers";
    QTest::newRow("negative size")
        << QString(header) + "controls:\n  - {name: a, kind: label, rect: [0, 0, -1, 4]}\n"
        << "negative size";
    QTest::newRow("not a number")
        << QString(header) + "controls:\n  - {name: a, kind: label, rect: [0, 0, 1, 4x]}\n"
        << "whole number, not \"4x\"";
    QTest::newRow("unknown handler")
        << QString(header) + "controls:\n  - {name: a, kind: button, rect: [0, 0, 1, 1], "
                             "click: fly}\n"
        << "field click: handler fly does not exist";
    QTest::newRow("field of another kind")
        << QString(header) + "controls:\n  - {name: a, kind: button, rect: [0, 0, 1, 1], "
                             "wrap: true}\n"
        << "control a, field wrap: unknown field";
    QTest::newRow("duplicate name")
        << QString(header) + "controls:\n  - {name: a, kind: label, rect: [0, 0, 1, 1]}\n"
                             "  - {name: a, kind: label, rect: [0, 0, 1, 1]}\n"
        << "two controls are named a";
    QTest::newRow("value not given")
        << QString(header) + "controls:\n  - {name: a, kind: label, rect: [$left, 0, 1, 1]}\n"
        << "refers to $left";
    QTest::newRow("font without size")
        << QString(header) + "controls:\n  - {name: a, kind: label, rect: [0, 0, 1, 1], "
                             "font: {family: Tahoma}}\n"
        << "field font: must give family and size";
}

void TestLayout::faults() {
    QFETCH(QString, body);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = writeLayout(dir, body);
    Plain w;
    try {
        zut::buildLayout(w, path, {});
        QFAIL("the faulty layout was accepted");
    } catch (const zut::LayoutError& e) {
        const QString what = QString::fromStdString(e.what());
        QVERIFY2(what.startsWith(path), qPrintable(what));
        QVERIFY2(what.contains(message), qPrintable(what));
    }
}

ZUT_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
