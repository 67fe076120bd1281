// SPDX-License-Identifier: GPL-3.0-or-later
// The block anatomy, task by task: what stands around a task's content in
// its block (the number disc, an А task's answer group, a B task's answer
// box, the verdict label), named and placed as every paper has it. The page
// builder lays each block from it and tst_paper checks the page against it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

namespace zut {

// The disc with the task's number on it, at the block's top-left corner.
struct NumberDisc {
    int diameter;
    QRect label; // the number label, from the disc's top-left corner
    int pixels;  // the number label's font size
};

// How an answer group lays its letter label ("A7", at (8, 8)), the digits
// "1  2  3  4" and the four options under them.
struct GroupLayout {
    int letterWidth;
    int digitsLeft;
    std::array<int, 4> optionLefts;
};

// The label that says "Правильно" or "Неправильно" once the paper is marked.
struct Verdict {
    const char* name;
    QPoint at; // from the answer group's or box's top-left corner
    int width;
};

struct AnswerGroup {
    const char* name;
    std::array<const char*, 4> options;
    GroupLayout layout;
    Verdict verdict;
};

struct AnswerBox {
    const char* label; // the box's own label, the task's id again
    const char* field;
    int fieldLeft; // from the box's left edge
    Verdict verdict;
};

// The column a task's content is laid in: left of its answer group or box.
struct Column {
    int left;
    int width;
};

struct BlockAnatomy {
    const char* numberLabel;
    NumberDisc disc;
    Column column;
    std::optional<AnswerGroup> group; // an А task's
    std::optional<AnswerBox> box;     // a B task's
};

// The anatomy of the task an id names ("А7", "B3", "С1"); throws
// std::out_of_range for an id no paper has.
BlockAnatomy blockAnatomy(const QString& id);

// The number of the task an id names: "А7" → 7.
int taskNumber(const QString& id);

// The name of option k of А task n: "a7_3"; task 2 spells its first three
// "A2_1" … "A2_3" in every paper.
QString optionName(int n, int k);

} // namespace zut
