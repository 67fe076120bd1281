// SPDX-License-Identifier: GPL-3.0-or-later
// The eight paper windows: frame and page geometry against the layout
// tables, the blocks against the block anatomy's table, answer capture,
// marking through the window, tab order, first showing, and what a hidden
// paper keeps.
#include "testmain.h"

#include "paper/anatomy.h"
#include "papertest.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "windows/start.h"
#include "windows/test_2008_menu.h"

#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// What each paper's frame and page differ in, as the layout tables give it.
struct PaperRow {
    const char* name;
    QSize client;
    int bottomY, bevel1Top, bevel2Left, bevel2Width, rezultLeft, pageLeft, pageWidth;
    QPoint memo6;
    const char* variant; // Label64
    int pageHeight, part2Y, part3Y;
};
const PaperRow rows[8] = {
    {"t2007", {1019, 706}, 667, 0, 1, 696, 20, 1, 1016, {389, 24}, nullptr, 7919, 4778, 6689},
    {"t2008_1", {1019, 705}, 666, 1, 0, 697, 20, 1, 1016, {401, 9}, "1 вариант", 7915, 4674, 6641},
    {"t2008_2", {1019, 701}, 666, 1, 0, 696, 27, 1, 1016, {401, 9}, "2 вариант", 8014, 4706, 6657},
    {"t2008_3", {1019, 706}, 666, 1, 0, 696, 20, 1, 1016, {401, 9}, "3 вариант", 7922, 4474, 6569},
    {"t2008_4", {1019, 710}, 666, 1, 0, 696, 20, 2, 1016, {401, 9}, "4 вариант", 8017, 4778, 6713},
    {"t2008_5", {1015, 706}, 666, 1, 0, 696, 20, 0, 1017, {401, 9}, "5 вариант", 7922, 4778, 6689},
    {"t2008_6", {1019, 706}, 666, 1, 0, 696, 20, 1, 1016, {401, 9}, "6 вариант", 8266, 4754, 6873},
    {"t2008_7", {1019, 706}, 666, 1, 0, 696, 20, 2, 1016, {401, 9}, "7 вариант", 8053, 4778, 6689},
};

void paperRows() {
    QTest::addColumn<int>("paper");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(paperNames[i]) << i;
}

QRect inPage(zut::Paper* p, QWidget* w) {
    return QRect(w->mapTo(p->page()->widget(), QPoint()), w->size());
}

bool within(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

void showAlone(zut::Paper* p) {
    Tityl->hide();
    p->showWindow();
    QVERIFY(QTest::qWaitForWindowActive(p));
}

// Answers the first `right` of the 28 marked tasks correctly and the rest
// wrongly: a wrong option or none in Part 1, a wrong text or none in Part 2.
void answer(zut::Paper* p, int right) {
    const zut::AnswerKey& key = p->key();
    for (int t = 1; t <= 20; ++t) {
        if (t <= right)
            QTest::mouseClick(option(p, t, key.part1[t - 1]), Qt::LeftButton, {}, QPoint(7, 8));
        else if (t % 2)
            QTest::mouseClick(option(p, t, key.part1[t - 1] % 4 + 1), Qt::LeftButton, {},
                              QPoint(7, 8));
    }
    for (int t = 1; t <= 8; ++t) {
        if (20 + t <= right)
            answerField(p, t)->setText(QString::fromUtf16(key.part2[t - 1][0]));
        else if (t % 2)
            answerField(p, t)->setText(QString::fromUtf16(key.part2[t - 1][0]) + " ");
    }
}

QStringList verdicts(zut::Paper* p) {
    QStringList v;
    for (int i = 1; i <= 28; ++i)
        v << verdict(p, i)->text();
    return v;
}

} // namespace

class TestPaper : public QObject {
    Q_OBJECT
private slots:
    void init() { set_ = std::make_unique<zut::WindowSet>(); }
    void cleanup() { set_.reset(); }

    void frameGeometry_data() { paperRows(); }
    void frameGeometry();
    void pageGeometry_data() { paperRows(); }
    void pageGeometry();
    void blockAnatomy_data() { paperRows(); }
    void blockAnatomy();
    void looks_data() { paperRows(); }
    void looks();
    void inputControlsLieOnTop_data() { paperRows(); }
    void inputControlsLieOnTop();
    void marking_data();
    void marking();
    void markedOnceOnly();
    void answerCapture();
    void markingOnePaperLeavesOthers();
    void hiddenPaperKeepsEverything();
    void firstShowing_data() { paperRows(); }
    void firstShowing();
    void tabOrder();
    void scrollSteps();
    void headingField();
    void optionsExcludeEachOther();
    void longAnswer();
    void enlargingMovesNothing();
    void hiddenPageIgnoresLateFocus();

private:
    std::unique_ptr<zut::WindowSet> set_;
};

