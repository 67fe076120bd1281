// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the page's controls: one place for all eight
// papers, from the task's id and its content.
#pragma once

#include <QString>

namespace zut::spoken {

QString task(const QString& id);              // "Задание А7"
QString option(const QString& id, int k);     // "Задание А7, ответ 3"
QString answerField(const QString& id);       // "Ответ к заданию B2"
QString verdict(const QString& id);           // the verdict label's description
QString withoutMarks(const QString& written); // a content text as it is read out
extern const char* const keys;                // how the keyboard reaches the tasks

} // namespace zut::spoken
