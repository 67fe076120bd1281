// SPDX-License-Identifier: GPL-3.0-or-later
// The test paper that holds every kind of element: what the page builder
// makes of each, and the faults the page checks find.
#include "testmain.h"

#include "inventory.h"
#include "paper/paper.h"
#include "papertest.h"
#include "shell/controls.h"
#include "windows/paperlinks.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>

namespace {

const zut::AnswerKey fixtureKey{
    {3, 1, 2, 4, 1, 1, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {{{u"3,4"}, {u"1"}, {u"1"}, {u"1"}, {u"1"}, {u"1"}, {u"1"}, {u"1"}}}};

zut::PageSpec pageSpec(int height = 7919) {
    return {.left = 1,
            .width = 1016,
            .height = height,
            .part2Y = 4778,
            .part3Y = 6689,
            .storedScroll = 0,
            .heading = {401, 9},
            .headingText = "Тест",
            .variantText = nullptr};
}

const zut::PaperSpec fixtureSpec{.reference = "fixture",
                                 .caption = "Проба",
                                 .client = {1019, 706},
                                 .bottomBarY = 666,
                                 .bevel1Top = 1,
                                 .bevel2Left = 0,
                                 .bevel2Width = 696,
                                 .rezultLeft = 20,
                                 .page = pageSpec(),
                                 .content = ":/papers/fixture.yaml",
                                 .key = fixtureKey,
                                 .backTo = [] { return static_cast<zut::Window*>(nullptr); },
                                 .links = paperLinks};

class FixturePaper : public zut::Paper {
public:
    FixturePaper()
        : Paper(fixtureSpec) {}
};

// Builds a page from content text written to a file; returns its problems.
QStringList problemsOf(const QString& content, int pageHeight = 7919) {
    QTemporaryDir dir;
    const QString path = dir.filePath("paper.yaml");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content.toUtf8());
    f.close();
    QWidget window;
    zut::PageArea* area = zut::buildPage(&window, pageSpec(pageHeight), zut::readContent(path), {});
    return area->problems();
}

QString paperWith(const QString& task, const QString& elements) {
    QString s = "paper: probe\ntasks:\n";
    for (const QString& id : zut::taskIds())
        s += id == task ? "  - task: " + id + "\n    elements:\n" + elements
                        : "  - {task: " + id + "}\n";
    return s;
}

} // namespace

class TestFixture : public QObject {
    Q_OBJECT
private slots:
    void init() { paper_ = std::make_unique<FixturePaper>(); }
    void cleanup() { paper_.reset(); }

    void laysWithoutProblems();
    void fields_data();
    void fields();
    void indexLabelsSitInTheirBlanks();
    void ampersandsInLabelsAndFields();
    void answerArrangements();
    void pictures_data();
    void pictures();
    void tabTakesOnlyItsTwoFields();
    void inventoryMatches();
    void inventoryFindsDifferences();
    void pageFaults_data();
    void pageFaults();

private:
    std::unique_ptr<FixturePaper> paper_;
};

void TestFixture::laysWithoutProblems() {
    QCOMPARE(paper_->page()->problems(), QStringList());
    QCOMPARE(paper_->page()->widget()->height(), 7919);
    // Every block stays below its own number disc and above the next one.
    QStringList kinds;
    for (const auto& l : paper_->page()->laid)
        kinds << l.what.section(' ', 0, 0);
    for (const char* kind : {"text", "answers", "field", "table", "programs", "listings", "rule"})
        QVERIFY2(kinds.contains(kind), kind);
}

void TestFixture::fields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("border");
    QTest::addColumn<int>("pixels");
    QTest::newRow("Memo1") << "Memo1" << 3 << false << 16;
    QTest::newRow("Memo2 answers") << "Memo2" << 4 << false << 16;
    QTest::newRow("Memo15 Basic") << "Memo15" << 4 << true << 16;
    QTest::newRow("Memo16 Pascal") << "Memo16" << 3 << true << 16;
    QTest::newRow("Memo17 algorithmic") << "Memo17" << 4 << true << 16;
    QTest::newRow("MA8b") << "MA8b" << 1 << true << 16;
    QTest::newRow("Memo7") << "Memo7" << 2 << false << 16;
    QTest::newRow("Memo10 Pascal listing") << "Memo10" << 3 << true << 15;
    QTest::newRow("Memo12 C listing") << "Memo12" << 1 << true << 15;
    QTest::newRow("Memo13") << "Memo13" << 3 << false << 16;
    QTest::newRow("Memo14") << "Memo14" << 1 << false << 16;
}

