// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken.h"

#include "builder.h" // labelText()

#include <QRegularExpression>

namespace zut::spoken {

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

} // namespace zut::spoken
