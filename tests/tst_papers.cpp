// SPDX-License-Identifier: GPL-3.0-or-later
// The content check of all eight papers: each page fits the heights its
// paper fixes with nothing past the right edge and nothing overlapping,
// and where a paper's inventory is written, the page holds exactly it.
#include "testmain.h"

#include "inventory.h"
#include "papertest.h"

#include <QFileInfo>
#include <QRegularExpression>

class TestPapers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanupTestCase() { set_.reset(); }
    void pageLaysClean_data();
    void pageLaysClean();
    void inventory_data() { pageLaysClean_data(); }
    void inventory();
    void part1AnswerLists_data() { pageLaysClean_data(); }
    void part1AnswerLists();
    void dashesKeepTheirWord_data() { pageLaysClean_data(); }
    void dashesKeepTheirWord();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestPapers::pageLaysClean_data() {
    QTest::addColumn<int>("paper");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(paperNames[i]) << i;
}

void TestPapers::pageLaysClean() {
    QFETCH(int, paper);
    QCOMPARE(papers()[paper]->page()->problems(), QStringList());
}

void TestPapers::inventory() {
    QFETCH(int, paper);
    const QString file = QString(PAPERS_DIR "/%1.inventory.yaml").arg(paperNames[paper]);
    if (!QFileInfo::exists(file))
        QSKIP("this paper's content and inventory are not written yet");
    zut::Paper* p = papers()[paper];
    const auto page =
        inventory::found(p, zut::readContent(QString(":/papers/%1.yaml").arg(paperNames[paper])));
    QCOMPARE(inventory::differences(inventory::read(file), page), QStringList());
}

// A Part 1 task with wording has its four answers, in a list or a field,
// unless its picture's numbered tables are the answers.
void TestPapers::part1AnswerLists() {
    QFETCH(int, paper);
    const zut::PaperContent c =
        zut::readContent(QString(":/papers/%1.yaml").arg(paperNames[paper]));
    for (int t = 0; t < 20; ++t) {
        const auto& elements = c.tasks[size_t(t)].elements;
        if (elements.empty())
            continue;
        const auto pictures = zut::allOf<zut::PictureElement>(elements);
        const bool answers =
            !zut::allOf<zut::AnswersElement>(elements).empty() ||
            std::any_of(pictures.begin(), pictures.end(), [](const zut::PictureElement* p) {
                return p->draw.toMap()["tables"].toList().size() == 4;
            });
        QVERIFY2(answers, qPrintable(c.tasks[size_t(t)].id + " has no answers"));
    }
}

// A dash in a paper's texts stays on the line of the word before it: a
// no-break space before it, never a plain one.
void TestPapers::dashesKeepTheirWord() {
    QFETCH(int, paper);
    static const QRegularExpression plainBeforeDash(QString::fromUtf8("[ \t]\u2014"));
    QStringList found;
    for (const auto& [y, text] : visibleTexts(papers()[paper]->page()))
        for (const QString& line : text.split('\n'))
            if (line.contains(plainBeforeDash))
                found << QString("[%1] %2").arg(y).arg(line);
    QCOMPARE(found, QStringList());
}

ZUT_TEST_MAIN(TestPapers)
#include "tst_papers.moc"
