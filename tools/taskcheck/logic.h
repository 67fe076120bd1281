// SPDX-License-Identifier: GPL-3.0-or-later
// Logic formulas in the program's notation, and the questions the logic
// tasks ask of them: truth tables, equivalence, a fragment of a truth
// table, the number of solutions of a logical equation, and the whole
// numbers (or words) for which a statement is true or false.
//
// Notation: variables are letters (Latin or Cyrillic), possibly followed by
// letters, digits or '_'; the constants are 0 and 1. Operators, from the
// tightest to the loosest:
//   ¬ (or !)                            negation
//   /\  &  &&  ∧                        conjunction
//   \/  |  ||  ∨                        disjunction
//   –>  (en dash and '>')  ->  →         implication
//   ≡  =  <->  ↔                        equivalence
// Conjunctions, disjunctions and equivalences may be chained; a chain of
// implications needs parentheses, since readers disagree on its grouping.
// Where some variables are whole numbers (named in `integers`), they may be
// used with +, −, * and unary minus and compared with <, >, <=, >=, ≤, ≥,
// <>, ≠ and =; comparisons bind tighter than negation, so ¬X > 2 is
// ¬(X > 2). An '=' between numbers compares them, between truth values
// it is the equivalence.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace zut::check {

class Formula {
public:
    struct Node;

    // Throws CheckError, naming the character, on a malformed formula.
    static Formula parse(const QString& text, const QStringList& integers = {});

    QString text() const { return source; }
    // The truth-valued variables, in the order they first occur.
    QStringList variables() const { return names; }
    // The whole-number variables that occur.
    QStringList integerVariables() const { return integerNames; }

    // Every variable that occurs must have a value.
    bool evaluate(const std::map<QString, bool>& values,
                  const std::map<QString, qint64>& integers = {}) const;

private:
    std::shared_ptr<const Node> root;
    QString source;
    QStringList names;
    QStringList integerNames;
};

// The value of the formula in each row of its truth table: the variables in
// `order` (all of the formula's, in alphabetical order when empty), rows
// counted in binary from all 0 to all 1, the first variable the highest bit.
std::vector<bool> truthTable(const Formula& f, const QStringList& order = {});

// Whether two formulas have the same value for every value of their
// variables (those of both together).
bool equivalent(const Formula& a, const Formula& b);

// Whether the formula fits a fragment of a truth table: `columns` name the
// variables of the table's columns; each row gives one character per
// column and then the formula's value, each '0', '1' or '?' (not shown).
// A row fits when some values of its hidden cells (and of any variable of
// the formula that has no column) give the shown value.
bool fitsTableFragment(const Formula& f, const QStringList& columns, const QStringList& rows);

// The number of sets of values of `variables` (the formula's own when
// empty; the list may name more) for which the formula is true.
qint64 countSolutions(const Formula& f, const QStringList& variables = {});

// Every set of values of the variables in `order` for which the formula has
// `value`, each as a string of 0/1 digits in that order, in increasing order.
QStringList assignmentsWhere(const Formula& f, const QStringList& order, bool value);

// For a formula over one whole-number variable: its value at `x`, and the
// least or the greatest x in from … to where it has `value`.
bool evaluateAt(const Formula& f, qint64 x);
std::optional<qint64> leastWhere(const Formula& f, bool value, qint64 from, qint64 to);
std::optional<qint64> greatestWhere(const Formula& f, bool value, qint64 from, qint64 to);

// Statements about words: every truth-valued variable of the formula is a
// named property of a word. Returns the words, in the given order, for
// which the formula has `value`.
using WordProperty = std::function<bool(const QString&)>;
QStringList wordsWhere(const Formula& f, const QStringList& words,
                       const std::map<QString, WordProperty>& properties, bool value);

// Letters of the Russian and Latin alphabets (either case). Vowels: а е ё и
// о у ы э ю я, a e i o u y; the other letters but ь and ъ are consonants.
bool isVowel(QChar c);
bool isConsonant(QChar c);

} // namespace zut::check
