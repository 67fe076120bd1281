#include "pagebuilder.h"

#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/label.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>

#include <climits>

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
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
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
    if (now && widget() && widget()->isAncestorOf(now))
        showControl(now);
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

namespace {

QFont font(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

QColor tooltip() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}

// Builds controls onto one parent, each named and placed.
class Builder {
public:
    explicit Builder(QWidget* parent)
        : parent_(parent) {}

    QLabel* label(const QString& name, QRect r, const QString& text, const QFont& f,
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

QLabel* verdictLabel(Builder& b, const QString& name, QPoint at, int width) {
    return b.label(name, QRect(at, QSize(width, 19)), QString(),
                   font("Times New Roman", 16, true, true),
                   QApplication::palette().color(QPalette::WindowText));
}

void part1Block(Builder& b, QWidget* page, const TaskContent& task, int top) {
    const int n = taskNumber(task.id);
    numberDisc(b, task.id, top, QString("LA%1").arg(n));

    auto* group = new QGroupBox(page);
    group->setObjectName(groupName(n));
    group->setGeometry(824, top, 147, 40);
    group->setFont(font("Tahoma", 11));
    group->setAutoFillBackground(true);
    setColour(group, QPalette::Window, colours::cream);
    group->setToolTipDuration(0);
    Builder inGroup(group);
    const bool wide = n >= 10;
    inGroup.label("", QRect(8, 8, wide ? 37 : 26, 24), QString("A%1").arg(n), // Latin A
                  font("Times New Roman", 21, true), colours::teal);
    inGroup.label("", QRect(wide ? 54 : 48, 24, 66, 13), "1     2     3    4",
                  font("Times New Roman", 11, true),
                  QApplication::palette().color(QPalette::WindowText));
    for (int k = 1; k <= 4; ++k) {
        auto* radio = new QRadioButton(group);
        radio->setObjectName(optionName(n, k));
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
    verdictLabel(b, QString("otv_a%1").arg(n), group->pos() + offset, width);
}

void part2Block(Builder& b, QWidget* page, const TaskContent& task, int top,
                const std::function<void(int)>& answerChanged) {
    const int n = taskNumber(task.id);
    numberDisc(b, task.id, top, part2NumberLabel(n));

    const QPoint box(623, top);
    b.shape("", QRect(box, QSize(345, 33)), Shape::Kind::Rectangle, tooltip(), colours::olive);
    b.label(part2BoxLabel(n), QRect(box + QPoint(8, 6), QSize(23, 22)), task.id,
            font("Times New Roman", 19, true), colours::teal, tooltip());

    auto* field = new QLineEdit(page);
    field->setObjectName(QString("otv_b%1").arg(n));
    const bool narrow = n == 1 || n == 2 || n == 4 || n == 6;
    field->setGeometry(QRect(box + QPoint(narrow ? 33 : 37, 3), QSize(297, 27)));
    field->setFont(font("Times New Roman", 16));
    setColour(field, QPalette::Text, colours::navy);
    field->setMaxLength(INT_MAX); // no length limit of the program's own
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [answerChanged, n] { answerChanged(n); });

    // The verdict's offset from the answer box's corner.
    const int below = n == 1 ? 33 : n == 7 ? 43 : n == 6 ? 46 : 36;
    QPoint offset(n == 4 ? 0 : 8, 3 + below);
    if (task.verdictOffset)
        offset = *task.verdictOffset;
    verdictLabel(b, QString("otv_bb%1").arg(n), box + offset, 114);
}

void part3Block(Builder& b, const TaskContent& task, int top) {
    numberDisc(b, task.id, top, QString("LC%1").arg(taskNumber(task.id)));
}

// Tops of `count` blocks spread evenly over [from, to).
std::vector<int> spread(int from, int to, int count) {
    std::vector<int> tops;
    for (int i = 0; i < count; ++i)
        tops.push_back(from + (to - from) * i / count);
    return tops;
}

} // namespace

PageArea* buildPage(QWidget* window, const PageSpec& spec, const PaperContent& content,
                    const std::function<void(int)>& answerChanged) {
    auto* area = new PageArea(window);
    area->setGeometry(spec.left, 38, spec.width, 630);

    auto* page = new QWidget;
    page->setObjectName("page");
    page->setFont(font("Times New Roman", 11));
    page->setAutoFillBackground(true);
    setColour(page, QPalette::Window, colours::cream);
    Builder b(page);

    auto* heading = new TextField(TextField::Border::None, page);
    heading->setObjectName("Memo6");
    heading->setGeometry(QRect(spec.heading, QSize(239, 33)));
    heading->setFont(font("Century Schoolbook", 27, true));
    setColour(heading, QPalette::Text, colours::teal);
    setColour(heading, QPalette::Base, colours::cream);
    heading->setLineWrapMode(QPlainTextEdit::NoWrap);
    heading->setPlainText(QString::fromUtf8(spec.headingText));
    heading->setFocusPolicy(Qt::StrongFocus);
    if (spec.variantText)
        b.label("Label64", QRect(443, 48, 137, 28), QString::fromUtf8(spec.variantText),
                font("Century Schoolbook", 24, true, true), colours::teal);

    partHeading(b, "Label1", QRect(464, 82, 93, 30), "Часть I");
    instructionBox(b, "Shape1", {160, 128}, "Label2", {24, 14},
                   "При выполнении задания этой части отметьте  номер, который соответствует "
                   "номеру выбранного вами ответа ");
    partHeading(b, "Label4", QRect(443, spec.part2Y, 104, 30), "Часть II");
    instructionBox(b, "Shape31", {160, spec.part2Y + 46}, "Label110", {20, 14},
                   "При выполнении задания этой части впишите в графу ответа набор символов "
                   "без  пробелов");
    partHeading(b, "Label127", QRect(416, spec.part3Y, 115, 30), "Часть III");
    instructionBox(b, "Shape56", {160, spec.part3Y + 58}, "Label128", {12, 16},
                   "Задания третьей части выполняются в тетради и не проверяются программой.  ");

    // Each part's blocks fill the space between its instruction box and
    // the next part's heading (the page end for Part 3).
    const auto part1 = spread(128 + 81 + 23, spec.part2Y - 24, 20);
    const auto part2 = spread(spec.part2Y + 46 + 81 + 23, spec.part3Y - 24, 8);
    const auto part3 = spread(spec.part3Y + 58 + 81 + 23, spec.height - 24, 4);
    for (int i = 0; i < 20; ++i)
        part1Block(b, page, content.tasks[i], part1[i]);
    for (int i = 0; i < 8; ++i)
        part2Block(b, page, content.tasks[20 + i], part2[i], answerChanged);
    for (int i = 0; i < 4; ++i)
        part3Block(b, content.tasks[28 + i], part3[i]);

    // Controls that take input lie above everything painted on the page.
    for (QObject* child : page->children())
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLineEdit*>(child) ||
            qobject_cast<QPlainTextEdit*>(child))
            static_cast<QWidget*>(child)->raise();

    page->resize(spec.width - 2 * area->frameWidth() -
                     area->verticalScrollBar()->sizeHint().width(),
                 spec.height);
    area->setWidget(page);
    return area;
}

} // namespace zut