void TestPaper::frameGeometry() {
    QFETCH(int, paper);
    const PaperRow& r = rows[paper];
    zut::Paper* p = papers()[paper];
    QCOMPARE(p->objectName(), r.name);
    QCOMPARE(p->size(), r.client);
    const QList<QPair<const char*, QRect>> expected = {
        {"poesnen", {1, -1, 238, 41}},
        {"Shape29", {235, 0, 611, 40}},
        {"Bevel1", {235, r.bevel1Top, 613, 40}},
        {"Label74", {313, 4, 459, 28}},
        {"instr", {846, 0, 173, 40}},
        {"Shape30", {1, r.bottomY, 696, 40}},
        {"Bevel2", {r.bevel2Left, r.bottomY, r.bevel2Width, 40}},
        {"rezult", {r.rezultLeft, 674, 398, 24}},
        {"LabelOcenka", {436, 674, 64, 22}},
        {"ocenka", {520, 674, 171, 24}},
        {"proverka", {697, r.bottomY, 170, 40}},
        {"nazad", {866, r.bottomY, 152, 40}},
        {"ScrollBox1", {r.pageLeft, 38, r.pageWidth, 630}},
    };
    for (const auto& [name, rect] : expected)
        QCOMPARE(child<QWidget>(p, name)->geometry(), rect);
    QCOMPARE(child<QLabel>(p, "LabelOcenka")->text(), "Оценка");
    QCOMPARE(child<QLabel>(p, "Label74")->text(), "Готовимся к ЗУТ по информатике");
    const QList<QPair<const char*, const char*>> captions = {{"poesnen", "Пояснения к работе"},
                                                             {"instr", "Инструкция"},
                                                             {"proverka", "Проверка"},
                                                             {"nazad", "Назад"}};
    for (const auto& [name, caption] : captions) {
        auto* b = child<QPushButton>(p, name);
        QCOMPARE(b->text(), QString::fromUtf8(caption));
        QVERIFY(b->isEnabled());
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TestPaper::pageGeometry() {
    QFETCH(int, paper);
    const PaperRow& r = rows[paper];
    zut::Paper* p = papers()[paper];
    QWidget* page = p->page()->widget();
    QCOMPARE(page->height(), r.pageHeight);
    auto at = [&](const char* name) { return inPage(p, child<QWidget>(p, name)); };

    QCOMPARE(at("Memo6"), QRect(r.memo6, QSize(239, 33)));
    QCOMPARE(child<QPlainTextEdit>(p, "Memo6")->toPlainText(),
             paper == 0 ? "Тест 2007 года" : "Тест 2008 года");
    if (r.variant) {
        QCOMPARE(at("Label64"), QRect(443, 48, 137, 28));
        QCOMPARE(child<QLabel>(p, "Label64")->text(), QString::fromUtf8(r.variant));
    } else {
        QVERIFY(!p->findChild<QLabel*>("Label64"));
    }
    QCOMPARE(at("Label1"), QRect(464, 82, 93, 30));
    QCOMPARE(at("Shape1"), QRect(160, 128, 681, 81));
    QCOMPARE(at("Label2"), QRect(184, 142, 649, 51));

    const QRect part2 = at("Label4");
    QCOMPARE(part2.top(), r.part2Y);
    QVERIFY(within(part2.left(), 435, 464));
    QCOMPARE(part2.size(), QSize(104, 30));
    const QRect box2 = at("Shape31");
    QCOMPARE(box2.top(), r.part2Y + 46);
    QCOMPARE(box2.size(), QSize(681, 81));
    QCOMPARE(at("Label110"), QRect(box2.topLeft() + QPoint(20, 14), QSize(649, 51)));

    const QRect part3 = at("Label127");
    QCOMPARE(part3.top(), r.part3Y);
    QVERIFY(within(part3.left(), 402, 430));
    QCOMPARE(part3.size(), QSize(115, 30));
    const QRect box3 = at("Shape56");
    QCOMPARE(box3.top(), r.part3Y + 58);
    QCOMPARE(at("Label128"), QRect(box3.topLeft() + QPoint(12, 16), QSize(649, 51)));

    const QList<QPair<const char*, const char*>> texts = {
        {"Label1", "Часть I"},
        {"Label4", "Часть II"},
        {"Label127", "Часть III"},
        {"Label2", "При выполнении задания этой части отметьте  номер, который соответствует "
                   "номеру выбранного вами ответа "},
        {"Label110", "При выполнении задания этой части впишите в графу ответа набор символов "
                     "без  пробелов"},
        {"Label128", "Задания третьей части выполняются в тетради и не проверяются программой.  "},
    };
    for (const auto& [name, text] : texts)
        QCOMPARE(child<QLabel>(p, name)->text(), QString::fromUtf8(text));

    // No control reaches past x = 977, so no horizontal scroll bar is needed.
    for (QWidget* w : page->findChildren<QWidget*>())
        QVERIFY2(inPage(p, w).right() < 977, qPrintable(w->objectName()));
    QVERIFY(!p->page()->horizontalScrollBar()->isVisibleTo(p));
}

// Every block's anatomy as the table gives it (paper/anatomy.h): its
// controls found by their names, where the table places them and in its
// sizes; a verdict label where the paper's content places it, if it does.
void TestPaper::blockAnatomy() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[paper];
    const zut::PaperContent content =
        zut::readContent(QString(":/papers/%1.yaml").arg(paperNames[paper]));
    auto discAt = [&](const QRect& label) {
        // The disc is the ellipse under the number label.
        for (auto* s : p->page()->widget()->findChildren<zut::Shape*>())
            if (s->kind() == zut::Shape::Kind::Ellipse && inPage(p, s).contains(label.center()))
                return inPage(p, s);
        return QRect();
    };
    int previousTop = 0;
    QStringList named; // every control the table names, each to be found once
    for (const zut::TaskContent& task : content.tasks) {
        const zut::BlockAnatomy a = zut::blockAnatomy(task.id);
        const int n = zut::taskNumber(task.id);
        named << a.numberLabel;
        auto* number = child<QLabel>(p, a.numberLabel);
        QCOMPARE(number->text(), task.id);
        QCOMPARE(number->font().pixelSize(), a.disc.pixels);
        const QRect label = inPage(p, number);
        const QRect disc = discAt(label);
        QCOMPARE(disc.size(), QSize(a.disc.diameter, a.disc.diameter));
        QVERIFY(within(disc.left(), 40, 50));
        QVERIFY(disc.top() > previousTop);
        previousTop = disc.top();
        QCOMPARE(label.translated(-disc.topLeft()), a.disc.label);

        if (a.group) {
            auto* group = child<QGroupBox>(p, a.group->name);
            const QRect g = inPage(p, group);
            QCOMPARE(g.size(), QSize(147, 40));
            QVERIFY(within(g.left(), 821, 830));
            QVERIFY(within(g.top() - disc.top(), -15, 9));
            QVERIFY(group->title().isEmpty());
            const auto labels = group->findChildren<QLabel*>();
            QCOMPARE(labels.size(), 2);
            QCOMPARE(labels[0]->text(), QString("A%1").arg(n)); // Latin A
            QCOMPARE(labels[0]->geometry(), QRect(8, 8, a.group->layout.letterWidth, 24));
            QCOMPARE(labels[1]->text(), "1     2     3    4");
            QCOMPARE(labels[1]->geometry(), QRect(a.group->layout.digitsLeft, 24, 66, 13));
            QStringList names;
            for (auto* b : group->findChildren<QRadioButton*>()) {
                names << b->objectName();
                QVERIFY(b->text().isEmpty());
            }
            QStringList options;
            for (int k = 1; k <= 4; ++k) {
                options << a.group->options[size_t(k - 1)];
                QRadioButton* b = child<QRadioButton>(group, options.back());
                QCOMPARE(b->parentWidget(), group);
                QCOMPARE(b->geometry(), QRect(a.group->layout.optionLefts[size_t(k - 1)], 10,
                                              k == 1 ? 15 : 17, 17));
            }
            QCOMPARE(names, options);
            named << a.group->name << options << a.group->verdict.name;
            const QRect v = inPage(p, child<QLabel>(p, a.group->verdict.name));
            QCOMPARE(v.size(), QSize(a.group->verdict.width, 19));
            QCOMPARE(v.topLeft() - g.topLeft(), task.verdictOffset.value_or(a.group->verdict.at));
        }
        if (a.box) {
            auto* boxLabel = child<QLabel>(p, a.box->label);
            QCOMPARE(boxLabel->text(), task.id);
            const QRect bl = inPage(p, boxLabel);
            QCOMPARE(bl.size(), QSize(23, 22));
            const QPoint box = bl.topLeft() - QPoint(8, 6);
            QVERIFY(within(box.x(), 620, 625));
            QVERIFY(within(box.y() - disc.top(), 0, 24));
            // The answer box itself: tooltip yellow in an olive outline.
            const auto shapes = p->page()->widget()->findChildren<zut::Shape*>();
            QVERIFY2(std::any_of(shapes.begin(), shapes.end(),
                                 [&](zut::Shape* s) {
                                     return s->kind() == zut::Shape::Kind::Rectangle &&
                                            inPage(p, s) == QRect(box, QSize(345, 33)) &&
                                            s->fill() == QApplication::palette().color(
                                                             QPalette::ToolTipBase) &&
                                            s->outline() == zut::colours::olive;
                                 }),
                     qPrintable("no answer box of " + task.id));
            named << a.box->label << a.box->field << a.box->verdict.name;
            const QRect f = inPage(p, child<QLineEdit>(p, a.box->field));
            QCOMPARE(f, QRect(box + QPoint(a.box->fieldLeft, 3), QSize(297, 27)));
            const QRect v = inPage(p, child<QLabel>(p, a.box->verdict.name));
            QCOMPARE(v.size(), QSize(a.box->verdict.width, 19));
            QCOMPARE(v.topLeft() - box, task.verdictOffset.value_or(a.box->verdict.at));
        }
    }
    for (const QString& name : named)
        QVERIFY2(p->findChildren<QWidget*>(name).size() == 1, qPrintable(name));
    QCOMPARE(p->findChildren<QGroupBox*>().size(), 20);
    QCOMPARE(p->findChildren<QRadioButton*>().size(), 80);
    QCOMPARE(p->findChildren<QLineEdit*>().size(), 8);
}

void TestPaper::looks() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[paper];
    struct Look {
        const char* name;
        const char* family;
        int pixels;
        bool bold, italic;
        QColor colour;
    };
    const QColor teal(0, 128, 128), red(255, 0, 0), text = p->palette().color(QPalette::WindowText);
    const zut::BlockAnatomy a1 = zut::blockAnatomy("А1"), a5 = zut::blockAnatomy("А5"),
                            a12 = zut::blockAnatomy("А12"), b1 = zut::blockAnatomy("B1"),
                            b3 = zut::blockAnatomy("B3");
    const Look looks[] = {
        {"proverka", "Century Schoolbook", 16, true, true, teal},
        {"nazad", "Century Schoolbook", 16, true, true, teal},
        {"Label74", "Century Schoolbook", 24, true, true, QColor(128, 0, 128)},
        {"rezult", "Times New Roman", 16, true, true, red},
        {"ocenka", "Times New Roman", 16, true, true, red},
        {"LabelOcenka", "Times New Roman", 19, true, true, red},
        {"Memo6", "Century Schoolbook", 27, true, false, teal},
        {"Label1", "Century Schoolbook", 24, true, false, red},
        {"Label2", "Century Schoolbook", 19, true, true, teal},
        {a1.numberLabel, "Times New Roman", a1.disc.pixels, true, false, teal},
        {a12.numberLabel, "Times New Roman", a12.disc.pixels, true, false, teal},
        {b1.numberLabel, "Times New Roman", b1.disc.pixels, true, false, teal},
        {b1.box->label, "Times New Roman", 19, true, false, teal},
        {a5.group->verdict.name, "Times New Roman", 16, true, true, text},
        {b3.box->verdict.name, "Times New Roman", 16, true, true, text},
        {b3.box->field, "Times New Roman", 16, false, false, QColor(0, 0, 128)},
    };
    for (const Look& l : looks) {
        QWidget* w = child<QWidget>(p, l.name);
        QCOMPARE(w->font().family(), l.family);
        QCOMPARE(w->font().pixelSize(), l.pixels);
        QCOMPARE(w->font().bold(), l.bold);
        QCOMPARE(w->font().italic(), l.italic);
        const auto role = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)
                              ? QPalette::Text
                          : qobject_cast<QPushButton*>(w) ? QPalette::ButtonText
                                                          : QPalette::WindowText;
        QCOMPARE(w->palette().color(role), l.colour);
    }
    QCOMPARE(p->font().family(), "Tahoma");
    QCOMPARE(p->font().pixelSize(), 11);
    QCOMPARE(p->page()->widget()->font().family(), "Times New Roman");
    QCOMPARE(p->page()->widget()->font().pixelSize(), 11);
    QCOMPARE(p->palette().color(QPalette::Window), QColor(255, 251, 240));
}

