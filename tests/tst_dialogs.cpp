// SPDX-License-Identifier: GPL-3.0-or-later
// The instruction, explanations and help dialogs: every label and text
// field with its text, font, colour and place, the instruction text's lines,
// and the negation signs standing in their runs of blanks.
#include "testmain.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/window.h"
#include "app/windowset.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <cmath>

namespace {

zut::Window* window(const zut::WindowSet& set, const QString& name) {
    for (QWidget* w : set.windows())
        if (w->objectName() == name)
            return static_cast<zut::Window*>(w);
    return nullptr;
}

QLabel* label(QWidget* w, const char* name) {
    return w->findChild<QLabel*>(name);
}

// A label's text laid out as the toolkit lays out a word-wrapped label:
// the label's font and width, the font's leading above every line, each
// line starting on a whole pixel.
struct Laid {
    std::unique_ptr<QTextLayout> layout;
    qreal height = 0;
};

Laid layOut(const QLabel* l) {
    Laid laid;
    laid.layout = std::make_unique<QTextLayout>(l->text(), l->font());
    QTextOption option(l->alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(l->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    laid.layout->setTextOption(option);
    const qreal leading = QFontMetricsF(l->font()).leading();
    laid.layout->beginLayout();
    for (;;) {
        QTextLine line = laid.layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(l->width());
        laid.height = std::ceil(laid.height + leading);
        line.setPosition(QPointF(0, laid.height));
        laid.height += line.height();
    }
    laid.layout->endLayout();
    return laid;
}

// The rectangle, in the label's coordinates, of the run of `count` blanks
// that starts at `at`, and the number of the line it falls on.
std::pair<QRectF, int> blanks(const Laid& laid, int at, int count) {
    const QTextLine line = laid.layout->lineForTextPosition(at);
    const qreal left = line.cursorToX(at), right = line.cursorToX(at + count);
    return {QRectF(left, line.y(), right - left, line.height()), line.lineNumber()};
}

// The pixels in which two pictures of the same size differ.
QRect difference(const QImage& a, const QImage& b) {
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

int inkIn(const QImage& image, const QRect& area, QColor background) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) != background;
    return n;
}

struct Text {
    const char* window;
    const char* name;
    QRect rect; // height 0: the height follows the text
    QString text;
    int size;
    bool bold;
    bool italic;
    QColor colour;
    bool centred;
    int lines;
};

QColor windowText() {
    return QApplication::palette().color(QPalette::WindowText);
}

std::vector<Text> texts() {
    const QColor navy = zut::colours::navy, black = Qt::black, text = windowText();
    return {
        {"instryk",
         "Label1",
         {176, 24, 0, 0},
         "Инструкция по выполнению работы",
         16,
         true,
         false,
         navy,
         true,
         1},
        {"instryk", "Label2", {264, 431, 0, 0}, "Желаем успеха!", 16, false, false, text, false, 1},
        {"instryk",
         "Label3",
         {18, 464, 607, 54},
         "Задания и рисунки составлены разработчиками этой программы на темы экзаменационной "
         "работы по информатике. Это тренировочный материал, а не задания настоящего экзамена.",
         15,
         false,
         true,
         text,
         true,
         2},
        {"poesn",
         "Label1",
         {86, 24, 513, 17},
         "В экзаменационных заданиях используются следующие соглашения: ",
         16,
         true,
         false,
         navy,
         false,
         1},
        {"poesn",
         "Label3",
         {46, 64, 347, 17},
         "1.Обозначения для логических связок (операций): ",
         16,
         false,
         false,
         black,
         false,
         1},
        {"poesn",
         "Label2",
         {46, 87, 595, 18},
         "a) отрицание (инверсия, логическое НЕ) обозначается ¬ (например,¬А);",
         16,
         false,
         false,
         text,
         false,
         1},
        {"poesn",
         "Label5",
         {46, 111, 563, 42},
         "b) конъюнкция (логическое умножение, логическое И) обозначается /\\ (например, А /\\ "
         "В) либо & (например,  А & В);",
         16,
         false,
         false,
         text,
         false,
         2},
        {"poesn",
         "Label4",
         {46, 151, 571, 42},
         "с) дизъюнкция (логическое сложение, логическое ИЛИ) обозначается \\/ (например, А \\/ "
         "В) либо | (например, А | В);  ",
         16,
         false,
         false,
         text,
         false,
         2},
        {"poesn",
         "Label6",
         {46, 191, 571, 18},
         "d) следование (импликация) обозначается –> (например, А –> В);",
         16,
         false,
         false,
         text,
         false,
         1},
        {"poesn",
         "Label7",
         {46, 215, 571, 42},
         "e) символ 1 используется для обозначения истины (истинного высказывания); символ 0 – "
         "для обозначения лжи (ложного высказывания).",
         16,
         false,
         false,
         text,
         false,
         2},
        {"poesn",
         "Label8",
         {46, 263, 571, 74},
         "2. Два логических выражения, содержащих переменные, называются равносильными "
         "(эквивалентными), если значения этих выражений совпадают при любых значениях "
         "переменных. Так, выражения А –> В и (   А) \\/ В равносильны, а А \\/ В и А /\\ В – "
         "нет (значения выражений разные, например, при А = 1, В = 0).",
         16,
         false,
         false,
         text,
         false,
         4},
        {"poesn",
         "Label10",
         {46, 353, 579, 105},
         "3. Приоритеты логических операций: инверсия (отрицание), конъюнкция (логическое "
         "умножение), дизъюнкция (логическое сложение), импликация (следование), "
         "эквивалентность (равносильность). Таким образом,    А /\\ В \\/ С /\\ D совпадает с "
         "((    А) /\\ В) \\/ (С /\\ D). Возможна запись А /\\ В /\\ С вместо (А /\\ В) /\\ С.  "
         "  То же относится и к дизъюнкции: возможна запись А \\/ В \\/ С вместо (А \\/ В) \\/ "
         "С.",
         16,
         false,
         false,
         text,
         false,
         5},
        {"sprav",
         "Label1",
         {16, 48, 522, 0},
         "     Программа предназначена для подготовки учащихся 10-11 классов к ЗУТ по "
         "информатике. Включает в себя тесты, с помощью которых можно проверить свои знания по "
         "основным темам, входящим  в ЗУТ. ",
         16,
         false,
         false,
         text,
         true,
         3},
        {"sprav",
         "Label2",
         {16, 135, 537, 76},
         "Все задания, тексты и рисунки программы составлены специально для неё на темы, "
         "которые проверяет экзамен по информатике. Это тренировочные задания собственного "
         "сочинения: они не взяты ни из экзаменационных материалов, ни из сборников, ни с "
         "сайтов.",
         16,
         false,
         false,
         text,
         true,
         4},
        {"sprav",
         "Label3",
         {56, 242, 449, 0},
         "Программу и все её задания подготовила небольшая команда разработчиков для "
         "самостоятельных занятий школьников.",
         16,
         false,
         true,
         navy,
         true,
         2},
    };
}

} // namespace

Q_DECLARE_METATYPE(Text)

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void letters_data();
    void letters();
    void instructionText();
    void instructionField();
    void selectionStaysVisible();
    void negationSigns_data();
    void negationSigns();
};

