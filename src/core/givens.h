// SPDX-License-Identifier: GPL-3.0-or-later
// A task's givens: the numbers, words, formulas and lists its solution
// starts from, declared once beside the task (`givens:`). Its texts show
// them through placeholders, which the packing step fills in, so that what
// the student reads and what the task's check computes are one value.
//
//     givens: {phrase: "Сто слов.", bits: 16}
//     elements:
//       - text: "Каждый символ занимает {=bits} бит. Каков объём фразы «{=phrase}»?"
//
// A placeholder is "{=name}" or "{=name:format}", and "{=name.2}" the second
// item of a list; the formats:
//   grouped  a whole number in groups of three digits, parted by no-break
//            spaces: 65536 → "65 536"
//   based    each number written with its base: "57_8 + 3A_16" →
//            "57{_8} + 3A{_16}", the base an index label
//   formula  a formula written with ∧ ∨ ¬ → ≡ shown in the labels' signs
//            ("&&", "\/", "¬", "–>", "≡")
//   list     a list's items joined by ", "
//   and      a list's items joined by ", " with " и " before the last
//   letters  a word's letters joined by ", ": "ABE" → "A, B, E"
#pragma once

#include <QString>
#include <QVariant>

#include <yaml-cpp/yaml.h>

#include <string>

namespace zut {

// Fills every placeholder of every task of a paper's content tree (the
// texts of its elements and its worked solution) from the task's givens.
// Throws ContentError, naming the resource `where` and the task, on a
// placeholder with no given, an unknown format or a value it cannot take,
// and on a given that no element of the task shows.
void fillGivens(YAML::Node root, const std::string& where);

// A given's value shown in `format` ("" for as it stands); the texts of the
// paper show exactly this. Throws ContentError on a value the format
// cannot take.
QString formatGiven(const QVariant& value, const QString& format);

} // namespace zut
