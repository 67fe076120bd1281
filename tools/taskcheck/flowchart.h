// SPDX-License-Identifier: GPL-3.0-or-later
// Flowcharts: a structured description (start, end, assignment, input,
// output, a condition with yes and no branches, a loop with its condition
// before the body) that can be run on whole numbers and drawn as a picture
// from the same data.
//
// Texts of the blocks: an assignment is `name := expression` (also `←`),
// several in one block separated by ';'; input names variables, output
// lists expressions, separated by ','; conditions compare expressions.
// Expressions: whole numbers, variables, + − * / (exact), div and mod
// (quotient rounded towards zero, remainder of the dividend's sign; also
// written div(a, b), mod(a, b)), abs(x), parentheses, the comparisons
// = <> ≠ < > <= ≤ >= ≥, and и/and, или/or, не/not.
//
// Text form: one block a line, the branches and the body indented under
// their block (any consistent indentation):
//   начало                  (or start)
//   ввод a, b               (input)
//   если a > b              (if)
//     да                    (yes)
//       a := a - b
//     нет                   (no)
//       b := b - a
//   пока a <> b             (while)
//     a := a - 1
//   вывод a                 (output)
//   конец                   (end)
// List form (as a content file's nested lists carry it): a block is a
// string, a condition is [ "если …", [yes blocks], [no blocks] ] and a loop
// [ "пока …", [body blocks] ].
#pragma once

#include <QString>
#include <QVariantList>

#include <map>
#include <vector>

namespace zut::check {

struct Block {
    enum class Kind { Start, End, Assign, Input, Output, Condition, Loop };
    Kind kind = Kind::Assign;
    QString text;           // the block's inscription without its keyword
    std::vector<Block> yes; // Condition: the yes branch; Loop: the body
    std::vector<Block> no;  // Condition: the no branch
};

struct Flowchart {
    std::vector<Block> blocks;
};

Flowchart flowchartFromText(const QString& text);
Flowchart flowchartFromList(const QVariantList& list);
// The text form, in Russian keywords, indented by two blanks.
QString flowchartToText(const Flowchart& chart);

struct FlowchartRun {
    std::map<QString, qint64> variables; // every variable with a value at the end
    std::vector<qint64> output;          // the values of the output blocks, in order
    qint64 steps = 0;
};

// Runs the chart; a malformed block, a variable used before it has a
// value, a division by zero, a value that is not whole at the end, more
// input read than given and a run of more than `maxSteps` steps throw
// CheckError naming the block (numbered from 1 in reading order).
FlowchartRun runFlowchart(const Flowchart& chart, const std::vector<qint64>& input = {},
                          qint64 maxSteps = 1'000'000);

} // namespace zut::check
