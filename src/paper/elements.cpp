// SPDX-License-Identifier: GPL-3.0-or-later
#include "elements.h"

#include "spoken.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace zut {

namespace {

constexpr int programsWidth = 500; // a programs element's width where the content sets none
constexpr int headingLine = 19;    // a heading row's line of text, centred in the row
constexpr int rowGap = 12;         // between the elements of a row

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
        // One blank more keeps the label off a word or sign that follows it
        // at once ("2{^10}-1"); where a blank follows anyway, that blank does.
        const bool spaced = m.capturedEnd() < written.size() && written[m.capturedEnd()].isSpace();
        const auto blanks = qsizetype(std::ceil(QFontMetricsF(own).horizontalAdvance(value) /
                                                label.horizontalAdvance(' '))) +
                            (spaced ? 0 : 1);
        marks.push_back({text.size(), blanks, value, m.captured(1) == "^", pixels});
        text += QString(blanks, ' ');
        from = m.capturedEnd();
    }
    return text + written.mid(from);
}

QFont textFont(const Lettering& l) {
    return font("Times New Roman", l.pixels, l.bold, l.italic);
}

// The longest field of a row of listings or programs: they stand alike in
// height.
int tallest(const std::vector<FieldElement>& columns) {
    int lines = 0;
    for (const FieldElement& c : columns)
        lines = std::max(lines, c.lines);
    return lines;
}

} // namespace

