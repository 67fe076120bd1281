// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpret.h"

#include "error.h"
#include "interpret_algo.h"
#include "interpret_basic.h"
#include "interpret_c.h"
#include "interpret_pascal.h"

#include <cmath>
#include <set>

namespace zut::check {

Value Value::ofInteger(qint64 v) {
    Value x;
    x.type = Type::Integer;
    x.integer = v;
    return x;
}

Value Value::ofReal(double v) {
    Value x;
    x.type = Type::Real;
    x.real = v;
    return x;
}

Value Value::ofBoolean(bool v) {
    Value x;
    x.type = Type::Boolean;
    x.boolean = v;
    return x;
}

Value Value::ofText(const QString& v) {
    Value x;
    x.type = Type::Text;
    x.text = v;
    return x;
}

double Value::number() const {
    return type == Type::Integer ? double(integer) : real;
}

QString Value::toString() const {
    switch (type) {
    case Type::Integer:
        return QString::number(integer);
    case Type::Real:
        if (real == std::floor(real) && std::fabs(real) < 1e15)
            return QString::number(qint64(real));
        return QString::number(real, 'g', 15);
    case Type::Boolean:
        return boolean ? QStringLiteral("true") : QStringLiteral("false");
    case Type::Text:
        return text;
    }
    return {};
}

bool sameValue(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) {
        if (a.type == Value::Type::Integer && b.type == Value::Type::Integer)
            return a.integer == b.integer;
        return std::fabs(a.number() - b.number()) <= 1e-9 * std::max(1.0, std::fabs(a.number()));
    }
    if (a.type != b.type)
        return false;
    return a.type == Value::Type::Boolean ? a.boolean == b.boolean : a.text == b.text;
}

namespace {

qint64 wholeOf(const Value& v, const QString& what) {
    if (v.type == Value::Type::Integer)
        return v.integer;
    if (v.type == Value::Type::Real && v.real == std::floor(v.real) && std::fabs(v.real) < 9e15)
        return qint64(v.real);
    throw CheckError(QStringLiteral("%1 is %2, not a whole number").arg(what, v.toString()));
}

const ArrayValue& arrayOf(const RunResult& r, const QString& name) {
    const auto it = r.arrays.find(name);
    if (it == r.arrays.end())
        throw CheckError(QStringLiteral("the run left no array %1").arg(name));
    return it->second;
}

} // namespace

qint64 RunResult::integer(const QString& name) const {
    const auto it = variables.find(name);
    if (it == variables.end())
        throw CheckError(QStringLiteral("the run left %1 without a value").arg(name));
    return wholeOf(it->second, name);
}

qint64 RunResult::element(const QString& array, qint64 index) const {
    const ArrayValue& a = arrayOf(*this, array);
    const auto it = a.elements.find(index);
    if (it == a.elements.end())
        throw CheckError(
            QStringLiteral("the run left %1[%2] without a value").arg(array).arg(index));
    return wholeOf(it->second, QStringLiteral("%1[%2]").arg(array).arg(index));
}

std::vector<qint64> RunResult::elements(const QString& array, qint64 from, qint64 to) const {
    std::vector<qint64> out;
    for (qint64 k = from; k <= to; ++k)
        out.push_back(element(array, k));
    return out;
}

QString languageName(Language language) {
    switch (language) {
    case Language::Pascal:
        return QStringLiteral("Pascal");
    case Language::Basic:
        return QStringLiteral("Basic");
    case Language::Algorithmic:
        return QStringLiteral("algorithmic language");
    case Language::C:
        return QStringLiteral("C");
    }
    return {};
}

RunResult run(Language language, const QString& source, const RunOptions& options) {
    switch (language) {
    case Language::Pascal:
        return runPascal(source, options);
    case Language::Basic:
        return runBasic(source, options);
    case Language::Algorithmic:
        return runAlgorithmic(source, options);
    case Language::C:
        return runC(source, options);
    }
    throw CheckError(QStringLiteral("unknown language"));
}

