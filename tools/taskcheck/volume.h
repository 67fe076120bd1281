// SPDX-License-Identifier: GPL-3.0-or-later
// Information volume: texts at a fixed number of bits per character, codes
// over an alphabet of signals, the amount of information of a message, and
// conversions between units of volume and of transfer rate.
#pragma once

#include <QString>

namespace zut::check {

// Units of volume. Kbyte = 1024 bytes, Mbyte = 1024 Kbytes and so on; a
// Kbit is 1024 bits, as the school course counts it.
enum class Unit { Bit, Byte, Kbit, Kbyte, Mbit, Mbyte, Gbyte };

// How many bits one `unit` holds.
qint64 bitsIn(Unit unit);

// `amount` in `from` written in `to` (not rounded).
double convert(double amount, Unit from, Unit to);

// The characters of a text as the task shows it: every letter, digit,
// blank and punctuation mark counts once (a character outside the 16-bit
// range counts once too).
qint64 characterCount(const QString& text);

// Bits of a text of `characters` characters coded with `perCharacter`
// units (bits or bytes) per character.
qint64 textBits(qint64 characters, qint64 perCharacter, Unit unit = Unit::Bit);
qint64 textBits(const QString& text, qint64 perCharacter, Unit unit = Unit::Bit);

// The least number of bits that gives every one of `symbols` symbols its
// own code (ceil log2; 0 for a single symbol).
int bitsForAlphabet(qint64 symbols);

// Distinct codes of exactly `length` signals, each one of `kinds` kinds of
// signal, and of 1 … `length` signals.
qint64 codeCount(qint64 kinds, int length);
qint64 codeCountUpTo(qint64 kinds, int length);

// The least length L for which codes of exactly L signals of `kinds` kinds
// suffice for `count` objects (and, with `upTo`, codes of 1 … L signals).
int leastCodeLength(qint64 kinds, qint64 count, bool upTo = false);

// Information, in bits, of the message that one of `total` equally likely
// outcomes happened, or that an event of `favourable` of `total` equally
// likely outcomes happened: log2(total / favourable).
double informationBits(qint64 total, qint64 favourable = 1);

// Bits of a message or a series of `count` symbols (or measurements), each
// one of `alphabet` values, coded with the least equal number of bits.
qint64 messageBits(qint64 count, qint64 alphabet);

// Bits of a raster picture of width × height pixels in `colours` colours.
qint64 rasterBits(qint64 width, qint64 height, qint64 colours);

// Data transfer at `rate` units per second: the time for `size`, and the
// size (in `result`) sent in `seconds`.
double transferSeconds(double size, Unit sizeUnit, double rate, Unit rateUnit);
double transferSize(double rate, Unit rateUnit, double seconds, Unit result);

} // namespace zut::check
