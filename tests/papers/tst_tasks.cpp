// SPDX-License-Identifier: GPL-3.0-or-later
// Every marked task of every paper checked from its data: the check the
// content file names beside the task computes the answer from its givens;
// in Part 1 exactly the keyed option must carry it, in Part 2 the key's
// accepted strings must be exactly what the answer form makes of it. The
// answers found are then clicked and typed into the paper's window, which
// must mark all 28 right. A planted change (a given altered, the keyed
// option's text swapped) must be caught.
#include "testmain.h"

#include "papertest.h"

#include "taskcheck/error.h"
#include "taskcheck/taskcheck.h"
#include "core/content.h"
#include "core/givens.h"
#include "core/marking.h"
#include "app/windowset.h"
#include "windows/start.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace ck = zut::check;

namespace {

const zut::PaperContent& content(int paper) {
    static std::map<int, zut::PaperContent> read;
    if (!read.contains(paper))
        read[paper] = zut::readContent(QString(":/papers/%1.yaml").arg(paperNames[paper]));
    return read.at(paper);
}

const zut::TaskContent& taskOf(const zut::PaperContent& c, const QString& id) {
    for (const zut::TaskContent& t : c.tasks)
        if (t.id == id)
            return t;
    qFatal("no task %s", qPrintable(id));
}

const zut::TaskContent& task(int paper, const QString& id) {
    return taskOf(content(paper), id);
}

// The key's accepted strings of Part 2 task n (1 … 8).
QStringList accepted(const zut::Paper* p, int n) {
    QStringList out;
    for (const char16_t* s : p->key().part2[size_t(n - 1)])
        if (s)
            out << QString::fromUtf16(s);
    return out;
}

// The paper's source content with `edit` made to its text, filled and read.
zut::PaperContent edited(const QString& paper, const std::function<void(QString&)>& edit) {
    QFile f(QString(PAPERS_SOURCE "/%1.yaml").arg(paper));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    QString text = QString::fromUtf8(f.readAll());
    edit(text);
    const YAML::Node root = YAML::Load(text.toStdString());
    zut::fillGivens(root, paper.toStdString());
    return zut::readContent(root, paper);
}

} // namespace

class TestTasks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }

    void marked_data();
    void marked();
    void markedThroughTheWindow_data();
    void markedThroughTheWindow();
    void plantedGivenCaught();
    void plantedOptionSwapCaught();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestTasks::marked_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("id");
    for (int p = 0; p < 8; ++p)
        for (const QString& id : zut::taskIds())
            if (ck::isMarked(id))
                QTest::newRow(qPrintable(QString("%1 %2").arg(paperNames[p], id))) << p << id;
}

void TestTasks::marked() {
    QFETCH(int, paper);
    QFETCH(QString, id);
    const zut::Paper* p = papers()[size_t(paper)];
    try {
        const ck::Outcome o = ck::runCheck(task(paper, id));
        const int n = zut::taskNumber(id);
        if (id.startsWith('B'))
            QCOMPARE(o.accepted, accepted(p, n));
        else
            QCOMPARE(o.carrying, std::vector<int>{p->key().part1[size_t(n - 1)]});
    } catch (const ck::CheckError& e) {
        QFAIL(e.what());
    }
}

void TestTasks::markedThroughTheWindow_data() {
    QTest::addColumn<int>("paper");
    for (int p = 0; p < 8; ++p)
        QTest::newRow(paperNames[p]) << p;
}

// The answers the checks find, clicked and typed into the paper's window as
// a student does, are all marked right and give full marks.
void TestTasks::markedThroughTheWindow() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[size_t(paper)];
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(p));
    try {
        for (int n = 1; n <= 20; ++n) {
            const ck::Outcome o = ck::runCheck(task(paper, QString("А%1").arg(n)));
            QCOMPARE(o.carrying.size(), size_t(1));
            QTest::mouseClick(option(p, n, o.carrying.front()), Qt::LeftButton, {}, QPoint(7, 8));
        }
        for (int n = 1; n <= 8; ++n) {
            const ck::Outcome o = ck::runCheck(task(paper, QString("B%1").arg(n)));
            QLineEdit* f = answerField(p, n);
            f->setFocus();
            type(f, o.accepted.front());
        }
    } catch (const ck::CheckError& e) {
        QFAIL(e.what());
    }
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    for (int i = 1; i <= 28; ++i)
        QCOMPARE(verdict(p, i)->text(), zut::verdictCorrect);
    QCOMPARE(child<QLabel>(p, "rezult")->text(), zut::resultText(28));
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), QString("5 (отлично)"));
    p->hide();
}

// One given altered in a copy of the content: the text shown changes with
// it, and the keyed option no longer carries the answer.
void TestTasks::plantedGivenCaught() {
    const zut::PaperContent c = edited("t2007", [](QString& text) {
        const QString given = R"(givens: {bits: "16",)";
        QVERIFY(text.count(given) == 1);
        text.replace(given, R"(givens: {bits: "8",)");
    });
    const zut::TaskContent& t = taskOf(c, "А1");
    const auto* text = zut::as<zut::TextElement>(t.elements.front());
    QVERIFY(text && text->text.contains("занимает 8 бит"));
    const ck::Outcome o = ck::runCheck(t);
    QVERIFY(o.carrying != std::vector<int>{t2007->key().part1[0]});
}

// The keyed option's text swapped with another's: the check finds the
// answer under the other option, not the key's.
void TestTasks::plantedOptionSwapCaught() {
    const zut::PaperContent c = edited("t2007", [](QString& text) {
        const QString answers = R"(answers: ["ADC", "EAD", "DCD", "BEC"])";
        QVERIFY(text.count(answers) == 1);
        text.replace(answers, R"(answers: ["BEC", "EAD", "DCD", "ADC"])");
    });
    const ck::Outcome o = ck::runCheck(taskOf(c, "А14"));
    QCOMPARE(o.carrying, std::vector<int>{1});
    QVERIFY(o.carrying != std::vector<int>{t2007->key().part1[13]});
}

ZUT_TEST_MAIN(TestTasks)
#include "tst_tasks.moc"