void TestPaper::inputControlsLieOnTop() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[paper];
    QWidget* page = p->page()->widget();
    auto topAt = [&](QWidget* w) { return page->childAt(w->mapTo(page, w->rect().center())); };
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(topAt(answerField(p, n)), static_cast<QWidget*>(answerField(p, n)));
    for (int n = 1; n <= 20; ++n)
        QCOMPARE(topAt(option(p, n, 3)), static_cast<QWidget*>(option(p, n, 3)));
}

void TestPaper::marking_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("grade");
    const QList<QPair<int, const char*>> counts = {
        {28, "5 (отлично)"},     {25, "5 (отлично)"},           {24, "4 (хорошо)"},
        {21, "4 (хорошо)"},      {20, "3 (удовлетворительно)"}, {17, "3 (удовлетворительно)"},
        {16, "2 (очень плохо)"}, {0, "2 (очень плохо)"}};
    for (int i = 0; i < 8; ++i)
        for (const auto& [right, grade] : counts)
            QTest::newRow(qPrintable(QString("%1 %2").arg(paperNames[i]).arg(right)))
                << i << right << QString::fromUtf8(grade);
}

// Through the window: answers chosen and typed, "Проверка" pressed.
void TestPaper::marking() {
    QFETCH(int, paper);
    QFETCH(int, right);
    QFETCH(QString, grade);
    zut::Paper* p = papers()[paper];
    showAlone(p);
    answer(p, right);
    auto* check = child<QPushButton>(p, "proverka");
    QTest::mouseClick(check, Qt::LeftButton);
    for (int i = 1; i <= 28; ++i) {
        const bool ok = i <= right;
        QLabel* v = verdict(p, i);
        QCOMPARE(v->text(), ok ? "Правильно" : "Неправильно");
        QCOMPARE(v->palette().color(QPalette::WindowText),
                 ok ? QColor(0, 0, 255) : QColor(255, 0, 0));
    }
    QCOMPARE(child<QLabel>(p, "rezult")->text(),
             QString("Из 28 вопросов правильных - %1 (без учета части 3)").arg(right));
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), grade);
    QVERIFY(!check->isEnabled());
}

