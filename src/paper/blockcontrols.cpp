// SPDX-License-Identifier: GPL-3.0-or-later
#include "blockcontrols.h"

#include "spoken.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <climits>

namespace zut {

namespace {

// Where the anatomy's controls stand alike in every block.
constexpr int discLeft = 48;              // the number disc's left edge on the page
constexpr QRect groupAt{824, 0, 147, 40}; // an answer group, from its block's top
constexpr QRect boxAt{623, 0, 345, 33};   // an answer box, from its block's top
constexpr QRect boxLabelAt{8, 6, 23, 22}; // the box's own label, from the box's corner
constexpr int fieldTop = 3;               // the answer field, from the box's top
constexpr QSize fieldSize{297, 27};
constexpr int verdictHeight = 19;

// A verdict label is read out as its text, "Правильно" or "Неправильно".
QLabel* verdictLabel(Builder& b, const Verdict& v, const TaskContent& task, QPoint corner) {
    const QPoint at = corner + task.verdictOffset.value_or(v.at);
    QLabel* l = b.label(v.name, QRect(at, QSize(v.width, verdictHeight)), QString(),
                        font("Times New Roman", 16, true, true), windowText());
    l->setAccessibleDescription(spoken::verdict(task.id));
    return l;
}

// The four answers of an А task as its content writes them, or none
// where they stand in a picture.
QStringList answerTexts(const TaskContent& task) {
    const auto answers = allOf<AnswersElement>(task.elements);
    return answers.empty() ? QStringList() : answers.front()->options;
}

} // namespace

QRect numberDisc(Builder& b, const BlockAnatomy& a, const QString& id, int top) {
    const QRect disc(discLeft, top, a.disc.diameter, a.disc.diameter);
    b.shape("", disc, Shape::Kind::Ellipse, tooltip(), colours::activeBorder);
    b.label(a.numberLabel, a.disc.label.translated(disc.topLeft()), id,
            font("Times New Roman", a.disc.pixels, true), colours::teal, tooltip());
    return disc;
}

QRect answerGroup(Builder& b, const BlockAnatomy& a, const TaskContent& task, int top) {
    const AnswerGroup& anatomy = *a.group;
    const int n = taskNumber(task.id);
    auto* group = new QGroupBox(b.parent());
    group->setObjectName(anatomy.name);
    group->setGeometry(groupAt.translated(0, top));
    group->setFont(font("Tahoma", 11));
    group->setAutoFillBackground(true);
    setColour(group, QPalette::Window, colours::cream);
    group->setToolTipDuration(0);
    group->setAccessibleName(spoken::task(task.id));
    group->setAccessibleDescription(QString("Один ответ из четырёх. ") + spoken::keys);
    Builder inGroup(group);
    inGroup.label("", QRect(8, 8, anatomy.layout.letterWidth, 24), QString("A%1").arg(n), // Latin A
                  font("Times New Roman", 21, true), colours::teal);
    inGroup.label("", QRect(anatomy.layout.digitsLeft, 24, 66, 13), "1     2     3    4",
                  font("Times New Roman", 11, true), windowText());
    const QStringList answers = answerTexts(task);
    for (int k = 1; k <= 4; ++k) {
        auto* radio = new OptionButton(group);
        radio->setObjectName(anatomy.options[size_t(k - 1)]);
        radio->setAccessibleName(spoken::option(task.id, k));
        // The answer itself, where the task gives it as text.
        radio->setAccessibleDescription(answers.size() == 4 ? spoken::withoutMarks(answers[k - 1])
                                                            : QString("Ответ %1 из 4").arg(k));
        radio->setGeometry(anatomy.layout.optionLefts[size_t(k - 1)], 10, k == 1 ? 15 : 17, 17);
        // Until one of its buttons is chosen a task is passed over by Tab;
        // then Tab stops at the chosen one.
        radio->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(radio, &QRadioButton::toggled, radio, [radio](bool on) {
            radio->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    const int bottom = verdictLabel(b, anatomy.verdict, task, group->pos())->geometry().bottom();
    return QRect(group->pos(), QPoint(group->geometry().right(), bottom));
}

QRect answerBox(Builder& b, const BlockAnatomy& a, const TaskContent& task, int top,
                const std::function<void(int)>& answerChanged) {
    const AnswerBox& anatomy = *a.box;
    const int n = taskNumber(task.id);
    const QRect box = boxAt.translated(0, top);
    b.shape("", box, Shape::Kind::Rectangle, tooltip(), colours::olive);
    b.label(anatomy.label, boxLabelAt.translated(box.topLeft()), task.id,
            font("Times New Roman", 19, true), colours::teal, tooltip());

    auto* field = new QLineEdit(b.parent());
    field->setObjectName(anatomy.field);
    field->setGeometry(QRect(box.topLeft() + QPoint(anatomy.fieldLeft, fieldTop), fieldSize));
    field->setFont(font("Times New Roman", 16));
    setColour(field, QPalette::Text, colours::navy);
    field->setMaxLength(INT_MAX); // no length limit of the program's own
    field->setAccessibleName(spoken::answerField(task.id));
    field->setAccessibleDescription("Краткий ответ: набор символов без пробелов");
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [answerChanged, n] { answerChanged(n); });

    const int bottom = verdictLabel(b, anatomy.verdict, task, box.topLeft())->geometry().bottom();
    return QRect(box.topLeft(), QPoint(box.right(), bottom));
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

} // namespace zut
