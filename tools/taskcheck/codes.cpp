// SPDX-License-Identifier: GPL-3.0-or-later
#include "codes.h"

#include "error.h"

#include <algorithm>

namespace zut::check {

namespace {

void requireCodes(const std::map<QChar, QString>& codes) {
    if (codes.empty())
        throw CheckError(QStringLiteral("the code table is empty"));
    for (const auto& [letter, code] : codes)
        if (code.isEmpty())
            throw CheckError(QStringLiteral("the code of '%1' is empty").arg(letter));
}

} // namespace

QString encode(const QString& message, const std::map<QChar, QString>& codes) {
    requireCodes(codes);
    QString out;
    for (qsizetype k = 0; k < message.size(); ++k) {
        const auto it = codes.find(message[k]);
        if (it == codes.end())
            throw CheckError(QStringLiteral("'%1' (character %2 of '%3') has no code")
                                 .arg(message[k])
                                 .arg(k + 1)
                                 .arg(message));
        out += it->second;
    }
    return out;
}

QStringList decodings(const QString& text, const std::map<QChar, QString>& codes, int limit) {
    requireCodes(codes);
    // ways[k]: the readings of text from position k to its end.
    std::vector<QStringList> ways(text.size() + 1);
    ways[text.size()] = QStringList{QString()};
    for (qsizetype k = text.size() - 1; k >= 0; --k) {
        for (const auto& [letter, code] : codes) {
            if (QStringView(text).mid(k).startsWith(code)) {
                for (const QString& rest : ways[k + code.size()]) {
                    ways[k].append(letter + rest);
                    if (ways[k].size() > limit)
                        throw CheckError(
                            QStringLiteral("'%1' has more than %2 readings").arg(text).arg(limit));
                }
            }
        }
    }
    QStringList all = ways[0];
    std::sort(all.begin(), all.end());
    return all;
}

bool isPrefixCode(const std::map<QChar, QString>& codes) {
    requireCodes(codes);
    for (const auto& [a, ca] : codes)
        for (const auto& [b, cb] : codes)
            if (a != b && cb.startsWith(ca))
                return false;
    return true;
}

} // namespace zut::check