void TestPaper::markedOnceOnly() {
    zut::Paper* p = t2008_2;
    showAlone(p);
    answer(p, 10);
    auto* check = child<QPushButton>(p, "proverka");
    QTest::mouseClick(check, Qt::LeftButton);
    const QStringList first = verdicts(p);
    // The answers stay editable and their slots follow, but nothing judges
    // them again.
    answer(p, 28);
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(verdicts(p), first);
    QCOMPARE(child<QLabel>(p, "rezult")->text(),
             "Из 28 вопросов правильных - 10 (без учета части 3)");
    QVERIFY(answerField(p, 5)->isEnabled() && !answerField(p, 5)->isReadOnly());
    QCOMPARE(p->answerSlot(5), QString::fromUtf16(p->key().part2[4][0]));
}

void TestPaper::answerCapture() {
    zut::Paper* p = t2008_3;
    showAlone(p);
    QLineEdit* b3 = answerField(p, 3);
    b3->setFocus();
    type(b3, "абв ");
    QCOMPARE(p->answerSlot(3), "абв "); // the trailing blank is kept
    for (int n = 1; n <= 8; ++n)
        if (n != 3)
            QVERIFY(p->answerSlot(n).isEmpty());
    for (zut::Paper* other : papers())
        if (other != p)
            QVERIFY(other->answerSlot(3).isEmpty());
    QTest::keyClick(b3, Qt::Key_Backspace);
    QCOMPARE(p->answerSlot(3), "абв");
    b3->selectAll();
    QTest::keyClick(b3, Qt::Key_Delete);
    QCOMPARE(p->answerSlot(3), "");
    QGuiApplication::clipboard()->setText("Ab,7");
    b3->paste();
    QCOMPARE(p->answerSlot(3), "Ab,7"); // no case change, no check of the characters
    b3->selectAll();
    b3->cut();
    QCOMPARE(p->answerSlot(3), "");
}

