// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagebuilder.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/label.h"
#include "shell/layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

#include <climits>
#include <cmath>

namespace zut {

// ---- the visible area --------------------------------------------------

PageArea::PageArea(QWidget* parent)
    : QScrollArea(parent) {
    setObjectName("ScrollBox1");
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setTracking(true);
    focus_ = connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { followFocus(now); });
}

// The focus moves while the page's controls are destroyed, after this part
// of the page is gone: the connection must not outlive it.
PageArea::~PageArea() {
    disconnect(focus_);
}

// The toolkit sets its own steps whenever it lays the area out; ours are
// put back each time after it.
void PageArea::applySteps() {
    const int page = viewport()->height() * 9 / 10;
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(std::max(1, page / 10));
}

void PageArea::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    applySteps();
}

bool PageArea::event(QEvent* e) {
    const bool handled = QScrollArea::event(e);
    if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::Show)
        applySteps();
    return handled;
}

bool PageArea::eventFilter(QObject* o, QEvent* e) {
    const bool handled = QScrollArea::eventFilter(o, e);
    if (o == widget() && e->type() == QEvent::Resize)
        applySteps();
    return handled;
}

void PageArea::followFocus(QWidget* now) {
    // Only while shown: a late activation of a hidden paper may hand the
    // focus to one of its controls, and the page must stay where it was left.
    if (now && isVisible() && widget() && widget()->isAncestorOf(now))
        showControl(now);
}

QStringList PageArea::problems() const {
    constexpr int rightEdge = 977; // past this the page would need a horizontal scroll bar
    QStringList found = overflow;
    for (const Laid& l : laid)
        if (l.rect.right() >= rightEdge)
            found << QString("task %1: %2 reaches x %3, past the page's right edge %4")
                         .arg(l.task, l.what)
                         .arg(l.rect.right() + 1)
                         .arg(rightEdge);
    for (size_t i = 0; i < laid.size(); ++i)
        for (size_t k = i + 1; k < laid.size(); ++k)
            if (laid[i].rect.intersects(laid[k].rect))
                found << QString("task %1: %2 overlaps %3 of task %4")
                             .arg(laid[i].task, laid[i].what, laid[k].what, laid[k].task);
    // A content field neither wraps nor scrolls: a line wider than the field
    // or a line below its last one would be cut off.
    if (widget())
        for (const TextField* f : widget()->findChildren<const TextField*>()) {
            if (!f->isReadOnly())
                continue;
            const QFontMetricsF fm(f->font());
            const qreal margin = f->document()->documentMargin();
            const QStringList lines = f->toPlainText().split('\n');
            qreal widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, fm.horizontalAdvance(line));
            const int over = int(std::ceil(widest - (f->contentsRect().width() - 2 * margin)));
            if (over > 0)
                found << QString("field %1: its widest line is %2 px wider than the field")
                             .arg(f->objectName())
                             .arg(over);
            const int shown =
                int((f->contentsRect().height() - 2 * margin) / std::ceil(fm.lineSpacing()));
            if (lines.size() > shown)
                found << QString("field %1: %2 lines, of which %3 are shown")
                             .arg(f->objectName())
                             .arg(lines.size())
                             .arg(shown);
        }
    return found;
}

void PageArea::showControl(QWidget* control) {
    QScrollBar* bar = verticalScrollBar();
    const int top = control->mapTo(widget(), QPoint(0, 0)).y();
    const int bottom = top + control->height();
    const int visible = viewport()->height();
    if (top < bar->value())
        bar->setValue(top);
    else if (bottom > bar->value() + visible)
        bar->setValue(std::min(top, bottom - visible));
}

// ---- the block anatomy ---------------------------------------------------

int taskNumber(const QString& id) {
    return id.mid(1).toInt();
}

QString optionName(int n, int k) {
    return n == 2 && k < 4 ? QString("A2_%1").arg(k) : QString("a%1_%2").arg(n).arg(k);
}

void OptionButton::keyPressEvent(QKeyEvent* e) {
    const int step = e->key() == Qt::Key_Left || e->key() == Qt::Key_Up      ? -1
                     : e->key() == Qt::Key_Right || e->key() == Qt::Key_Down ? 1
                                                                             : 0;
    if (!step || !parentWidget()) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    // The arrows of the number pad too. With Shift, Ctrl or Alt an arrow
    // chooses nothing (the toolkit's own handling would move the choice by
    // the buttons' places, without going round): the page may scroll.
    if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        e->ignore();
        return;
    }
    const auto options = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    const qsizetype at = options.indexOf(this);
    OptionButton* next = options[(at + step + options.size()) % options.size()];
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->setChecked(true);
}

