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
        const auto blanks = qsizetype(std::ceil(QFontMetricsF(own).horizontalAdvance(value) /
                                                label.horizontalAdvance(' '))) +
                            1;
        marks.push_back({text.size(), blanks, value, m.captured(1) == "^", pixels});
        text += QString(blanks, ' ');
        from = m.capturedEnd();
    }
    return text + written.mid(from);
}

QFont textFont(const Element& e) {
    return font("Times New Roman", e.pixels, e.bold, e.italic);
}

} // namespace

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
    const int w = e.width ? e.width : std::min(width, programsWidth);
    Element heading;
    heading.frame = QSize(w, e.headingHeight);
    heading.columnRules = {w / 3, 2 * w / 3};
    if (e.items.size() == 3) {
        for (int i = 0; i < 3; ++i)
            heading.cells.push_back({QPoint(i * w / 3 + 2, (e.headingHeight - headingLine) / 2),
                                     e.items[i], w / 3 - 4, true, true});
    } else {
        heading.cells.push_back(
            {QPoint(6, (e.headingHeight - headingLine) / 2), e.text, 0, true, false});
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
        x = r.right() + 1 + rowGap;
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

} // namespace zut