void TestPaper::markingOnePaperLeavesOthers() {
    answer(t2008_4, 28);
    answer(t2008_5, 12);
    QTest::mouseClick(child<QPushButton>(t2008_4, "proverka"), Qt::LeftButton);
    for (zut::Paper* other : papers()) {
        if (other == t2008_4)
            continue;
        QVERIFY(child<QPushButton>(other, "proverka")->isEnabled());
        QVERIFY(child<QLabel>(other, "rezult")->text().isEmpty());
        QCOMPARE(verdicts(other), QStringList(28, QString()));
    }
    QCOMPARE(t2008_5->answerSlot(1), QString::fromUtf16(t2008_5->key().part2[0][0]) + " ");
}

void TestPaper::hiddenPaperKeepsEverything() {
    zut::Paper* p = t2008_6;
    showAlone(p);
    answer(p, 22);
    QTest::mouseClick(child<QPushButton>(p, "proverka"), Qt::LeftButton);
    answerField(p, 2)->setFocus();
    zut::hideThenShow(p, t2008_menu);
    QVERIFY(QTest::qWaitForWindowActive(t2008_menu));
    zut::hideThenShow(t2008_menu, p);
    QVERIFY(QTest::qWaitForWindowActive(p));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(answerField(p, 2)));
    p->page()->verticalScrollBar()->setValue(3000);
    const QStringList verdictsBefore = verdicts(p);
    const QString result = child<QLabel>(p, "rezult")->text();

    QTest::mouseClick(child<QPushButton>(p, "nazad"), Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QTest::mouseClick(child<QPushButton>(t2008_menu, "var6"), Qt::LeftButton);
    QVERIFY(p->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(p));

    QCOMPARE(p->page()->verticalScrollBar()->value(), 3000);
    QCOMPARE(verdicts(p), verdictsBefore);
    QCOMPARE(child<QLabel>(p, "rezult")->text(), result);
    QCOMPARE(child<QLabel>(p, "ocenka")->text(), "4 (хорошо)");
    QVERIFY(!child<QPushButton>(p, "proverka")->isEnabled());
    QVERIFY(option(p, 1, p->key().part1[0])->isChecked());
    QCOMPARE(answerField(p, 1)->text(), QString::fromUtf16(p->key().part2[0][0]));
    QCOMPARE(p->answerSlot(1), answerField(p, 1)->text());
    // The focus is where the student left it: on the button clicked last.
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(p, "nazad"));
}

