// SPDX-License-Identifier: GPL-3.0-or-later
#include "givens.h"

#include "content.h"

#include <QRegularExpression>
#include <QStringList>

#include <map>
#include <set>

namespace zut {

namespace {

QVariant value(const YAML::Node& n) {
    if (n.IsSequence()) {
        QStringList items;
        for (const auto& e : n)
            items << QString::fromStdString(e.IsScalar() ? e.Scalar() : std::string());
        return items;
    }
    return n.IsScalar() ? QVariant(QString::fromStdString(n.Scalar())) : QVariant();
}

QString grouped(const QString& number) {
    bool ok = false;
    const qint64 v = number.toLongLong(&ok);
    if (!ok)
        throw ContentError("\"" + number.toStdString() + "\" is not a whole number to group");
    QString digits = QString::number(v < 0 ? -v : v);
    // A no-break space between the groups: a number is never torn across
    // two lines.
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return v < 0 ? QChar(0x2212) + digits : digits;
}

QString based(const QString& written) {
    static const QRegularExpression number(R"(\b([0-9A-Z]+)_(\d+)\b)");
    if (!number.match(written).hasMatch())
        throw ContentError("\"" + written.toStdString() + "\" holds no digits_base");
    return QString(written).replace(number, "\\1{_\\2}");
}

// The labels' signs: "&" doubled (a single one is a mnemonic in a label),
// the disjunction written as the slashes the paper's explanations show.
QString formula(QString f) {
    f.replace(QChar(0x2227), "&&");  // ∧
    f.replace(QChar(0x2228), "\\/"); // ∨
    f.replace(QChar(0x2192), "–>");  // →
    return f;
}

QString listed(const QVariant& v, bool withAnd) {
    const QStringList items = v.toStringList();
    if (items.isEmpty())
        throw ContentError("an empty list");
    if (!withAnd || items.size() == 1)
        return items.join(", ");
    return items.mid(0, items.size() - 1).join(", ") + " и " + items.last();
}

const QRegularExpression& placeholder() {
    static const QRegularExpression p(
        R"(\{=([A-Za-z][A-Za-z0-9_]*)(?:\.([1-9][0-9]*))?(?::([a-z]+))?\})");
    return p;
}

// Fills the placeholders of one task; `shown` collects the givens its
// elements show.
class Filler {
public:
    Filler(const std::map<QString, QVariant>& givens, const std::string& where)
        : givens_(givens)
        , where_(where) {}

    // Fills every scalar under `n`; `counts` says whether what it shows
    // counts as shown (the worked solution's does not).
    void fill(YAML::Node n, bool counts) {
        if (n.IsScalar()) {
            const QString before = QString::fromStdString(n.Scalar());
            const QString after = filled(before, counts);
            if (after != before)
                n = after.toStdString();
        } else if (n.IsSequence()) {
            for (auto e : n)
                fill(e, counts);
        } else if (n.IsMap()) {
            for (auto kv : n) {
                // A picture is drawn from its data as it stands: no placeholder there.
                if (kv.first.Scalar() == "draw")
                    refuseIn(kv.second);
                else
                    fill(kv.second, counts);
            }
        }
    }

    const std::set<QString>& shown() const { return shown_; }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ContentError(where_ + ": " + what);
    }

    QString filled(const QString& text, bool counts) {
        QString out;
        qsizetype last = 0;
        for (const auto& m : placeholder().globalMatch(text)) {
            out += text.mid(last, m.capturedStart() - last);
            const QString name = m.captured(1);
            const auto g = givens_.find(name);
            if (g == givens_.end())
                fail("placeholder {=" + name.toStdString() + "} has no given");
            try {
                QVariant v = g->second;
                if (!m.captured(2).isEmpty()) { // one item of a list, from 1
                    const QStringList items = v.toStringList();
                    const qsizetype i = m.captured(2).toLongLong() - 1;
                    if (v.typeId() != QMetaType::QStringList || i >= items.size())
                        throw ContentError("no such item");
                    v = items[i];
                }
                out += formatGiven(v, m.captured(3));
            } catch (const ContentError& e) {
                fail("placeholder " + m.captured().toStdString() + ": " + e.what());
            }
            if (counts)
                shown_.insert(name);
            last = m.capturedEnd();
        }
        out += text.mid(last);
        if (out.contains("{="))
            fail("a malformed placeholder in \"" + text.toStdString() + "\"");
        return out;
    }

    void refuseIn(const YAML::Node& n) const {
        if (n.IsScalar() && QString::fromStdString(n.Scalar()).contains("{="))
            fail("a placeholder in a picture's data, which is drawn as it stands");
        if (n.IsSequence())
            for (const auto& e : n)
                refuseIn(e);
        if (n.IsMap())
            for (const auto& kv : n)
                refuseIn(kv.second);
    }

    const std::map<QString, QVariant>& givens_;
    const std::string where_;
    std::set<QString> shown_;
};

} // namespace

QString formatGiven(const QVariant& value, const QString& format) {
    if (format.isEmpty()) {
        if (value.typeId() == QMetaType::QStringList)
            throw ContentError("a list needs the format list or and");
        return value.toString();
    }
    if (format == "grouped")
        return grouped(value.toString());
    if (format == "based")
        return based(value.toString());
    if (format == "formula")
        return formula(value.toString());
    if (format == "list" || format == "and")
        return listed(value, format == "and");
    if (format == "letters") { // "ABE" → "A, B, E"
        QStringList letters;
        for (QChar c : value.toString())
            letters << QString(c);
        return letters.join(", ");
    }
    throw ContentError("unknown format \"" + format.toStdString() + "\"");
}

void fillGivens(YAML::Node root, const std::string& where) {
    if (!root.IsMap() || !root["tasks"] || !root["tasks"].IsSequence())
        return; // the content reader says what is wrong
    for (auto task : root["tasks"]) {
        if (!task.IsMap())
            continue;
        const std::string id = task["task"] ? task["task"].Scalar() : "?";
        const std::string here = where + ", task " + id;
        std::map<QString, QVariant> givens;
        if (const YAML::Node g = task["givens"]) {
            if (!g.IsMap())
                throw ContentError(here + ": givens must be a mapping of names to values");
            for (const auto& kv : g) {
                const QVariant v = value(kv.second);
                if (!v.isValid())
                    throw ContentError(here + ": given " + kv.first.Scalar() +
                                       " is neither a value nor a list of values");
                givens[QString::fromStdString(kv.first.Scalar())] = v;
            }
        }
        Filler filler(givens, here);
        if (task["elements"])
            filler.fill(task["elements"], true);
        if (task["solution"])
            filler.fill(task["solution"], false);
        for (const auto& [name, v] : givens)
            if (!filler.shown().contains(name))
                throw ContentError(here + ": given " + name.toStdString() +
                                   " is shown by no element");
    }
}

} // namespace zut
