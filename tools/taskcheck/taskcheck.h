// SPDX-License-Identifier: GPL-3.0-or-later
// A task's check as data: the content file names, beside each marked task,
// the solver that computes its answer from the task's givens (and from the
// data its pictures, fields and listings already hold), how an option is
// read for comparison (Part 1) or which strings the answer makes (Part 2),
// and, where a wrong option models a slip that can be computed, that slip:
//
//     check: {solve: volume.text, read: volume}
//     check: {solve: bases.sum, read: based, slips: {1: bases.sumReadDecimal}}
//     check: {solve: strings.spell, form: lower-upper}
//
// runCheck runs it; the packing step runs it on every task of every paper,
// and the content test compares the outcome with the paper's key.
#pragma once

#include "core/content.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>
#include <vector>

namespace zut::check {

// A task as its solver reads it: the givens by name and the data its
// elements hold. Every reader throws CheckError naming the task and what
// is missing.
class Task {
public:
    explicit Task(const zut::TaskContent& t)
        : t_(t) {}
    const zut::TaskContent& content() const { return t_; }
    QString id() const { return t_.id; }

    [[noreturn]] void fail(const QString& what) const;

    bool has(const QString& given) const { return t_.givens.contains(given); }
    QString text(const QString& given) const;
    qint64 integer(const QString& given) const;
    QStringList list(const QString& given) const;

    // Part 1: the four answers as the page shows them, or the titles of
    // the numbered tables a picture draws as its options.
    QStringList options() const;
    // The data the n-th picture is drawn from ("table", "flowchart" …).
    QVariantMap drawn(int n = 0) const;
    // The text of the field `name` (its own, or one of a Programs or
    // Listings element).
    QString field(const QString& name) const;
    // The elements of one kind, rows and columns walked, in page order.
    template <class Kind> std::vector<const Kind*> all() const {
        return zut::allOf<Kind>(t_.elements);
    }
    // A fragment in three languages, Basic, Pascal and the algorithmic
    // language: the fields of the Programs element, or else the columns of
    // the drawn table.
    std::vector<QString> threeFragments() const;

private:
    const zut::TaskContent& t_;
};

// A solver computes the answer of a task in the form its reader compares.
using Solver = std::function<QString(const Task&)>;
// A reader says whether option k (1 … 4), whose text is `option`, carries
// the answer `answer`.
using Reader =
    std::function<bool(const QString& answer, const QString& option, int k, const Task&)>;
// A Part 2 answer form: the strings a typed answer is accepted as, in the
// order the key compares them.
using Form = std::function<QStringList(const QString& answer)>;

// The solvers, readers and forms by the names the content files use.
struct Registry {
    std::map<QString, Solver> solvers;
    std::map<QString, Reader> readers;
    std::map<QString, Form> forms;
};
const Registry& registry();

// Each topic's solvers and readers, registered by registry().
void addVolume(Registry&);
void addBases(Registry&);
void addLogic(Registry&);
void addPrograms(Registry&);
void addTables(Registry&);
void addText(Registry&);

// What a task's check found.
struct Outcome {
    QString answer;
    std::vector<int> carrying; // Part 1: the options that carry the answer
    QStringList accepted;      // Part 2: the strings the answer form makes
};

// Runs the task's check. Throws CheckError, naming the task, on an unknown
// solver, reader or form, a missing given, a Part 1 task with other than
// four options, and a slip that its option does not carry.
Outcome runCheck(const zut::TaskContent& t);

// Whether the task is marked: А1 … А20 and B1 … B8.
bool isMarked(const QString& id);

// Helpers the topics share.

// The columns of a drawn table, each its cells from top to bottom under
// the heading row, one line a cell.
std::vector<QString> tableColumns(const zut::TableElement& table);

// A whole number as the paper writes it: "−3" with the minus sign, "65 536"
// with a blank between thousands. Throws CheckError on anything else.
qint64 number(const QString& text);
// A volume written in an answer ("60 байт", "4 бита", "12,5 Кбайт"), in bits.
double volumeBits(const QString& written);
// A number as solvers write answers: integers without a fraction.
QString written(double value);
// A number or base the wordings write as a word ("четырёх", "пяти",
// "восьмеричной"), in any case of its first letter.
int numeral(const QString& word);
// A formula or expression as the page writes it, in the solvers' notation:
// "·" a product, "−" a minus, no question mark.
QString formulaText(QString shown);
// The one option of a Part 1 task the predicate holds for, where the
// answer is found by trying each; the task fails unless exactly one fits.
QString theOption(const Task& t, const std::function<bool(const QString&)>& holds);
// The given `name` holds "ложно" or "истинно": whether it says true.
bool truthGiven(const Task& t, const QString& name);

} // namespace zut::check