void TestDialogs::labels_data() {
    QTest::addColumn<Text>("t");
    for (const Text& t : texts())
        QTest::addRow("%s.%s", t.window, t.name) << t;
}

void TestDialogs::labels() {
    QFETCH(Text, t);
    zut::WindowSet set;
    QWidget* w = window(set, t.window);
    QLabel* l = label(w, t.name);
    QVERIFY(l);
    QCOMPARE(l->text(), t.text);
    QCOMPARE(l->font().family(), QString("Times New Roman"));
    QCOMPARE(l->font().pixelSize(), t.size);
    QCOMPARE(l->font().bold(), t.bold);
    QCOMPARE(l->font().italic(), t.italic);
    QCOMPARE(l->palette().color(QPalette::WindowText), t.colour);
    QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask,
             t.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    QCOMPARE(l->pos(), t.rect.topLeft());
    if (QString(t.window) == "sprav") // the help dialog's labels paint their cream ground
        QVERIFY(l->autoFillBackground() &&
                l->palette().color(QPalette::Window) == zut::colours::cream);

    const Laid laid = layOut(l);
    QCOMPARE(laid.layout->lineCount(), t.lines);
    if (t.rect.width() == 0) {
        QCOMPARE(l->size(), l->sizeHint()); // the size of its text
    } else if (t.rect.height() == 0) {
        QCOMPARE(l->width(), t.rect.width()); // the width stays, the height follows
        QVERIFY2(qAbs(l->height() - laid.height) <= 1,
                 qPrintable(QString("height %1 for text of %2").arg(l->height()).arg(laid.height)));
    } else {
        QCOMPARE(l->size(), t.rect.size());
        QVERIFY(l->wordWrap());
        // No line is lost: every baseline lies inside the box.
        const QTextLine last = laid.layout->lineAt(laid.layout->lineCount() - 1);
        QVERIFY2(last.y() + last.ascent() <= l->height(), "the last line falls outside the box");
    }
}

