// SPDX-License-Identifier: GPL-3.0-or-later
// The controls the block anatomy lays around a task's content: the number
// disc, an А task's answer group and a B task's answer box, each with its
// verdict label. Each returns the rectangle it takes on the page, from the
// block's top `top`.
#pragma once

#include "anatomy.h"
#include "builder.h"
#include "pagebuilder.h"

#include <QRadioButton>

#include <functional>

namespace zut {

QRect numberDisc(Builder& b, const BlockAnatomy& a, const QString& id, int top);
// The group and the verdict label under it, as wide as the group.
QRect answerGroup(Builder& b, const BlockAnatomy& a, const TaskContent& task, int top);
// The box and the verdict label under it, as wide as the box.
QRect answerBox(Builder& b, const BlockAnatomy& a, const TaskContent& task, int top,
                const std::function<void(int)>& answerChanged);

// An option of an А task. The arrow keys choose another option of the
// same task, the focus going with the choice: Left and Up the one before,
// Right and Down the one after, round the four.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace zut