void TestFixture::fields() {
    QFETCH(QString, name);
    QFETCH(int, lines);
    QFETCH(bool, border);
    QFETCH(int, pixels);
    auto* f = child<zut::TextField>(paper_.get(), name);
    QCOMPARE(f->property("lines").toInt(), lines);
    QCOMPARE(f->frameShape() != QFrame::NoFrame, border);
    QCOMPARE(f->font().pixelSize(), pixels);
    QVERIFY(f->isReadOnly());
    QCOMPARE(f->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(f->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Its lines fit whole, as the field lays them out, and no further line.
    f->resize(f->size()); // lay the hidden field out at its size
    f->viewport()->setGeometry(f->contentsRect());
    const int pitch = int(std::ceil(QFontMetricsF(f->font()).lineSpacing()));
    const int inside = f->contentsRect().height() - 2 * int(f->document()->documentMargin());
    QVERIFY2(inside >= lines * pitch,
             qPrintable(QString("%1 px for %2 lines").arg(inside).arg(lines)));
    // The languages of А7 share a height, and so do С1's listings.
    const bool sharing = name.size() == 6 && name >= "Memo10";
    const int shown = !sharing || name == "Memo13" || name == "Memo14" ? lines
                      : name >= "Memo15"                               ? 4
                                                                       : 3;
    QVERIFY(inside < (shown + 1) * pitch);
    // Laid out by the field itself, its first `lines` lines end inside it.
    qreal bottom = f->document()->documentMargin();
    for (QTextBlock b = f->document()->begin(); b.isValid() && b.blockNumber() < lines;
         b = b.next())
        bottom += f->document()->documentLayout()->blockBoundingRect(b).height();
    QVERIFY2(bottom <= f->contentsRect().height() + 0.5,
             qPrintable(
                 QString("the lines end at %1 of %2").arg(bottom).arg(f->contentsRect().height())));
    // Enter inserts nothing, typing changes nothing.
    const QString before = f->toPlainText();
    f->setFocus();
    QTest::keyClick(f, Qt::Key_Return);
    QTest::keyClick(f, Qt::Key_X);
    QCOMPARE(f->toPlainText(), before);
}

// With its index labels hidden, the text label shows no ink where they stand.
void TestFixture::indexLabelsSitInTheirBlanks() {
    QWidget* page = paper_->page()->widget();
    auto indexes = page->findChildren<zut::IndexLabel*>();
    // The one of С2 has a size of its own.
    const auto own = std::find_if(indexes.begin(), indexes.end(),
                                  [](auto* i) { return i->property("task") == "С2"; });
    QVERIFY(own != indexes.end());
    QCOMPARE((*own)->font().pixelSize(), 9);
    QCOMPARE((*own)->text(), "n");
    indexes.removeIf([](auto* i) { return i->property("task") != "А2"; });
    QCOMPARE(indexes.size(), 4);
    QStringList texts;
    for (auto* i : indexes) {
        texts << i->text();
        QCOMPARE(i->font().pixelSize(), 11);
        i->hide();
    }
    QCOMPARE(texts, QStringList({"2", "8", "16", "3"}));
    paper_->resize(paper_->size());
    paper_->page()->verticalScrollBar()->setValue(0);
    for (auto* i : indexes) {
        // The text label under the index label.
        QLabel* text = nullptr;
        for (auto* l : page->findChildren<QLabel*>())
            if (!qobject_cast<zut::IndexLabel*>(l) && l->geometry().intersects(i->geometry()) &&
                l->text().contains("1011"))
                text = l;
        QVERIFY(text);
        const QImage image = text->grab().toImage();
        const QRect under = i->geometry().translated(-text->pos()).intersected(text->rect());
        QVERIFY(!under.isEmpty());
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x)
                QVERIFY2(qGray(image.pixel(x, y)) > 200,
                         qPrintable(
                             QString("ink under index %1 at %2, %3").arg(i->text()).arg(x).arg(y)));
        // Below the line for a base, above it for an exponent.
        const int lineTop = i->geometry().top() - text->y();
        QVERIFY(i->text() == "3" ? lineTop < 4 : lineTop > 4);
    }
}

void TestFixture::ampersandsInLabelsAndFields() {
    bool found = false;
    for (auto* l : paper_->page()->widget()->findChildren<QLabel*>())
        if (l->text().startsWith("Правила"))
            found = l->text() == "Правила: А & В — конъюнкция.";
    QVERIFY(found);
}

void TestFixture::answerArrangements() {
    QStringList answers;
    for (auto* l : paper_->page()->widget()->findChildren<QLabel*>())
        if (l->text().startsWith("1) "))
            answers << l->text();
    QVERIFY(answers.contains("1) 4      2) 5      3) 6      4) 8"));
    QVERIFY(
        answers.contains("1) первый ответ\n2) второй ответ\n3) третий ответ\n4) четвёртый ответ"));
    QCOMPARE(child<QPlainTextEdit>(paper_.get(), "Memo2")->toPlainText(), "1) А\n2) Б\n3) В\n4) Г");
}

void TestFixture::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("vector");
    QTest::addColumn<QSize>("own");   // the picture's own size
    QTest::addColumn<QSize>("rect");  // its rectangle on the page
    QTest::addColumn<QSize>("drawn"); // what of the rectangle it covers
    // Larger than its rectangle and not fit: drawn at its own size, cut off.
    QTest::newRow("clipped JPEG") << "fixture/truth.jpg" << false << QSize(100, 100)
                                  << QSize(97, 93) << QSize(100, 100);
    // Smaller than its rectangle: never scaled up.
    QTest::newRow("small JPEG") << "fixture/sheet.jpg" << false << QSize(222, 83) << QSize(228, 81)
                                << QSize(222, 83);
    QTest::newRow("vector, fit") << "fixture/flow.svg" << true << QSize(364, 300) << QSize(364, 300)
                                 << QSize(364, 300);
    QTest::newRow("freeform vector")
        << "fixture/house.svg" << true << QSize(120, 100) << QSize(120, 100) << QSize(120, 100);
    // Fit, and its rectangle set to the picture's own size.
    QTest::newRow("sized to the picture")
        << "fixture/big.jpg" << false << QSize(300, 120) << QSize(300, 120) << QSize(300, 120);
}