void TestDialogs::letters_data() {
    // Latin and Cyrillic letters look alike; the notation keeps them apart.
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("code");
    QTest::newRow("a) Latin") << "Label2" << 0 << 0x61;
    QTest::newRow("b) Latin") << "Label5" << 0 << 0x62;
    QTest::newRow("с) Cyrillic") << "Label4" << 0 << 0x441;
    QTest::newRow("d) Latin") << "Label6" << 0 << 0x64;
    QTest::newRow("e) Latin") << "Label7" << 0 << 0x65;
    QTest::newRow("negation in Label2") << "Label2" << 52 << 0xac;
    QTest::newRow("no blank before the second negation") << "Label2" << 64 << 0xac;
    QTest::newRow("implication en dash") << "Label6" << 40 << 0x2013;
    QTest::newRow("variable D Latin") << "Label10" << 218 << 0x44;
    QTest::newRow("variable С Cyrillic") << "Label10" << 213 << 0x421;
}

void TestDialogs::letters() {
    QFETCH(QString, name);
    QFETCH(int, at);
    QFETCH(int, code);
    zut::WindowSet set;
    const QString text = label(window(set, "poesn"), qPrintable(name))->text();
    QVERIFY(at < text.size());
    QCOMPARE(int(text.at(at).unicode()), code);
}

void TestDialogs::instructionText() {
    zut::WindowSet set;
    auto* memo = window(set, "instryk")->findChild<QPlainTextEdit*>("Memo1");
    QVERIFY(memo);
    const QStringList lines = memo->toPlainText().split('\n');
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[0], QString("     На выполнение экзаменационной работы по информатике "
                               "отводится 4 часа (240 "));
    QVERIFY(lines[1].startsWith("минут)."));
    QStringList openers;
    for (const QString& line : lines) {
        QVERIFY2(line.size() <= 85, qPrintable(line));
        if (line.startsWith(' ')) {
            QVERIFY2(line.startsWith("     ") && line[5] != ' ', qPrintable(line));
            openers << line.mid(5, 12);
        }
    }
    // Six paragraphs, in the order: time and parts, Part 1, Part 2, Part 3,
    // the order of work, the points.
    QCOMPARE(openers.size(), 6);
    // Read as one text: a wrapped line keeps its blank before the break.
    const QString text = memo->toPlainText().remove('\n');
    const QStringList facts = {"4 часа (240",
                               "3 част",
                               "32 задания",
                               "1,5 часа (90 минут)",
                               "2,5 часа (150 минут)",
                               "двадцать",
                               "четыре варианта ответа",
                               "только один",
                               "восемь",
                               "кратким ответом",
                               "четыре задания",
                               "развёрнуто",
                               "в том порядке",
                               "пропустите",
                               "вернитесь",
                               "один или несколько баллов",
                               "складываются",
                               "как можно больше баллов"};
    qsizetype at = 0;
    for (const QString& fact : facts) {
        const qsizetype found = text.indexOf(fact, at);
        QVERIFY2(found >= 0, qPrintable("missing in order: " + fact));
        at = found;
    }
}

void TestDialogs::instructionField() {
    zut::WindowSet set;
    zut::Window* dialog = window(set, "instryk");
    auto* memo = dialog->findChild<QPlainTextEdit*>("Memo1");
    QCOMPARE(memo->geometry(), QRect(18, 64, 607, 361));
    QCOMPARE(memo->font().family(), QString("Times New Roman"));
    QCOMPARE(memo->font().pixelSize(), 16);
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(!(memo->focusPolicy() & Qt::TabFocus)); // the Tab key passes it by
    QVERIFY(memo->focusPolicy() & Qt::ClickFocus);
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->palette().color(QPalette::Base), zut::colours::cream);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    // Each hard line fits the field's width, so the text shows as 18 lines
    // and all of them fit its height.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    int shown = 0;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        shown += b.layout()->lineCount();
    QCOMPARE(shown, 18);
    QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
    QTextCursor end(memo->document());
    end.movePosition(QTextCursor::End);
    QVERIFY(memo->cursorRect(end).bottom() < memo->viewport()->height());
    dialog->hide();
}

