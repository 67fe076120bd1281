// SPDX-License-Identifier: GPL-3.0-or-later
// Executors: one that works on a number with a few numbered commands (all
// programs that turn one number into another, the shortest), and a drawing
// one that moves a pen and turns it.
#pragma once

#include <QString>
#include <QStringList>

namespace zut::check {

// Commands of a number executor, numbered from 1. A command is an
// expression in x (x*2, x-1, x*x, x div 2, 10*x+1, also x mod 10; '/' must
// divide exactly, or the command cannot be applied), an operator and a
// number applied to x ("*2" is x*2, "+3", "-1", "/2"), or one of the
// phrases "прибавь N", "вычти N", "умножь на N", "раздели на N",
// "возведи в квадрат", "припиши N справа".
//
// A command list as one string: the commands separated by ';' or new
// lines, each optionally after its number and ':' ("1: *2; 2: -1").
QStringList parseCommands(const QString& text);

// The number that `program` (a string of command numbers, "1121") makes of
// `start`; throws when a command cannot be applied.
qint64 runCommands(const QStringList& commands, qint64 start, const QString& program);

// Every program of 1 … `maxLength` commands that turns `from` into `to`,
// shortest first and, among programs of one length, in increasing order.
QStringList programsFor(const QStringList& commands, qint64 from, qint64 to, int maxLength);

// The shortest programs (all of the least length, in increasing order);
// empty when none of at most `maxLength` commands exists.
QStringList shortestPrograms(const QStringList& commands, qint64 from, qint64 to,
                             int maxLength = 40);

// The drawing executor. Commands, separated by blanks, commas or new lines:
//   вперёд n (вперед, forward)   назад n (back)
//   направо a (right)  налево a (left): turn by a degrees
//   повтори k [ … ] (repeat)
//   сместиться на (dx, dy) (move): a shift that keeps the heading
//   поднять перо, опустить перо (penup, pendown)
// The pen starts at (0, 0), heading up (along +y), pen down.
struct PenResult {
    double x = 0, y = 0;
    double heading = 90; // degrees from +x, counter-clockwise, in [0, 360)
    double distance = 0; // from the start to the end
    double drawn = 0;    // total length drawn with the pen down
};
PenResult runPen(const QString& program, qint64 maxSteps = 1'000'000);

} // namespace zut::check