// ---- what a screen reader says ---------------------------------------------

namespace spoken {

const char* const keys = "Ctrl+Tab и Ctrl+Shift+Tab проходят по всем заданиям части 1, "
                         "стрелки выбирают ответ, пробел отмечает его";

QString task(const QString& id) {
    return QString("Задание %1").arg(id);
}
QString option(const QString& id, int k) {
    return QString("Задание %1, ответ %2").arg(id).arg(k);
}
QString answerField(const QString& id) {
    return QString("Ответ к заданию %1").arg(id);
}
QString verdict(const QString& id) {
    return QString("Отметка о задании %1").arg(id);
}

// An index label is read with its text: "101{_2}" as "101 по основанию 2",
// "2{^10}" as "2 в степени 10"; runs of blanks as one.
QString withoutMarks(const QString& written) {
    static const QRegularExpression mark(R"(\{([_^])(?:\d+:)?([^}]*)\})");
    QString read;
    qsizetype from = 0;
    for (auto it = mark.globalMatch(written); it.hasNext();) {
        const auto m = it.next();
        read += written.mid(from, m.capturedStart() - from);
        read += (m.captured(1) == "_" ? " по основанию " : " в степени ") + m.captured(2) + " ";
        from = m.capturedEnd();
    }
    return labelText(read + written.mid(from)).simplified();
}

} // namespace spoken

namespace {

QFont font(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QColor tooltip() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}
QColor windowText() {
    return QApplication::palette().color(QPalette::WindowText);
}

// Builds controls onto one parent, each named and placed.
class Builder {
public:
    explicit Builder(QWidget* parent)
        : parent_(parent) {}
    QWidget* parent() const { return parent_; }