void TestDialogs::selectionStaysVisible() {
    zut::WindowSet set;
    zut::Window* dialog = window(set, "instryk");
    auto* memo = dialog->findChild<QPlainTextEdit*>("Memo1");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // Select the second line by mouse, as the student would.
    const QRect line = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
    QTest::mousePress(memo->viewport(), Qt::LeftButton, {}, QPoint(2, line.center().y()));
    QTest::mouseMove(memo->viewport(), QPoint(300, line.center().y()));
    QTest::mouseRelease(memo->viewport(), Qt::LeftButton, {}, QPoint(300, line.center().y()));
    QVERIFY(memo->textCursor().hasSelection());
    const QRect selected(4, line.top() + 2, 280, line.height() - 4);

    // The focus leaves for another window; the selection stays and is drawn.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!memo->hasFocus());
    QVERIFY(memo->textCursor().hasSelection());
    const QImage image = memo->viewport()->grab().toImage();
    const int highlighted = inkIn(image, selected, zut::colours::cream);
    QVERIFY2(highlighted > selected.width() * selected.height() * 9 / 10,
             "the selection is not shown once the field loses focus");
}

void TestDialogs::negationSigns_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("around");
    QTest::addColumn<int>("offset"); // of the blanks in `around`
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("line");
    QTest::newRow("Label9") << "Label9"
                            << "Label8"
                            << "(   А)" << 1 << 3 << 2;
    QTest::newRow("Label11") << "Label11"
                             << "Label10"
                             << "образом,    А" << 8 << 4 << 2;
    QTest::newRow("Label12") << "Label12"
                             << "Label10"
                             << "((    А)" << 2 << 4 << 3;
}

void TestDialogs::negationSigns() {
    QFETCH(QString, sign);
    QFETCH(QString, below);
    QFETCH(QString, around);
    QFETCH(int, offset);
    QFETCH(int, count);
    QFETCH(int, line);
    zut::WindowSet set;
    zut::Window* dialog = window(set, "poesn");
    QLabel* s = label(dialog, qPrintable(sign));
    QLabel* text = label(dialog, qPrintable(below));
    QCOMPARE(s->text(), QString("¬"));
    QCOMPARE(s->font(), dialog->font()); // the window font
    QCOMPARE(s->size(), s->sizeHint());

    // Where the blanks fall with the label's own font and width.
    const Laid laid = layOut(text);
    const int at = text->text().indexOf(around);
    QVERIFY(at >= 0);
    const auto [run, lineNumber] = blanks(laid, at + offset, count);
    QCOMPARE(lineNumber, line);
    const QRectF runInWindow = run.translated(text->pos());

    // The sign's label stands within the blanks from left to right ...
    QVERIFY2(s->x() >= runInWindow.left() && s->x() + s->width() <= runInWindow.right(),
             qPrintable(QString("sign at %1..%2, blanks at %3..%4")
                            .arg(s->x())
                            .arg(s->x() + s->width())
                            .arg(runInWindow.left())
                            .arg(runInWindow.right())));

    // ... and what it paints lies inside the blanks' rectangle.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    for (const char* name : {"Label9", "Label11", "Label12"})
        label(dialog, name)->hide();
    const QImage withoutSigns = dialog->grab().toImage();
    s->show();
    const QImage onlySign = dialog->grab().toImage();
    const QRect painted = difference(onlySign, withoutSigns);
    QVERIFY2(!painted.isEmpty(), "the sign paints nothing");
    QVERIFY2(runInWindow.contains(QRectF(painted)),
             qPrintable(QString("sign painted at %1,%2 %3x%4")
                            .arg(painted.x())
                            .arg(painted.y())
                            .arg(painted.width())
                            .arg(painted.height())));

    // The layout above is the one the label draws: its blanks are bare of
    // ink, and the letters either side of them are where it puts them.
    const QRect bare(std::ceil(runInWindow.left()), std::ceil(runInWindow.top()),
                     int(runInWindow.width()) - 1, int(runInWindow.height()));
    QCOMPARE(inkIn(withoutSigns, bare, zut::colours::cream), 0);
    const QRect before(bare.left() - 4, bare.top(), 3, bare.height());
    const QRect after(bare.right() + 2, bare.top(), 4, bare.height());
    QVERIFY(inkIn(withoutSigns, before, zut::colours::cream) > 0);
    QVERIFY(inkIn(withoutSigns, after, zut::colours::cream) > 0);
    dialog->hide();
}

ZUT_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
