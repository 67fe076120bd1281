// SPDX-License-Identifier: GPL-3.0-or-later
// Program fragments run by the program's own small interpreters, in Pascal,
// classic Basic, the school algorithmic language and C: the final values of
// the variables and arrays and the lines printed. The same fragment given in
// several languages can be run in all of them at once, and any disagreement
// between the runs is reported.
#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace zut::check {

struct Value {
    enum class Type { Integer, Real, Boolean, Text };
    Type type = Type::Integer;
    qint64 integer = 0;
    double real = 0;
    bool boolean = false;
    QString text;

    static Value ofInteger(qint64 v);
    static Value ofReal(double v);
    static Value ofBoolean(bool v);
    static Value ofText(const QString& v);

    bool isNumber() const { return type == Type::Integer || type == Type::Real; }
    double number() const;    // an integer or real as a real
    QString toString() const; // integers in decimal, reals shortest, true/false
};

// Numbers are equal when their values are (3 and 3.0 are); reals within 1e-9.
bool sameValue(const Value& a, const Value& b);

struct ArrayValue {
    qint64 low = 0, high = -1;        // declared bounds; low > high when it has none
    std::map<qint64, Value> elements; // the elements that have a value
};

struct RunResult {
    // Every variable that has a value at the end, by its name as first written.
    std::map<QString, Value> variables;
    std::map<QString, ArrayValue> arrays;
    QStringList output;         // the lines printed (the last one even if unfinished)
    std::vector<Value> printed; // every value printed, in order
    QStringList loopVariables;  // variables of counted loops and of C's for statements
    qint64 steps = 0;

    // The value of a variable (an element): throws when it has none or is
    // not a whole number.
    qint64 integer(const QString& name) const;
    qint64 element(const QString& array, qint64 index) const;
    // The elements from `from` to `to`, each of which must have a value.
    std::vector<qint64> elements(const QString& array, qint64 from, qint64 to) const;
};

enum class Language { Pascal, Basic, Algorithmic, C };
QString languageName(Language language);

struct RunOptions {
    QStringList input;            // the values read by the program, in order
    qint64 maxSteps = 10'000'000; // statements and loop turns before the run is stopped
};

// Runs a program or a bare fragment. A syntax error, a run-time error (a
// division by zero, an index out of bounds, a variable used before it has a
// value, more input read than given) and a run longer than `maxSteps` throw
// CheckError naming the language and the line.
RunResult run(Language language, const QString& source, const RunOptions& options = {});

// Runs the same fragment written in several languages. The runs agree when
// they leave the same variables with the same values (names compared
// without regard to case; the variables of counted loops and of C's for
// statements are left out, since languages leave them differently), give
// the same array elements values, and print the same numbers (texts are
// left out, since each language lays them out its own way).
struct Comparison {
    std::vector<RunResult> results; // in the order of the fragments
    QStringList differences;        // one line per disagreement; empty when all agree
    bool agree() const { return differences.isEmpty(); }
};
Comparison runAll(const std::vector<std::pair<Language, QString>>& fragments,
                  const RunOptions& options = {});

} // namespace zut::check