    Label* label(const QString& name, QRect r, const QString& text, const QFont& f,
                 const QColor& colour, std::optional<QColor> background = std::nullopt) {
        auto* l = new Label(text, parent_);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setGeometry(r);
        l->setFont(f);
        setColour(l, QPalette::WindowText, colour);
        if (background) {
            setColour(l, QPalette::Window, *background);
            l->setAutoFillBackground(true);
        }
        return l;
    }
    Shape* shape(const QString& name, QRect r, Shape::Kind kind, QColor fill, QColor outline) {
        auto* s = new Shape(kind, fill, outline, parent_);
        s->setObjectName(name);
        s->setGeometry(r);
        return s;
    }

private:
    QWidget* parent_;
};

// An instruction box: a white rectangle with a centred, wrapped label on it.
void instructionBox(Builder& b, const QString& shape, QPoint at, const QString& label,
                    QPoint labelOffset, const QString& text) {
    b.shape(shape, QRect(at, QSize(681, 81)), Shape::Kind::Rectangle, Qt::white, Qt::black);
    QLabel* l = b.label(label, QRect(at + labelOffset, QSize(649, 51)), text,
                        font("Century Schoolbook", 19, true, true), colours::teal, Qt::white);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QLabel* partHeading(Builder& b, const QString& name, QRect r, const QString& text) {
    return b.label(name, r, text, font("Century Schoolbook", 24, true), colours::red);
}

// The disc with the task's number on it, at the block's top-left corner.
void numberDisc(Builder& b, const QString& id, int top, const QString& labelName) {
    const QChar part = id[0];
    const int n = taskNumber(id);
    const bool large = part == u'А' && n >= 10; // А10 … А20
    const int d = large ? 43 : 41;
    b.shape("", QRect(48, top, d, d), Shape::Kind::Ellipse, tooltip(), colours::activeBorder);
    QPoint offset(6, 7);
    QSize size = part == u'B' ? QSize(28, 26) : QSize(29, 26);
    int pixels = 24;
    if (large) {
        offset = {3, 9};
        size = {37, 24};
        pixels = 21;
    } else if (part == u'С' && n >= 2) {
        offset = {7, 7};
    }
    b.label(labelName, QRect(QPoint(48, top) + offset, size), id,
            font("Times New Roman", pixels, true), colours::teal, tooltip());
}

// Names that break the scheme in every paper.
QString part2NumberLabel(int n) {
    return n == 6 ? "Label119" : n == 7 ? "Label120" : QString("LB%1").arg(n);
}
QString part2BoxLabel(int n) {
    static const char* names[] = {"Label112", "Label113", "Label115", "Label117",
                                  "Label118", "LB6",      "Label122", "Label126"};
    return names[n - 1];
}
QString groupName(int n) {
    return n == 2 ? "A2" : QString("a%1").arg(n);
}

// A verdict label is read out as its text, "Правильно" or "Неправильно".
QLabel* verdictLabel(Builder& b, const QString& name, const QString& task, QPoint at, int width) {
    QLabel* l = b.label(name, QRect(at, QSize(width, 19)), QString(),
                        font("Times New Roman", 16, true, true), windowText());
    l->setAccessibleDescription(spoken::verdict(task));
    return l;
}

// The four answers of a Part 1 task as its content writes them, or none
// where they stand in a picture.
QStringList answerTexts(const TaskContent& task) {
    std::function<QStringList(const std::vector<Element>&)> find =
        [&](const std::vector<Element>& elements) {
            for (const Element& e : elements) {
                if (e.kind == Element::Kind::Answers)
                    return e.items;
                if (const QStringList inRow = find(e.children); !inRow.isEmpty())
                    return inRow;
            }
            return QStringList();
        };
    return find(task.elements);
}

// The answer group of a Part 1 task, with its verdict label; returns the
// bottom of what it takes.
int answerGroup(Builder& b, const TaskContent& task, int top) {
    const int n = taskNumber(task.id);
    auto* group = new QGroupBox(b.parent());
    group->setObjectName(groupName(n));
    group->setGeometry(824, top, 147, 40);
    group->setFont(font("Tahoma", 11));
    group->setAutoFillBackground(true);
    setColour(group, QPalette::Window, colours::cream);
    group->setToolTipDuration(0);
    group->setAccessibleName(spoken::task(task.id));
    group->setAccessibleDescription(QString("Один ответ из четырёх. ") + spoken::keys);
    Builder inGroup(group);
    const bool wide = n >= 10;
    inGroup.label("", QRect(8, 8, wide ? 37 : 26, 24), QString("A%1").arg(n), // Latin A
                  font("Times New Roman", 21, true), colours::teal);
    inGroup.label("", QRect(wide ? 54 : 48, 24, 66, 13), "1     2     3    4",
                  font("Times New Roman", 11, true), windowText());
    const QStringList answers = answerTexts(task);
    for (int k = 1; k <= 4; ++k) {
        auto* radio = new OptionButton(group);
        radio->setObjectName(optionName(n, k));
        radio->setAccessibleName(spoken::option(task.id, k));
        // The answer itself, where the task gives it as text.
        radio->setAccessibleDescription(answers.size() == 4 ? spoken::withoutMarks(answers[k - 1])
                                                            : QString("Ответ %1 из 4").arg(k));
        int x = wide ? 50 + 20 * (k - 1) + (k > 1 ? 1 : 0) : 45 + 20 * (k - 1);
        if (wide && k == 1 && (n == 10 || n == 11))
            x = 51;
        radio->setGeometry(x, 10, k == 1 ? 15 : 17, 17);
        // Until one of its buttons is chosen a task is passed over by Tab;
        // then Tab stops at the chosen one.
        radio->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(radio, &QRadioButton::toggled, radio, [radio](bool on) {
            radio->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    QPoint offset(n == 2 ? 12 : 8, n == 13 ? 52 : n == 16 ? 51 : 46);
    if (task.verdictOffset)
        offset = *task.verdictOffset;
    const int width = n == 1 ? 112 : n == 2 ? 102 : n == 3 ? 106 : 114;
    return verdictLabel(b, QString("otv_a%1").arg(n), task.id, group->pos() + offset, width)
        ->geometry()
        .bottom();
}

// The answer box of a Part 2 task, with its field and verdict label;
// returns the bottom of what it takes.
int answerBox(Builder& b, const TaskContent& task, int top,
              const std::function<void(int)>& answerChanged) {
    const int n = taskNumber(task.id);
    const QPoint box(623, top);
    b.shape("", QRect(box, QSize(345, 33)), Shape::Kind::Rectangle, tooltip(), colours::olive);
    b.label(part2BoxLabel(n), QRect(box + QPoint(8, 6), QSize(23, 22)), task.id,
            font("Times New Roman", 19, true), colours::teal, tooltip());

    auto* field = new QLineEdit(b.parent());
    field->setObjectName(QString("otv_b%1").arg(n));
    const bool narrow = n == 1 || n == 2 || n == 4 || n == 6;
    field->setGeometry(QRect(box + QPoint(narrow ? 33 : 37, 3), QSize(297, 27)));
    field->setFont(font("Times New Roman", 16));
    setColour(field, QPalette::Text, colours::navy);
    field->setMaxLength(INT_MAX); // no length limit of the program's own
    field->setAccessibleName(spoken::answerField(task.id));
    field->setAccessibleDescription("Краткий ответ: набор символов без пробелов");
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [answerChanged, n] { answerChanged(n); });

    // The verdict's offset from the answer box's corner.
    const int below = n == 1 ? 33 : n == 7 ? 43 : n == 6 ? 46 : 36;
    QPoint offset(n == 4 ? 0 : 8, 3 + below);
    if (task.verdictOffset)
        offset = *task.verdictOffset;
    return verdictLabel(b, QString("otv_bb%1").arg(n), task.id, box + offset, 114)
        ->geometry()
        .bottom();
}

// ---- content elements ------------------------------------------------------

// Where each part's text column stands: left of the answer group or box.
struct Column {
    int left;
    int width;
};
Column column(QChar part) {
    if (part == u'А')
        return {104, 700};
    if (part == u'B')
        return {108, 505};
    return {108, 850};
}

// Index labels are written inline: "101{_2}" puts a base 2 below the line
// after 101, "2{^10}" an exponent above it. The text label keeps a run of
// blanks where each stands, and the index label is laid over that run.
struct IndexMark {
    qsizetype at; // where its run of blanks starts in the label's text
    qsizetype blanks;
    QString text;
    bool above;
    int pixels;
};

QString withBlanks(const QString& written, const QFont& labelFont, const QFont& indexFont,
                   std::vector<IndexMark>& marks) {
    static const QRegularExpression mark(R"(\{([_^])(?:(\d+):)?([^}]*)\})");
    QString text;
    qsizetype from = 0;
    const QFontMetricsF label(labelFont);
    for (auto it = mark.globalMatch(written); it.hasNext();) {
        const auto m = it.next();
        text += written.mid(from, m.capturedStart() - from);
        const QString value = m.captured(3);
        const int pixels = m.captured(2).isEmpty() ? indexFont.pixelSize() : m.captured(2).toInt();
        QFont own = indexFont;
        own.setPixelSize(pixels);
        const auto blanks = qsizetype(std::ceil(QFontMetricsF(own).horizontalAdvance(value) /
                                                label.horizontalAdvance(' '))) +
                            1;
        marks.push_back({text.size(), blanks, value, m.captured(1) == "^", pixels});
        text += QString(blanks, ' ');
        from = m.capturedEnd();
    }
    return text + written.mid(from);
}

class ElementLayout {
public:
    ElementLayout(Builder& b, PageArea* area, const QString& task)
        : b_(b)
        , area_(area)
        , task_(task) {}

    // Lays `e` with its top-left corner at `at` in a column `width` wide;
    // returns its rectangle.
    QRect lay(const Element& e, QPoint at, int width);

private:
    QRect text(const Element& e, QPoint at, int width, const QString& what);
    // A field as tall as `shown` lines (its own count where 0), read out as
    // the task's with `part` after it ("Задание А8, Паскаль") and `what`.
    QRect field(const Element& e, QPoint at, int width, const QString& text, int shown = 0,
                const QString& part = {}, const QString& what = "Текст задания");
    QRect table(const Element& e, QPoint at);
    QRect programs(const Element& e, QPoint at, int width);
    QRect listings(const Element& e, QPoint at, int width);
    QRect row(const Element& e, QPoint at, int width);
    void record(const QString& what, const QRect& r) { area_->laid.push_back({task_, what, r}); }

    Builder& b_;
    PageArea* area_;
    QString task_;
    int texts_ = 0; // the task's text fields so far, each read out with its own name
};

QFont textFont(const Element& e) {
    return font("Times New Roman", e.pixels, e.bold, e.italic);
}

QRect ElementLayout::text(const Element& e, QPoint at, int width, const QString& written) {
    const QFont f = textFont(e);
    std::vector<IndexMark> marks;
    const QFont indexFont = b_.parent()->font(); // the page's own 11 px
    const QString shown = withBlanks(labelText(written), f, indexFont, marks);
    Label* l = b_.label("", QRect(at, QSize(width, 0)), shown, f, windowText());
    l->setWordWrap(true);
    l->resize(width, l->heightForWidth(width));

    // The label wraps its text as the toolkit lays it out; find where each
    // run of blanks fell and lay its index label there.
    if (!marks.empty()) {
        QTextLayout layout(shown, f);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        const QFontMetricsF fm(f);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height() + std::max<qreal>(fm.leading(), 0);
        }
        layout.endLayout();
        for (const IndexMark& m : marks) {
            const QTextLine line = layout.lineForTextPosition(int(m.at));
            const qreal x = line.cursorToX(int(m.at)) + 1;
            const qreal baseline = line.y() + line.ascent();
            const qreal top = m.above ? baseline - fm.ascent() - 2 : baseline - 7;
            auto* index = new IndexLabel(m.text, b_.parent());
            index->setProperty("task", task_);
            QFont own = indexFont;
            own.setPixelSize(m.pixels);
            index->setFont(own);
            index->move(at + QPoint(int(x), int(top)));
            index->adjustSize();
        }
    }
    return l->geometry();
}

QRect ElementLayout::field(const Element& e, QPoint at, int width, const QString& text, int shown,
                           const QString& part, const QString& what) {
    auto* f =
        new TextField(e.border ? TextField::Border::Flat : TextField::Border::None, b_.parent());
    f->setObjectName(e.name);
    f->setProperty("task", task_); // where Ctrl+Tab goes on from it
    // A second text of the same task is told from the first by its number.
    const int number = part.isEmpty() ? ++texts_ : 0;
    const QString own = !part.isEmpty() ? ", " + part
                        : number > 1    ? QString(", текст %1").arg(number)
                                        : QString();
    f->setAccessibleName(spoken::task(task_) + own);
    f->setAccessibleDescription(what + ", только для чтения");
    f->setFont(textFont(e));
    f->setReadOnly(true);
    f->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Read-only fields are passed over by Tab, but for the two that the
    // papers' tab order takes in.
    f->setFocusPolicy(e.name == "Memo13" || e.name == "Memo14" ? Qt::StrongFocus : Qt::ClickFocus);
    f->setLineWrapMode(QPlainTextEdit::NoWrap);
    setColour(f, QPalette::Base, colours::cream);
    f->setPlainText(text);
    // The field sets its lines a whole pixel apart, rounding the font's
    // fractional line spacing up (19 px for 16 px Times New Roman).
    const int lineHeight = int(std::ceil(QFontMetricsF(f->font()).lineSpacing()));
    const int frame = 2 * (f->frameWidth() + int(f->document()->documentMargin()));
    const int lines = shown ? shown : e.lines;
    const QRect r(at, QSize(e.width ? e.width : width, lines * lineHeight + frame + 2));
    f->setGeometry(r);
    f->setProperty("lines", e.lines);
    return r;
}

QRect ElementLayout::table(const Element& e, QPoint at) {
    const QRect frame(at, e.frame);
    b_.shape("", frame, Shape::Kind::Rectangle, colours::cream, Qt::black);
    for (int x : e.columnRules)
        b_.shape("", QRect(at + QPoint(x, 0), QSize(1, e.frame.height())), Shape::Kind::Rectangle,
                 Qt::black, Qt::black);
    for (int y : e.rowRules)
        b_.shape("", QRect(at + QPoint(0, y), QSize(e.frame.width(), 1)), Shape::Kind::Rectangle,
                 Qt::black, Qt::black);
    for (const Element::Cell& c : e.cells) {
        Label* l =
            b_.label("", QRect(at + c.at, QSize(c.width, 0)), labelText(c.text),
                     font("Times New Roman", c.pixels ? c.pixels : e.pixels, c.bold), windowText());
        if (c.width) {
            l->setWordWrap(true);
            if (c.centred)
                l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            l->resize(c.width, l->heightForWidth(c.width));
        } else {
            l->adjustSize();
        }
    }
    return frame;
}

// А7 and А8: a heading row naming the three languages, and under it the
// fragment in each language, side by side, the three fields alike in size.
QRect ElementLayout::programs(const Element& e, QPoint at, int width) {
    const int w = e.width ? e.width : std::min(width, 500);
    Element heading;
    heading.frame = QSize(w, e.headingHeight);
    heading.columnRules = {w / 3, 2 * w / 3};
    if (e.items.size() == 3) {
        for (int i = 0; i < 3; ++i)
            heading.cells.push_back({QPoint(i * w / 3 + 2, (e.headingHeight - 19) / 2), e.items[i],
                                     w / 3 - 4, true, true});
    } else {
        heading.cells.push_back({QPoint(6, (e.headingHeight - 19) / 2), e.text, 0, true, false});
    }
    table(heading, at);
    int lines = 0;
    for (const Element& c : e.columns)
        lines = std::max(lines, c.lines);
    // The languages as the heading row names them.
    QStringList languages = e.items;
    if (languages.size() != 3)
        languages = e.text.split(QRegularExpression(R"(\s{2,})"), Qt::SkipEmptyParts);
    int bottom = at.y() + e.headingHeight - 1;
    for (int i = 0; i < 3; ++i) {
        const Element& c = e.columns[size_t(i)];
        const QPoint fieldAt = at + QPoint(i * w / 3, e.headingHeight + 2);
        const QString language =
            languages.size() == 3 ? spoken::withoutMarks(languages[i]) : QString::number(i + 1);
        bottom = std::max(bottom, field(c, fieldAt, w / 3 - (i < 2 ? 4 : 0), c.text, lines,
                                        language, "Фрагмент программы")
                                      .bottom());
    }
    return QRect(at, QPoint(at.x() + w - 1, bottom));
}

// С1: listings side by side under their column headings.
QRect ElementLayout::listings(const Element& e, QPoint at, int width) {
    const int w = e.width ? e.width : width;
    const int n = int(e.columns.size());
    Element heading;
    heading.frame = QSize(w, e.headingHeight);
    for (int i = 1; i < n; ++i)
        heading.columnRules.push_back(i * w / n);
    for (int i = 0; i < n; ++i) {
        const int given = e.headingWidths.empty() ? 0 : e.headingWidths[size_t(i)];
        const int width = given > 0 ? given : w / n - 8;
        heading.cells.push_back(
            {QPoint(i * w / n + (w / n - width) / 2, 2), e.items[i], width, true, true});
    }
    QRect r = table(heading, at);
    int bottom = r.bottom();
    // The listings stand side by side, alike in height: the tallest's.
    int lines = 0;
    for (const Element& c : e.columns)
        lines = std::max(lines, c.lines);
    for (int i = 0; i < n; ++i) {
        const Element& c = e.columns[size_t(i)];
        const QPoint fieldAt = at + QPoint(i * w / n, e.headingHeight + 2);
        bottom = std::max(bottom, field(c, fieldAt, w / n - (i < n - 1 ? 4 : 0), c.text, lines,
                                        spoken::withoutMarks(e.items[i]), "Программа")
                                      .bottom());
    }
    return QRect(at, QPoint(at.x() + w - 1, bottom));
}

QRect ElementLayout::row(const Element& e, QPoint at, int width) {
    QRect all(at, QSize(0, 0));
    int x = at.x();
    for (const Element& c : e.children) {
        const int w = c.width ? c.width : width - (x - at.x());
        const QRect r = lay(c, QPoint(x + c.indent, at.y() + c.gap), w);
        all = all.united(r);
        x = r.right() + 1 + 12;
    }
    return all;
}

QRect ElementLayout::lay(const Element& e, QPoint at, int width) {
    using Kind = Element::Kind;
    QRect r;
    QString what;
    switch (e.kind) {
    case Kind::Text:
        r = text(e, at, e.width ? e.width : width, e.text);
        what = "text";
        break;
    case Kind::Answers: {
        QStringList numbered;
        for (int i = 0; i < 4; ++i)
            numbered << QString("%1) %2").arg(i + 1).arg(e.items[i]);
        if (e.arrange == Element::Arrange::Field) {
            r = field(e, at, e.width ? e.width : width, numbered.join('\n'), 0, "ответы",
                      "Ответы к заданию");
            what = "field " + e.name;
        } else {
            const QString sep = e.arrange == Element::Arrange::Stack ? "\n" : "      ";
            r = text(e, at, e.width ? e.width : width, numbered.join(sep));
            what = "answers";
        }
        break;
    }
    case Kind::Field:
        r = field(e, at, width, e.text);
        what = "field " + e.name;
        break;
    case Kind::Picture: {
        auto* p = new Picture(QString(":/pictures/%1").arg(e.picture), e.fit, b_.parent());
        p->setObjectName(e.picture);
        r = QRect(at, e.sizeToPicture ? p->ownSize() : e.rect);
        p->setGeometry(r);
        what = "picture " + e.picture;
        break;
    }
    case Kind::Table:
        r = table(e, at);
        what = "table";
        break;
    case Kind::Programs:
        r = programs(e, at, width);
        what = "programs";
        break;
    case Kind::Listings:
        r = listings(e, at, width);
        what = "listings";
        break;
    case Kind::Row:
        return row(e, at, width); // its elements are recorded each
    case Kind::Rule:
        r = QRect(at, QSize(e.width, 1));
        b_.shape("", r, Shape::Kind::Rectangle, Qt::black, Qt::black);
        what = "rule";
        break;
    }
    record(what, r);
    return r;
}

// ---- the page --------------------------------------------------------------

// One task block as laid: its elements, its answer control, and how tall
// it is by nature.
int layBlock(Builder& b, PageArea* area, const TaskContent& task, int top,
             const std::function<void(int)>& answerChanged) {
    const QChar part = task.id[0];
    const int n = taskNumber(task.id);
    QString numberName = part == u'А'   ? QString("LA%1").arg(n)
                         : part == u'B' ? part2NumberLabel(n)
                                        : QString("LC%1").arg(n);
    numberDisc(b, task.id, top, numberName);
    const int disc = part == u'А' && n >= 10 ? 43 : 41;
    int answerBottom = top;
    if (part == u'А')
        answerBottom = answerGroup(b, task, top);
    else if (part == u'B')
        answerBottom = answerBox(b, task, top, answerChanged);

    const Column c = column(part);
    ElementLayout elements(b, area, task.id);
    int y = top;
    for (const Element& e : task.elements) {
        const QRect r = elements.lay(e, QPoint(c.left + e.indent, y + e.gap), c.width - e.indent);
        y = r.bottom() + 1;
    }
    // What the anatomy lays takes its place among the elements too.
    area->laid.push_back({task.id, "number disc", QRect(48, top, disc, disc)});
    if (part == u'А')
        area->laid.push_back(
            {task.id, "answer group", QRect(824, top, 147, answerBottom - top + 1)});
    else if (part == u'B')
        area->laid.push_back({task.id, "answer box", QRect(623, top, 345, answerBottom - top + 1)});
    return std::max({top + disc, answerBottom, y});
}

constexpr int blockSpacing = 14; // at least this much between two blocks

// Lays the blocks of one part from `from`, spreading what space is left
// evenly between them so that the part ends at `to`; returns how many
// pixels it is over, or 0. Each block is built at the top of the page to
// learn its height, then moved down to its place.
int layPart(Builder& b, PageArea* area, const std::vector<TaskContent>& tasks, int from, int to,
            const std::function<void(int)>& answerChanged) {
    struct Built {
        std::vector<QWidget*> widgets;
        size_t laidFrom, laidTo;
        int height;
    };
    std::vector<Built> blocks;
    int natural = 0;
    for (const TaskContent& t : tasks) {
        const qsizetype before = b.parent()->children().size();
        const size_t laidFrom = area->laid.size();
        const int height = layBlock(b, area, t, 0, answerChanged) + blockSpacing;
        Built built{{}, laidFrom, area->laid.size(), height};
        const QObjectList& children = b.parent()->children();
        for (qsizetype i = before; i < children.size(); ++i)
            if (auto* w = qobject_cast<QWidget*>(children[i]))
                built.widgets.push_back(w);
        blocks.push_back(std::move(built));
        natural += height;
    }
    const int spare = std::max(to - from - natural, 0);
    const int count = int(tasks.size());
    int top = from;
    for (int i = 0; i < count; ++i) {
        for (QWidget* w : blocks[i].widgets)
            w->move(w->pos() + QPoint(0, top));
        for (size_t k = blocks[i].laidFrom; k < blocks[i].laidTo; ++k)
            area->laid[k].rect.translate(0, top);
        top += blocks[i].height + spare * (i + 1) / count - spare * i / count;
    }
    return std::max(natural - (to - from), 0);
}

} // namespace

PageArea* buildPage(QWidget* window, const PageSpec& geometry, const PaperContent& content,
                    const std::function<void(int)>& answerChanged) {
    auto* area = new PageArea(window);
    area->setGeometry(geometry.left, 38, geometry.width, 630);

    auto* page = new QWidget;
    page->setObjectName("page");
    page->setFont(font("Times New Roman", 11));
    page->setAutoFillBackground(true);
    setColour(page, QPalette::Window, colours::cream);
    Builder b(page);

    auto* heading = new TextField(TextField::Border::None, page);
    heading->setObjectName("Memo6");
    heading->setGeometry(QRect(geometry.heading, QSize(239, 33)));
    heading->setFont(font("Century Schoolbook", 27, true));
    setColour(heading, QPalette::Text, colours::teal);
    setColour(heading, QPalette::Base, colours::cream);
    heading->setLineWrapMode(QPlainTextEdit::NoWrap);
    heading->setPlainText(QString::fromUtf8(geometry.headingText));
    heading->setFocusPolicy(Qt::StrongFocus);
    heading->setAccessibleName("Заголовок работы");
    heading->setAccessibleDescription(
        QString::fromUtf8(geometry.headingText) +
        (geometry.variantText ? ", " + QString::fromUtf8(geometry.variantText) : QString()) + ". " +
        spoken::keys);
    if (geometry.variantText)
        b.label("Label64", QRect(443, 48, 137, 28), QString::fromUtf8(geometry.variantText),
                font("Century Schoolbook", 24, true, true), colours::teal);

    partHeading(b, "Label1", QRect(464, 82, 93, 30), "Часть I");
    instructionBox(b, "Shape1", {160, 128}, "Label2", {24, 14},
                   "При выполнении задания этой части отметьте  номер, который соответствует "
                   "номеру выбранного вами ответа ");
    partHeading(b, "Label4", QRect(443, geometry.part2Y, 104, 30), "Часть II");
    instructionBox(b, "Shape31", {160, geometry.part2Y + 46}, "Label110", {20, 14},
                   "При выполнении задания этой части впишите в графу ответа набор символов "
                   "без  пробелов");
    partHeading(b, "Label127", QRect(416, geometry.part3Y, 115, 30), "Часть III");
    instructionBox(b, "Shape56", {160, geometry.part3Y + 58}, "Label128", {12, 16},
                   "Задания третьей части выполняются в тетради и не проверяются программой.  ");

    // Each part's blocks fill the space between its instruction box and
    // the next part's heading (the page end for Part 3).
    const auto& t = content.tasks;
    const std::vector<TaskContent> part1(t.begin(), t.begin() + 20);
    const std::vector<TaskContent> part2(t.begin() + 20, t.begin() + 28);
    const std::vector<TaskContent> part3(t.begin() + 28, t.end());
    const struct {
        const char* name;
        const std::vector<TaskContent>& tasks;
        int from, to;
    } parts[] = {
        {"Часть I", part1, 128 + 81 + 20, geometry.part2Y - 10},
        {"Часть II", part2, geometry.part2Y + 46 + 81 + 20, geometry.part3Y - 10},
        {"Часть III", part3, geometry.part3Y + 58 + 81 + 20, geometry.height},
    };
    for (const auto& p : parts)
        if (const int over = layPart(b, area, p.tasks, p.from, p.to, answerChanged))
            area->overflow
                << QString("%1 of %2 is %3 px over its space").arg(p.name, content.paper).arg(over);

    // Controls that take input lie above everything painted on the page.
    for (QObject* child : page->children())
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLineEdit*>(child) ||
            qobject_cast<QPlainTextEdit*>(child))
            static_cast<QWidget*>(child)->raise();

    page->resize(geometry.width - 2 * area->frameWidth() -
                     area->verticalScrollBar()->sizeHint().width(),
                 geometry.height);
    area->setWidget(page);
    return area;
}

} // namespace zut
