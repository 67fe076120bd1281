// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheets: cell references with relative and absolute parts, the text
// of a formula copied into another cell, and the values of a grid of
// numbers and formulas.
//
// Formulas start with '=' (optional here) and hold numbers (decimal point),
// references (Latin column letters, then the row: B2, $B2, B$2, $B$2), the
// operators + − * / ^ with parentheses and unary minus, and the functions
// СУММ, СРЗНАЧ, МАКС, МИН, СЧЁТ (also SUM, AVERAGE, MAX, MIN, COUNT) over
// numbers, cells and ranges such as A1:B3, arguments separated by ';' or ','.
#pragma once

#include <QString>

#include <map>

namespace zut::check {

struct CellRef {
    int column = 0; // 0 for A, 1 for B, … 26 for AA
    int row = 1;    // from 1
    bool fixedColumn = false;
    bool fixedRow = false;
};

CellRef parseCell(const QString& reference);
// The reference as written, with its '$' signs.
QString cellText(const CellRef& ref);

// The formula as it reads in cell `to` after being copied from cell `from`:
// every relative part of every reference moves by the distance between the
// two cells, the absolute parts stay, the rest of the text is unchanged.
QString copyFormula(const QString& formula, const QString& from, const QString& to);

// The values of a grid: `cells` maps a cell (A1, without '$') to its
// content: a number (decimal point or comma), a formula starting with '=',
// or text. Returns the value of every cell that holds a number or a
// formula. Throws on a circular reference, a division by zero, text used
// as a number and a malformed formula, naming the cell.
std::map<QString, double> evaluateSheet(const std::map<QString, QString>& cells);

// The value of one cell of such a grid (an empty cell is 0).
double cellValue(const std::map<QString, QString>& cells, const QString& cell);

} // namespace zut::check
