// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a paper's content: every paper's own file, and a clear message,
// naming file, task and field, for each kind of fault.
#include "testmain.h"

#include "core/content.h"

#include <QTemporaryDir>

class TestContent : public QObject {
    Q_OBJECT
private slots:
    void everyPaperReads_data();
    void everyPaperReads();
    void faults_data();
    void faults();
};

void TestContent::everyPaperReads_data() {
    QTest::addColumn<QString>("paper");
    for (const char* p :
         {"t2007", "t2008_1", "t2008_2", "t2008_3", "t2008_4", "t2008_5", "t2008_6", "t2008_7"})
        QTest::newRow(p) << p;
}

void TestContent::everyPaperReads() {
    QFETCH(QString, paper);
    const zut::PaperContent c = zut::readContent(":/papers/" + paper + ".yaml");
    QCOMPARE(c.paper, paper);
    QCOMPARE(c.tasks.size(), size_t(32));
    QCOMPARE(c.tasks.front().id, "А1");
    QCOMPARE(c.tasks.front().id.front().unicode(), ushort(0x0410)); // Cyrillic А
    QCOMPARE(c.tasks[20].id, "B1");
    QCOMPARE(c.tasks[20].id.front().unicode(), ushort('B'));       // Latin B
    QCOMPARE(c.tasks.back().id.front().unicode(), ushort(0x0421)); // Cyrillic С
}

namespace {
QString tasks(int count, const QString& replace = {}, const QString& with = {}) {
    QString s = "paper: x\ntasks:\n";
    for (int i = 0; i < count; ++i)
        s += "  - {task: " + zut::taskIds()[i] + "}\n";
    return replace.isEmpty() ? s : s.replace(replace, with);
}
} // namespace

void TestContent::faults_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("not yaml") << "tasks: ["
                              << "not valid YAML";
    QTest::newRow("no tasks") << "paper: x\n"
                              << "lists its tasks";
    QTest::newRow("unknown top field") << tasks(32) + "author: y\n"
                                       << "field author: unknown field";
    QTest::newRow("too few tasks") << tasks(31) << "a paper has 32 tasks, not 31";
    QTest::newRow("Latin A for Cyrillic")
        << tasks(32, "{task: А1}", "{task: A1}") << "task A1: stands where А1 belongs";
    QTest::newRow("tasks swapped")
        << tasks(32, "{task: B2}", "{task: B9}") << "task B9: stands where B2 belongs";
    QTest::newRow("unknown task field")
        << tasks(32, "{task: А3}", "{task: А3, colour: red}") << "task А3, field colour";
    QTest::newRow("bad verdict offset") << tasks(32, "{task: А3}", "{task: А3, verdict: [8]}")
                                        << "task А3, field verdict: must be a list of two numbers";
    QTest::newRow("rule of no length")
        << tasks(32, "{task: С3}", "{task: С3, elements: [{rule: 0}]}")
        << "task С3, field rule: a rule is a positive number of pixels long";
    QTest::newRow("element of no kind")
        << tasks(32, "{task: С3}", "{task: С3, elements: [{width: 5}]}") << "needs a kind";
    QTest::newRow("picture without a size")
        << tasks(32, "{task: А4}",
                 "{task: А4, elements: [{picture: t/a.jpg, format: jpeg, rect: [50, 50], "
                 "draw: {svg: '<svg/>'}}]}")
        << "task А4, field stored: a JPEG picture needs its stored size";
    QTest::newRow("answers arranged otherwise")
        << tasks(32, "{task: А2}",
                 "{task: А2, elements: [{answers: [a, b, c, d], arrange: diagonal}]}")
        << "task А2, field arrange: must be line, stack or field";
    QTest::newRow("a column of no field")
        << tasks(32, "{task: С1}",
                 "{task: С1, elements: [{listings: [{text: a}], headings: [x]}]}")
        << "task С1, field listings: holds fields only";
    QTest::newRow("verdict in Part 3") << tasks(32, "{task: С2}", "{task: С2, verdict: [8, 46]}")
                                       << "a Part 3 task has no verdict";
}

void TestContent::faults() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("paper.yaml");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();
    try {
        zut::readContent(path);
        QFAIL("the faulty content was accepted");
    } catch (const zut::ContentError& e) {
        const QString what = QString::fromUtf8(e.what());
        QVERIFY2(what.startsWith(path) && what.contains(message), qPrintable(what));
    }
}

ZUT_TEST_MAIN(TestContent)
#include "tst_content.moc"