Comparison runAll(const std::vector<std::pair<Language, QString>>& fragments,
                  const RunOptions& options) {
    Comparison c;
    if (fragments.empty())
        throw CheckError(QStringLiteral("no fragments to compare"));
    for (const auto& [lang, source] : fragments)
        c.results.push_back(run(lang, source, options));

    auto label = [&](size_t k) {
        return QStringLiteral("%1 (fragment %2)").arg(languageName(fragments[k].first)).arg(k + 1);
    };
    // Names without regard to case; the variables of counted loops left out.
    std::set<QString> loops;
    for (const RunResult& r : c.results)
        for (const QString& v : r.loopVariables)
            loops.insert(v.toLower());
    auto folded = [&](const RunResult& r) {
        std::map<QString, Value> m;
        for (const auto& [name, v] : r.variables)
            if (!loops.count(name.toLower()))
                m[name.toLower()] = v;
        return m;
    };
    auto foldedArrays = [&](const RunResult& r) {
        std::map<QString, ArrayValue> m;
        for (const auto& [name, v] : r.arrays)
            m[name.toLower()] = v;
        return m;
    };
    const auto base = folded(c.results[0]);
    const auto baseArrays = foldedArrays(c.results[0]);
    std::vector<Value> baseNumbers;
    for (const Value& v : c.results[0].printed)
        if (v.type != Value::Type::Text)
            baseNumbers.push_back(v);

    for (size_t k = 1; k < c.results.size(); ++k) {
        const auto other = folded(c.results[k]);
        for (const auto& [name, v] : base) {
            const auto it = other.find(name);
            if (it == other.end())
                c.differences << QStringLiteral("%1 is %2 in %3 but has no value in %4")
                                     .arg(name, v.toString(), label(0), label(k));
            else if (!sameValue(v, it->second))
                c.differences << QStringLiteral("%1 is %2 in %3 but %4 in %5")
                                     .arg(name, v.toString(), label(0), it->second.toString(),
                                          label(k));
        }
        for (const auto& [name, v] : other)
            if (!base.count(name))
                c.differences << QStringLiteral("%1 is %2 in %3 but has no value in %4")
                                     .arg(name, v.toString(), label(k), label(0));

        const auto arrays = foldedArrays(c.results[k]);
        std::set<QString> names;
        for (const auto& a : baseArrays)
            names.insert(a.first);
        for (const auto& a : arrays)
            names.insert(a.first);
        for (const QString& name : names) {
            const auto x = baseArrays.find(name), y = arrays.find(name);
            if (x == baseArrays.end() || y == arrays.end()) {
                c.differences << QStringLiteral("the array %1 is only in %2")
                                     .arg(name, x == baseArrays.end() ? label(k) : label(0));
                continue;
            }
            std::set<qint64> indices;
            for (const auto& e : x->second.elements)
                indices.insert(e.first);
            for (const auto& e : y->second.elements)
                indices.insert(e.first);
            for (qint64 i : indices) {
                const auto p = x->second.elements.find(i), q = y->second.elements.find(i);
                const QString pv = p == x->second.elements.end() ? QStringLiteral("no value")
                                                                 : p->second.toString();
                const QString qv = q == y->second.elements.end() ? QStringLiteral("no value")
                                                                 : q->second.toString();
                if (p == x->second.elements.end() || q == y->second.elements.end() ||
                    !sameValue(p->second, q->second))
                    c.differences << QStringLiteral("%1[%2] is %3 in %4 but %5 in %6")
                                         .arg(name)
                                         .arg(i)
                                         .arg(pv, label(0), qv, label(k));
            }
        }

        std::vector<Value> numbers;
        for (const Value& v : c.results[k].printed)
            if (v.type != Value::Type::Text)
                numbers.push_back(v);
        bool same = numbers.size() == baseNumbers.size();
        for (size_t i = 0; same && i < numbers.size(); ++i)
            same = sameValue(numbers[i], baseNumbers[i]);
        if (!same) {
            QStringList a, b;
            for (const Value& v : baseNumbers)
                a << v.toString();
            for (const Value& v : numbers)
                b << v.toString();
            c.differences << QStringLiteral("%1 prints %2 but %3 prints %4")
                                 .arg(label(0), a.join(' '), label(k), b.join(' '));
        }
    }
    return c;
}

} // namespace zut::check