void TestFixture::pictures() {
    QFETCH(QString, name);
    QFETCH(bool, vector);
    QFETCH(QSize, own);
    QFETCH(QSize, rect);
    QFETCH(QSize, drawn);
    auto* p = child<zut::Picture>(paper_.get(), name);
    QCOMPARE(p->isVector(), vector);
    QCOMPARE(p->ownSize(), own);
    QCOMPARE(p->size(), rect);
    QCOMPARE(p->drawnRect().size(), drawn);
    if (!vector)
        QCOMPARE(QImage(":/pictures/" + name).size(), own); // stored at that size
}

void TestFixture::tabTakesOnlyItsTwoFields() {
    for (auto* f : paper_->findChildren<zut::TextField*>()) {
        const QString n = f->objectName();
        const bool tab = n == "Memo13" || n == "Memo14" || n == "Memo6";
        QCOMPARE(bool(f->focusPolicy() & Qt::TabFocus), tab);
    }
    paper_->show();
    QVERIFY(QTest::qWaitForWindowActive(paper_.get()));
    answerField(paper_.get(), 8)->setFocus();
    QTest::keyClick(answerField(paper_.get(), 8), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Memo13");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Memo14");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "poesnen");
}

void TestFixture::inventoryMatches() {
    const auto page = inventory::found(paper_.get(), zut::readContent(":/papers/fixture.yaml"));
    QCOMPARE(inventory::differences(inventory::read(FIXTURE_DIR "/inventory.yaml"), page),
             QStringList());
}

void TestFixture::inventoryFindsDifferences() {
    const auto page = inventory::found(paper_.get(), zut::readContent(":/papers/fixture.yaml"));
    auto expected = inventory::read(FIXTURE_DIR "/inventory.yaml");
    expected["А9"].pictures[0].rect = QSize(90, 90);
    expected["А5"].fields[0].lines = 5;
    expected["B7"].tables = 2;
    expected["А2"].indexes = 3;
    expected["А14"].pictures.clear();
    QStringList found = inventory::differences(expected, page);
    found.sort();
    QCOMPARE(found, QStringList({
                        "B7: 1 drawn tables, not 2",
                        "А14: picture emf in 165×108, fit is not in the inventory",
                        "А2: 4 index labels, not 3",
                        "А5: field Memo1 3 lines is not in the inventory",
                        "А5: no field Memo1 5 lines",
                        "А9: no picture jpeg 100×100 in 90×90",
                        "А9: picture jpeg 100×100 in 97×93 is not in the inventory",
                    }));
}

void TestFixture::pageFaults_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<QString>("problem");
    QTest::newRow("text past the right edge")
        << paperWith("А3", "      - {text: \"широкий текст\", width: 1000}\n") << 7919
        << "task А3: text reaches x 1104, past the page's right edge 977";
    QTest::newRow("field over the answer group")
        << paperWith("А4", "      - {field: \"поле\", name: Memo1, width: 760}\n") << 7919
        << "task А4: field Memo1 overlaps answer group of task А4";
    QTest::newRow("part over its space")
        << paperWith("С2", "      - {field: \"поле\", name: Memo9, lines: 90}\n") << 7919
        << "Часть III of probe is";
    QTest::newRow("elements side by side overlapping")
        << paperWith("А5",
                     "      - row:\n          - {text: \"левый\", width: 200}\n"
                     "          - {field: \"правый\", name: Memo3, width: 100, indent: -50}\n")
        << 7919 << "task А5: text overlaps field Memo3 of task А5";
    QTest::newRow("a field's line wider than the field")
        << paperWith("А6", "      - {field: \"строка, которая не помещается\", name: Memo1, "
                           "width: 100}\n")
        << 7919 << "field Memo1: its widest line is";
    QTest::newRow("a field's lines below its last shown line")
        << paperWith("А6", "      - {field: \"один\\nдва\\nтри\", name: Memo1, lines: 2}\n") << 7919
        << "field Memo1: 3 lines, of which 2 are shown";
}

void TestFixture::pageFaults() {
    QFETCH(QString, content);
    QFETCH(int, pageHeight);
    QFETCH(QString, problem);
    const QStringList problems = problemsOf(content, pageHeight);
    QVERIFY2(std::any_of(problems.begin(), problems.end(),
                         [&](const QString& p) { return p.startsWith(problem); }),
             qPrintable(problems.join("; ")));
}

ZUT_TEST_MAIN(TestFixture)
#include "tst_fixture.moc"
