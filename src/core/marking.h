// SPDX-License-Identifier: GPL-3.0-or-later
// Marking a paper: a pure function of the chosen options, the answer slots
// and the key. The window only reads its controls into it and writes the
// outcome back.
#pragma once

#include "answerkey.h"

#include <QString>

#include <array>

namespace zut {

inline constexpr int part1Tasks = 20;
inline constexpr int part2Tasks = 8;
inline constexpr int markedTasks = part1Tasks + part2Tasks;

struct Marking {
    // А1 … А20, then B1 … B8.
    std::array<bool, markedTasks> correct{};
    int count = 0;
    QString result; // for the result label
    QString grade;  // for the grade label
};

// `chosen` holds the chosen option of each Part 1 task, 0 where none is.
// Part 2 answers match a key string only when equal character for
// character: nothing is trimmed, no letter case or look-alike is forgiven.
Marking mark(const std::array<int, part1Tasks>& chosen,
             const std::array<QString, part2Tasks>& answers, const AnswerKey& key);

QString resultText(int count);
QString gradeText(int count);

inline const QString verdictCorrect = QStringLiteral("Правильно");
inline const QString verdictWrong = QStringLiteral("Неправильно");

} // namespace zut