void TestPaper::firstShowing() {
    QFETCH(int, paper);
    zut::Paper* p = papers()[paper];
    QCOMPARE(p->page()->verticalScrollBar()->value(), paper == 0 ? 5727 : 0); // as stored
    showAlone(p);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(p, "Memo6"));
    // The least scroll that shows the heading field: the 2007 page comes back
    // to 24, with the field at the upper edge; a 2008 page shows its top.
    QCOMPARE(p->page()->verticalScrollBar()->value(), paper == 0 ? 24 : 0);
}

void TestPaper::tabOrder() {
    zut::Paper* p = t2008_1;
    showAlone(p);
    auto tabFrom = [&](QWidget* from) {
        from->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    QStringList order;
    // Memo13 and Memo14 (С1 and С4) take part where the paper has them.
    QStringList expected;
    for (int n = 1; n <= 8; ++n)
        expected << zut::blockAnatomy(QString("B%1").arg(n)).box->field;
    for (const char* field : {"Memo13", "Memo14"})
        if (p->findChild<QWidget*>(field))
            expected << field;
    expected << QStringList{"poesnen", "proverka", "instr", "nazad", "Memo6"};
    QWidget* w = child<QWidget>(p, "Memo6");
    for (qsizetype i = 0; i < expected.size(); ++i) {
        w = tabFrom(w);
        order << w->objectName();
    }
    QCOMPARE(order, expected);
    // A task takes part through its chosen option, once there is one.
    QTest::mouseClick(option(p, 5, 2), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseClick(option(p, 2, 4), Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(tabFrom(child<QWidget>(p, "nazad"))->objectName(), zut::optionName(2, 4));
    QCOMPARE(tabFrom(option(p, 2, 4))->objectName(), zut::optionName(5, 2));
    QCOMPARE(tabFrom(option(p, 5, 2))->objectName(), "Memo6");
    // Tab into an answer field selects its whole text, and the page scrolls
    // by the least amount that shows it.
    answerField(p, 4)->setText("1342");
    QWidget* b4 = tabFrom(answerField(p, 3));
    QCOMPARE(b4, static_cast<QWidget*>(answerField(p, 4)));
    QCOMPARE(answerField(p, 4)->selectedText(), "1342");
    const QRect shown(QPoint(0, p->page()->verticalScrollBar()->value()),
                      p->page()->viewport()->size());
    const QRect field = inPage(p, b4);
    QVERIFY(shown.contains(field));
    QVERIFY(field.bottom() == shown.bottom() || field.top() == shown.top());
}

void TestPaper::scrollSteps() {
    zut::Paper* p = t2008_7;
    showAlone(p);
    QScrollBar* bar = p->page()->verticalScrollBar();
    auto check = [&] {
        const int visible = p->page()->viewport()->height();
        QCOMPARE(bar->pageStep(), visible * 9 / 10);
        QCOMPARE(bar->singleStep(), visible * 9 / 10 / 10);
        QCOMPARE(bar->maximum(), 8053 - visible);
    };
    check();
    p->resize(1100, 760); // the toolkit lays the area out again
    check();
    p->hide();
    p->showWindow();
    check();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->hasTracking());
}

void TestPaper::headingField() {
    zut::Paper* p = t2008_2;
    showAlone(p);
    auto* heading = child<QPlainTextEdit>(p, "Memo6");
    heading->moveCursor(QTextCursor::End);
    type(heading, "!");
    QTest::keyClick(heading, Qt::Key_Return);
    QTest::keyClick(heading, Qt::Key_Enter);
    QCOMPARE(heading->toPlainText(), "Тест 2008 года!");
    QVERIFY(!heading->isReadOnly());
    QCOMPARE(child<QLabel>(p, "Label64")->text(), "2 вариант");
}

void TestPaper::optionsExcludeEachOther() {
    zut::Paper* p = t2007;
    showAlone(p);
    QTest::mouseClick(option(p, 4, 2), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseClick(option(p, 5, 3), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseClick(option(p, 5, 1), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseClick(option(p, 5, 1), Qt::LeftButton, {}, QPoint(7, 8)); // no way back to none
    QVERIFY(option(p, 5, 1)->isChecked());
    for (int k = 2; k <= 4; ++k)
        QVERIFY(!option(p, 5, k)->isChecked());
    QVERIFY(option(p, 4, 2)->isChecked());
    for (int t = 1; t <= 20; ++t)
        if (t != 4 && t != 5)
            for (int k = 1; k <= 4; ++k)
                QVERIFY(!option(p, t, k)->isChecked());
}

void TestPaper::longAnswer() {
    zut::Paper* p = t2008_5;
    const QString text(100000, u'7');
    answerField(p, 6)->setText(text);
    QLineEdit* f = answerField(p, 6);
    f->end(false);
    f->insert("8");
    QCOMPARE(p->answerSlot(6).size(), 100001);
    QVERIFY(p->answerSlot(6).endsWith("78"));
}

void TestPaper::enlargingMovesNothing() {
    zut::Paper* p = t2008_4;
    showAlone(p);
    QHash<QString, QRect> before;
    for (auto* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        before[w->objectName()] = w->geometry();
    p->resize(1400, 900);
    for (auto* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QCOMPARE(w->geometry(), before[w->objectName()]);
}

// A late activation of a hidden paper hands the focus back to its control;
// its page must still stand where the student left it.
void TestPaper::hiddenPageIgnoresLateFocus() {
    zut::Paper* p = t2008_3;
    showAlone(p);
    p->page()->verticalScrollBar()->setValue(3000); // the heading field is out of sight
    zut::hideThenShow(p, t2008_menu);
    QVERIFY(QTest::qWaitForWindowActive(t2008_menu));
    QApplication::setActiveWindow(p);
    QVERIFY(p->page()->widget()->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(p->page()->verticalScrollBar()->value(), 3000);
}

ZUT_TEST_MAIN(TestPaper)
#include "tst_paper.moc"
