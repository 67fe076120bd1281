// SPDX-License-Identifier: GPL-3.0-or-later
#include "marking.h"

namespace zut {

QString resultText(int count) {
    return QStringLiteral("Из 28 вопросов правильных - ") + QString::number(count) +
           QStringLiteral(" (без учета части 3)");
}

QString gradeText(int count) {
    if (count >= 25)
        return QStringLiteral("5 (отлично)");
    if (count >= 21)
        return QStringLiteral("4 (хорошо)");
    if (count >= 17)
        return QStringLiteral("3 (удовлетворительно)");
    return QStringLiteral("2 (очень плохо)");
}

Marking mark(const std::array<int, part1Tasks>& chosen,
             const std::array<QString, part2Tasks>& answers, const AnswerKey& key) {
    Marking m;
    for (int n = 0; n < part1Tasks; ++n)
        m.correct[n] = chosen[n] == key.part1[n];
    for (int n = 0; n < part2Tasks; ++n) {
        bool ok = false;
        for (const char16_t* accepted : key.part2[n])
            ok = ok || (accepted && answers[n] == QString::fromUtf16(accepted));
        m.correct[part1Tasks + n] = ok;
    }
    for (bool c : m.correct)
        m.count += c;
    m.result = resultText(m.count);
    m.grade = gradeText(m.count);
    return m;
}

} // namespace zut