QRect ElementLayout::text(const Lettering& lettering, QPoint at, int width,
                          const QString& written) {
    const QFont f = textFont(lettering);
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

QRect ElementLayout::field(const FieldLook& look, QRect at, const QString& text,
                           const QString& part, const QString& what) {
    auto* f =
        new TextField(look.border ? TextField::Border::Flat : TextField::Border::None, b_.parent());
    f->setObjectName(look.name);
    f->setProperty("task", task_); // where Ctrl+Tab goes on from it
    // A second text of the same task is told from the first by its number.
    const int number = part.isEmpty() ? ++texts_ : 0;
    const QString own = !part.isEmpty() ? ", " + part
                        : number > 1    ? QString(", текст %1").arg(number)
                                        : QString();
    f->setAccessibleName(spoken::task(task_) + own);
    f->setAccessibleDescription(what + ", только для чтения");
    f->setFont(textFont(look.lettering));
    f->setReadOnly(true);
    f->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Read-only fields are passed over by Tab, but for the two that the
    // papers' tab order takes in.
    f->setFocusPolicy(look.name == "Memo13" || look.name == "Memo14" ? Qt::StrongFocus
                                                                     : Qt::ClickFocus);
    f->setLineWrapMode(QPlainTextEdit::NoWrap);
    setColour(f, QPalette::Base, colours::cream);
    f->setPlainText(text);
    // The field sets its lines a whole pixel apart, rounding the font's
    // fractional line spacing up (19 px for 16 px Times New Roman).
    const int lineHeight = int(std::ceil(QFontMetricsF(f->font()).lineSpacing()));
    const int frame = 2 * (f->frameWidth() + int(f->document()->documentMargin()));
    const QRect r(at.topLeft(), QSize(at.width(), at.height() * lineHeight + frame + 2));
    f->setGeometry(r);
    f->setProperty("lines", look.own);
    return r;
}

QRect ElementLayout::table(const TableElement& e, QPoint at) {
    const QRect frame(at, e.frame);
    b_.shape("", frame, Shape::Kind::Rectangle, colours::cream, Qt::black);
    for (int x : e.columnRules)
        b_.shape("", QRect(at + QPoint(x, 0), QSize(1, e.frame.height())), Shape::Kind::Rectangle,
                 Qt::black, Qt::black);
    for (int y : e.rowRules)
        b_.shape("", QRect(at + QPoint(0, y), QSize(e.frame.width(), 1)), Shape::Kind::Rectangle,
                 Qt::black, Qt::black);
    for (const TableElement::Cell& c : e.cells) {
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
std::pair<QRect, QString> ElementLayout::lay(const ProgramsElement& e, QPoint at, int width) {
    const int w = width;
    TableElement heading;
    heading.frame = QSize(w, e.headingHeight);
    heading.columnRules = {w / 3, 2 * w / 3};
    if (e.headings.size() == 3) {
        for (int i = 0; i < 3; ++i)
            heading.cells.push_back({QPoint(i * w / 3 + 2, (e.headingHeight - headingLine) / 2),
                                     e.headings[i], w / 3 - 4, true, true});
    } else {
        heading.cells.push_back(
            {QPoint(6, (e.headingHeight - headingLine) / 2), e.heading, 0, true, false});
    }
    table(heading, at);
    const int lines = tallest(e.columns);
    // The languages as the heading row names them.
    QStringList languages = e.headings;
    if (languages.size() != 3)
        languages = e.heading.split(QRegularExpression(R"(\s{2,})"), Qt::SkipEmptyParts);
    int bottom = at.y() + e.headingHeight - 1;
    for (int i = 0; i < 3; ++i) {
        const FieldElement& c = e.columns[size_t(i)];
        const QRect place(at + QPoint(i * w / 3, e.headingHeight + 2),
                          QSize(w / 3 - (i < 2 ? 4 : 0), lines));
        const QString language =
            languages.size() == 3 ? spoken::withoutMarks(languages[i]) : QString::number(i + 1);
        bottom = std::max(bottom, field(lookOf(c), place, c.text,
                                        language, "Фрагмент программы")
                                      .bottom());
    }
    return {QRect(at, QPoint(at.x() + w - 1, bottom)), "programs"};
}

// С1: listings side by side under their column headings.
std::pair<QRect, QString> ElementLayout::lay(const ListingsElement& e, QPoint at, int width) {
    const int w = width;
    const int n = int(e.columns.size());
    TableElement heading;
    heading.frame = QSize(w, e.headingHeight);
    for (int i = 1; i < n; ++i)
        heading.columnRules.push_back(i * w / n);
    for (int i = 0; i < n; ++i) {
        const int given = e.headingWidths.empty() ? 0 : e.headingWidths[size_t(i)];
        const int headingWidth = given > 0 ? given : w / n - 8;
        heading.cells.push_back({QPoint(i * w / n + (w / n - headingWidth) / 2, 2), e.headings[i],
                                 headingWidth, true, true});
    }
    int bottom = table(heading, at).bottom();
    const int lines = tallest(e.columns);
    for (int i = 0; i < n; ++i) {
        const FieldElement& c = e.columns[size_t(i)];
        const QRect place(at + QPoint(i * w / n, e.headingHeight + 2),
                          QSize(w / n - (i < n - 1 ? 4 : 0), lines));
        bottom = std::max(bottom, field(lookOf(c), place, c.text,
                                        spoken::withoutMarks(e.headings[i]), "Программа")
                                      .bottom());
    }
    return {QRect(at, QPoint(at.x() + w - 1, bottom)), "listings"};
}

// Its elements are recorded each; the row itself is not (an empty name).
std::pair<QRect, QString> ElementLayout::lay(const RowElement& e, QPoint at, int width) {
    QRect all(at, QSize(0, 0));
    int x = at.x();
    for (const Element& c : e.children) {
        const QRect r = lay(c, QPoint(x + c.indent, at.y() + c.gap), width - (x - at.x()));
        all = all.united(r);
        x = r.right() + 1 + rowGap;
    }
    return {all, {}};
}

std::pair<QRect, QString> ElementLayout::lay(const TextElement& e, QPoint at, int width) {
    return {text(e.lettering, at, width, e.text), "text"};
}

std::pair<QRect, QString> ElementLayout::lay(const AnswersElement& e, QPoint at, int width) {
    QStringList numbered;
    for (int i = 0; i < 4; ++i)
        numbered << QString("%1) %2").arg(i + 1).arg(e.options[i]);
    if (e.arrange == AnswersElement::Arrange::Field)
        return {field({e.name, e.lettering, e.border, e.lines}, QRect(at, QSize(width, e.lines)),
                      numbered.join('\n'), "ответы", "Ответы к заданию"),
                "field " + e.name};
    const QString sep = e.arrange == AnswersElement::Arrange::Stack ? "\n" : "      ";
    return {text(e.lettering, at, width, numbered.join(sep)), "answers"};
}

std::pair<QRect, QString> ElementLayout::lay(const FieldElement& e, QPoint at, int width) {
    return {
        field(lookOf(e), QRect(at, QSize(width, e.lines)), e.text),
        "field " + e.name};
}

std::pair<QRect, QString> ElementLayout::lay(const PictureElement& e, QPoint at, int) {
    auto* p = new Picture(QString(":/pictures/%1").arg(e.file), e.fit, b_.parent());
    p->setObjectName(e.file);
    const QRect r(at, e.sizeToPicture ? p->ownSize() : e.rect);
    p->setGeometry(r);
    return {r, "picture " + e.file};
}

std::pair<QRect, QString> ElementLayout::lay(const TableElement& e, QPoint at, int) {
    return {table(e, at), "table"};
}

std::pair<QRect, QString> ElementLayout::lay(const RuleElement&, QPoint at, int width) {
    const QRect r(at, QSize(width, 1));
    b_.shape("", r, Shape::Kind::Rectangle, Qt::black, Qt::black);
    return {r, "rule"};
}

QRect ElementLayout::lay(const Element& e, QPoint at, int width) {
    // An element's own width, where it gives one, else its column's; a
    // programs element stands no wider than programsWidth unless it says so.
    const int own = e.width                            ? e.width
                    : as<ProgramsElement>(e) != nullptr ? std::min(width, programsWidth)
                                                        : width;
    const auto [r, what] = std::visit([&](const auto& body) { return lay(body, at, own); }, e.body);
    if (!what.isEmpty())
        record(what, r);
    return r;
}

} // namespace zut
