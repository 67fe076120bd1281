// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks on the volume of information: texts, codes, measurements, pictures
// and transfers. Answers are in bits, compared with an option's volume.
#include "bases.h"
#include "codes.h"
#include "error.h"
#include "executor.h"
#include "interpret.h"
#include "logic.h"
#include "routes.h"
#include "spreadsheet.h"
#include "strings.h"
#include "taskcheck.h"
#include "taskshared.h"
#include "volume.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace zut::check {

void addVolume(Registry& r) {
    // A text of `characters` characters, `bits` bits each, sent in parts
    // of at most `bytes` bytes: the fewest parts. Its slip: the text's bits
    // taken as bytes.
    {
        const auto parts = [](const Task& t, qint64 bitsEach) {
            const qint64 text = t.integer("characters") * bitsEach, part = t.integer("bytes") * 8;
            if (text <= 0 || part <= 0)
                t.fail("no text or no part");
            return QString::number((text + part - 1) / part);
        };
        r.solvers["volume.partsNeeded"] = [=](const Task& t) {
            return parts(t, t.integer("bits"));
        };
        r.solvers["volume.partsBitsAsBytes"] = [=](const Task& t) {
            return parts(t, t.integer("bits") * 8);
        };
        // Two over-counts: the text's bytes divided by the characters a
        // part holds (the width applied twice); the part's bytes read as
        // bits, so it holds bytes : bits whole characters.
        r.solvers["volume.partsWidthTwice"] = [=](const Task& t) {
            const qint64 bits = t.integer("bits"), perPart = t.integer("bytes") * 8 / bits;
            if (bits % 8 || perPart <= 0)
                t.fail("not whole bytes a character");
            const qint64 text = t.integer("characters") * bits / 8;
            return QString::number((text + perPart - 1) / perPart);
        };
        r.solvers["volume.partsBytesAsBits"] = [=](const Task& t) {
            const qint64 perPart = t.integer("bytes") / t.integer("bits");
            if (perPart <= 0)
                t.fail("no whole character a part");
            return QString::number((t.integer("characters") + perPart - 1) / perPart);
        };
    }
    // A screen `width` × `height` in a palette of `colours` (a power of
    // two), video memory of `mbytes` Мбайт of which `reserved` Мбайт hold
    // other data: the most whole screen pages in the rest. Its slips: the
    // reserve forgotten; the bits of a pixel taken as the length of the
    // colour count's binary record; the rest in bits divided by a page in
    // bytes.
    {
        const auto pages = [](const Task& t, qint64 bitsAPixel, bool reserve, bool pageInBytes) {
            const qint64 colours = t.integer("colours");
            if (colours < 2 || (colours & (colours - 1)))
                t.fail("the palette is no power of two");
            const qint64 page = t.integer("width") * t.integer("height") * bitsAPixel,
                         memory = (t.integer("mbytes") - (reserve ? t.integer("reserved") : 0)) *
                                  1024 * 1024 * 8;
            if (page <= 0 || memory < page)
                t.fail("not one page fits");
            return QString::number(memory / (pageInBytes ? page / 8 : page));
        };
        r.solvers["volume.screenPages"] = [=](const Task& t) {
            return pages(t, bitsForAlphabet(t.integer("colours")), true, false);
        };
        r.solvers["volume.screenPagesReserveForgotten"] = [=](const Task& t) {
            return pages(t, bitsForAlphabet(t.integer("colours")), false, false);
        };
        r.solvers["volume.screenPagesColourCountRecord"] = [=](const Task& t) {
            return pages(t, bitsForAlphabet(t.integer("colours")) + 1, true, false);
        };
        r.solvers["volume.screenPagesMemoryInBits"] = [=](const Task& t) {
            return pages(t, bitsForAlphabet(t.integer("colours")), true, true);
        };
    }
    // A tree of stars in a text file, `rows` lines: line k from the top
    // holds 2k − 1 stars after rows − k blanks (the middle stars one under
    // another, the bottom line from its first place) and one line end;
    // `bits` bits a character. Its slips: the line ends left out, the
    // stars alone counted, the blanks left out.
    {
        const auto starTree = [](const Task& t, bool blanks, bool lineEnds) {
            const qint64 rows = t.integer("rows");
            if (rows < 2)
                t.fail("no tree of several rows");
            const qint64 leading = rows * (rows - 1) / 2;
            const qint64 characters = rows * rows + (blanks ? leading : 0) + (lineEnds ? rows : 0);
            return written(double(textBits(characters, t.integer("bits"))));
        };
        r.solvers["volume.starTree"] = [=](const Task& t) { return starTree(t, true, true); };
        r.solvers["volume.starTreeNoLineEnds"] = [=](const Task& t) {
            return starTree(t, true, false);
        };
        r.solvers["volume.starTreeStarsOnly"] = [=](const Task& t) {
            return starTree(t, false, false);
        };
        // Slip: the centring blanks overlooked, the tree pressed to the left.
        r.solvers["volume.starTreeNoBlanks"] = [=](const Task& t) {
            return starTree(t, false, true);
        };
    }
    // Two messages of `lengths` characters over alphabets of `alphabets`
    // symbols, each coded with its least equal number of bits: how many
    // times the first is larger. Its slips: the ratio of the alphabets'
    // sizes, the ratio of the lengths, the lengths given to the other
    // alphabet.
    {
        const auto ratio = [](const Task& t, qint64 above, qint64 below) {
            if (below <= 0 || above % below)
                t.fail("the ratio is not whole");
            return QString::number(above / below);
        };
        const auto part = [](const Task& t, const QString& name, int i) {
            const QStringList l = t.list(name);
            if (l.size() != 2)
                t.fail(name + " does not hold two values");
            return l[i].toLongLong();
        };
        r.solvers["volume.messagesRatio"] = [=](const Task& t) {
            return ratio(t, part(t, "lengths", 0) * bitsForAlphabet(part(t, "alphabets", 0)),
                         part(t, "lengths", 1) * bitsForAlphabet(part(t, "alphabets", 1)));
        };
        r.solvers["volume.messagesRatioLengths"] = [=](const Task& t) {
            return ratio(t, part(t, "lengths", 0), part(t, "lengths", 1));
        };
        // Slip: the bits a character compared, the lengths forgotten.
        r.solvers["volume.messagesRatioBits"] = [=](const Task& t) {
            return ratio(t, bitsForAlphabet(part(t, "alphabets", 0)),
                         bitsForAlphabet(part(t, "alphabets", 1)));
        };
        r.solvers["volume.messagesRatioSwapped"] = [=](const Task& t) {
            return ratio(t, part(t, "lengths", 1) * bitsForAlphabet(part(t, "alphabets", 0)),
                         part(t, "lengths", 0) * bitsForAlphabet(part(t, "alphabets", 1)));
        };
    }
    // A record of `bytes` bytes: fields whose whole values run from `lows`
    // to `highs`, then a last field from `low` up to an unknown bound, each
    // field in its own least number of bits, packed without gaps. The
    // greatest bound for which the record still fits. Its slips: the last
    // field taken to start at 0; each first field's width rounded down; each
    // first field as wide as the binary record of its highest value rather
    // than of its count of values.
    {
        // widthRoundedDown: a field of v values given the whole part of
        // log2 v bits (2^k <= v), not the least k with 2^k >= v.
        const auto bitsLeft = [](const Task& t, bool widthOfHigh, bool widthRoundedDown = false) {
            const QStringList lows = t.list("lows"), highs = t.list("highs");
            if (lows.size() != highs.size() || lows.isEmpty())
                t.fail("the lows and highs do not pair");
            qint64 left = t.integer("bytes") * 8;
            for (qsizetype i = 0; i < lows.size(); ++i) {
                const qint64 low = number(lows[i]), high = number(highs[i]);
                if (low < 0 || high <= low)
                    t.fail("a first field not of two or more values from 0 up");
                left -= widthOfHigh        ? toBase(high, 2).size()
                        : widthRoundedDown ? toBase(high - low + 1, 2).size() - 1
                                           : bitsForAlphabet(high - low + 1);
            }
            if (left < 2 || left > 40)
                t.fail(QString("%1 bits left for the last field").arg(left));
            return left;
        };
        r.solvers["volume.largestBoundInRecord"] = [=](const Task& t) {
            return QString::number(t.integer("low") + (qint64(1) << bitsLeft(t, false)) - 1);
        };
        r.solvers["volume.largestBoundFromZero"] = [=](const Task& t) {
            return QString::number((qint64(1) << bitsLeft(t, false)) - 1);
        };
        // Slip: each first field's width rounded down.
        r.solvers["volume.largestBoundWidthsRoundedDown"] = [=](const Task& t) {
            return QString::number(t.integer("low") + (qint64(1) << bitsLeft(t, false, true)) - 1);
        };
        // Slip: each first field as wide as the binary record of its highest
        // value (64 = 1000000₂ taken to need 7 bits).
        r.solvers["volume.largestBoundWidthsOfHighest"] = [=](const Task& t) {
            return QString::number(t.integer("low") + (qint64(1) << bitsLeft(t, true)) - 1);
        };
    }
    // The option, one of four pictures written "640 × 400 пикселей,
    // 40 цветов", each stored without compression in the least equal number
    // of bits a pixel, that takes the most memory. Its slips, each the
    // picture that wins when: the colours are left out (the most pixels);
    // the number of colours is taken for the bits a pixel; the bits a pixel
    // are rounded down where the colours are no power of two.
    {
        const auto largest = [](const Task& t, const std::function<double(qint64, qint64)>& size) {
            static const QRegularExpression form =
                unicodePattern(R"(^(\d+) × (\d+) пикселей, (\d[\d ]*\d|\d) цвет(?:а|ов)$)");
            std::vector<std::pair<double, QString>> all;
            for (const QString& o : t.options()) {
                const auto m = form.match(o);
                if (!m.hasMatch())
                    t.fail("not a picture's size and colours: " + o);
                const qint64 colours = number(m.captured(3));
                if (colours < 2)
                    t.fail("a picture of one colour: " + o);
                all.push_back({size(number(m.captured(1)) * number(m.captured(2)), colours), o});
            }
            std::sort(all.begin(), all.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
            if (all.size() < 2 || all[0].first == all[1].first)
                t.fail("no one picture takes the most");
            return all.front().second;
        };
        r.solvers["volume.largestPicture"] = [=](const Task& t) {
            return largest(t, [](qint64 pixels, qint64 colours) {
                return double(pixels * bitsForAlphabet(colours));
            });
        };
        r.solvers["volume.largestPicturePixels"] = [=](const Task& t) {
            return largest(t, [](qint64 pixels, qint64) { return double(pixels); });
        };
        r.solvers["volume.largestPictureColoursAsBits"] = [=](const Task& t) {
            return largest(
                t, [](qint64 pixels, qint64 colours) { return double(pixels) * double(colours); });
        };
        r.solvers["volume.largestPictureBitsRoundedDown"] = [=](const Task& t) {
            return largest(t, [](qint64 pixels, qint64 colours) {
                const int bits = bitsForAlphabet(colours);
                return double(pixels * ((qint64(1) << bits) == colours ? bits : bits - 1));
            });
        };
    }
    // A text of `characters` characters in a code of `wide` bytes for each
    // Russian letter and `narrow` bytes for any other character, `kbytes`
    // Кбайт in all (1 Кбайт = 1024 байта): how many Russian letters it
    // holds; and its slips: the other characters counted instead, 1 Кбайт
    // taken as 1000 bytes, every character taken as wide.
    const auto russianLetters = [](const Task& t, qint64 bytesAKbyte) {
        const qint64 all = t.integer("characters"), wide = t.integer("wide"),
                     narrow = t.integer("narrow"), bytes = t.integer("kbytes") * bytesAKbyte;
        const qint64 surplus = bytes - all * narrow;
        if (wide <= narrow || surplus < 0 || surplus % (wide - narrow) ||
            surplus / (wide - narrow) > all)
            t.fail("no whole number of Russian letters fits the volume");
        return surplus / (wide - narrow);
    };
    r.solvers["volume.russianLetters"] = [=](const Task& t) {
        return QString::number(russianLetters(t, 1024));
    };
    r.solvers["volume.russianLettersOthers"] = [=](const Task& t) {
        return QString::number(t.integer("characters") - russianLetters(t, 1024));
    };
    r.solvers["volume.russianLettersKbyteAsThousand"] = [=](const Task& t) {
        return QString::number(russianLetters(t, 1000));
    };
    // `count` readings, whole numbers from `low` to `high`, recorded as the
    // first reading in full and each next one as its difference with the
    // one before, from `dlow` to `dhigh`; readings and differences each in
    // their own least equal number of bits: the record's bits. Its slips: a
    // byte a difference, every reading in full, one difference for every
    // reading.
    const auto deltaRecord = [](const Task& t, int slip) {
        const qint64 n = t.integer("count"), low = t.integer("low"), high = t.integer("high"),
                     dlow = t.integer("dlow"), dhigh = t.integer("dhigh");
        if (n < 2 || high <= low || dlow >= 0 || dhigh <= 0 || dhigh - dlow > high - low)
            t.fail("no readings worth recording by differences");
        const qint64 full = bitsForAlphabet(high - low + 1);
        const qint64 each = slip == 2 ? 8 : bitsForAlphabet(dhigh - dlow + 1);
        return written(double(slip == 3 ? n * full : full + (slip == 4 ? n : n - 1) * each));
    };
    r.solvers["volume.deltaRecord"] = [=](const Task& t) { return deltaRecord(t, 0); };
    r.solvers["volume.deltaRecordByteEach"] = [=](const Task& t) { return deltaRecord(t, 2); };
    r.solvers["volume.deltaRecordAllFull"] = [=](const Task& t) { return deltaRecord(t, 3); };
    r.solvers["volume.deltaRecordDifferenceEach"] = [=](const Task& t) {
        return deltaRecord(t, 4);
    };
    r.solvers["volume.russianLettersAllWide"] = [=](const Task& t) {
        const qint64 bytes = t.integer("kbytes") * 1024, wide = t.integer("wide");
        if (wide < 1 || bytes % wide)
            t.fail("no whole number of wide characters");
        return QString::number(bytes / wide);
    };
    // A file holding a palette of `colours` colours, `entry` bytes each,
    // and the codes of `width` × `height` pixels written one after another
    // in the least equal number of bits, in whole bytes: its volume; and
    // its slips: the palette counted as one bit a colour, a byte a pixel.
    const auto paletteFile = [](const Task& t, qint64 paletteBits, qint64 pixelBits) {
        const qint64 bits = paletteBits + pixelBits;
        if (bits % 8)
            t.fail("the file is no whole number of bytes");
        return written(double(bits));
    };
    r.solvers["volume.fileWithPalette"] = [=](const Task& t) {
        return paletteFile(t, t.integer("colours") * t.integer("entry") * 8,
                           rasterBits(t.integer("width"), t.integer("height"), t.integer("colours")));
    };
    r.solvers["volume.fileWithPaletteByteAPixel"] = [=](const Task& t) {
        return paletteFile(t, t.integer("colours") * t.integer("entry") * 8,
                           t.integer("width") * t.integer("height") * 8);
    };
    // Its slip of the bits of a pixel rounded down (48 colours taken as 5
    // bits, as if 32 codes were enough); refused where the colours are a
    // power of two, which leaves nothing to round.
    r.solvers["volume.fileWithPaletteOneBitShort"] = [=](const Task& t) {
        const qint64 colours = t.integer("colours");
        const int each = bitsForAlphabet(colours);
        if (each < 1 || qint64(1) << each == colours)
            t.fail("the colours are a power of two: nothing to round");
        return paletteFile(t, colours * t.integer("entry") * 8,
                           rasterBits(t.integer("width"), t.integer("height"), 2) * (each - 1));
    };
    // The option is a whole number whose thousands may be parted by
    // no-break spaces ("81 920"), as the page groups them.
    r.readers["grouped"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression form(QString::fromUtf8(R"(^\d{1,3}(?:\x{00A0}\d{3})*$)"));
        if (!form.match(o).hasMatch())
            throw CheckError("not a grouped whole number: " + o);
        return QString(o).remove(QChar(0x00A0)) == answer;
    };
    // A text recoded from `from` bits a character into `to` bits a
    // character became `lost` bits smaller: its number of characters.
    r.solvers["volume.recodedCharacters"] = [](const Task& t) {
        const qint64 each = t.integer("from") - t.integer("to");
        if (each <= 0 || t.integer("lost") % each)
            t.fail("no whole number of characters");
        return QString::number(t.integer("lost") / each);
    };
    r.solvers["volume.recodedFirstBytes"] = [](const Task& t) {
        const qint64 each = t.integer("from") - t.integer("to");
        if (each <= 0 || t.integer("lost") % each)
            t.fail("no whole number of characters");
        const qint64 characters = t.integer("lost") / each;
        return written(convert(double(textBits(characters, t.integer("from"))), Unit::Bit,
                               Unit::Byte));
    };
    // Two more: the bits lost divided by the second code's width; the
    // second code taken as a byte a character (each losing `from` − 8).
    r.solvers["volume.recodedOverSecondCode"] = [](const Task& t) {
        return written(double(t.integer("lost")) / double(t.integer("to")));
    };
    r.solvers["volume.recodedSecondAsByte"] = [](const Task& t) {
        if (t.integer("from") <= 8 || t.integer("to") == 8)
            t.fail("the second code is a byte already, or the first no wider");
        return written(double(t.integer("lost")) / double(t.integer("from") - 8));
    };
    // `count` numbers of `length` characters, each character one of
    // `digits` digits or `letters` letters in the least equal number of
    // bits, each number stored in the fewest whole bytes: their volume.
    r.solvers["volume.codesInWholeBytes"] = [](const Task& t) {
        const qint64 bits =
            t.integer("length") * bitsForAlphabet(t.integer("digits") + t.integer("letters"));
        return written(double(t.integer("count") * ((bits + 7) / 8) * 8));
    };
    // Its slips: all the numbers' bits pooled before whole bytes are
    // taken; a byte a character; the bits of a character rounded down (too
    // few for the alphabet), each number still in whole bytes.
    r.solvers["volume.codesBitsPooled"] = [](const Task& t) {
        const qint64 bits = t.integer("count") * t.integer("length") *
                            bitsForAlphabet(t.integer("digits") + t.integer("letters"));
        return written(double((bits + 7) / 8 * 8));
    };
    r.solvers["volume.codesByteACharacter"] = [](const Task& t) {
        return written(double(t.integer("count") * t.integer("length") * 8));
    };
    r.solvers["volume.codesBitsRoundedDown"] = [](const Task& t) {
        const qint64 symbols = t.integer("digits") + t.integer("letters");
        qint64 each = 0;
        while ((qint64(2) << each) <= symbols)
            ++each;
        const qint64 bits = t.integer("length") * each;
        return written(double(t.integer("count") * ((bits + 7) / 8) * 8));
    };
    // The word `word` written `times` times, `separator` between neighbours
    // (one blank where it is not given) and nothing at the ends, `bits`
    // bits a character; and the slips: the separators left out, each
    // separator taken for one character (the blank after a comma forgotten).
    const auto repeatedWordBits = [](const Task& t, qint64 blanksLess,
                                     bool separatorAsOne = false) {
        const qint64 times = t.integer("times");
        if (times < 2 || t.text("word").contains(' '))
            t.fail("not one word written several times");
        const qint64 separator = !t.has("separator") ? 1 : characterCount(t.text("separator"));
        if (separator < 1 || (separatorAsOne && separator < 2))
            t.fail("no separator of several characters");
        const qint64 characters = times * characterCount(t.text("word")) +
                                  (times - blanksLess) * (separatorAsOne ? 1 : separator);
        return written(double(textBits(characters, t.integer("bits"))));
    };
    r.solvers["volume.repeatedWordSeparatorAsOne"] = [=](const Task& t) {
        return repeatedWordBits(t, 1, true);
    };
    r.solvers["volume.repeatedWord"] = [=](const Task& t) { return repeatedWordBits(t, 1); };
    r.solvers["volume.repeatedWordNoBlanks"] = [=](const Task& t) {
        return repeatedWordBits(t, t.integer("times"));
    };
    // A slip that under-counts: the string cut into pairs "word +
    // separator", and the last word, with no separator after it, forgotten.
    r.solvers["volume.repeatedWordLastWordDropped"] = [](const Task& t) {
        const qint64 times = t.integer("times");
        if (times < 2 || !t.has("separator"))
            t.fail("no word written several times with a separator");
        const qint64 pair = characterCount(t.text("word")) + characterCount(t.text("separator"));
        return written(double(textBits((times - 1) * pair, t.integer("bits"))));
    };
    // The option is a volume ("72 байта") equal to the answer in bits.
    r.readers["volume"] = [](const QString& answer, const QString& o, int, const Task&) {
        return volumeBits(o) == double(number(answer));
    };
    // A phrase in a code of `bits` bits a character.
    r.solvers["volume.text"] = [](const Task& t) {
        return written(double(textBits(t.text("phrase"), t.integer("bits"))));
    };
    // Codes of `length` signals, each one of `kinds` (a word: "трёх").
    r.solvers["volume.codes"] = [](const Task& t) {
        return written(double(codeCount(numeral(t.text("kinds")), numeral(t.text("length")))));
    };
    // Those of them in which one chosen kind of signal occurs at least once:
    // all codes less those made of the other kinds. Its slips: that kind
    // exactly once (a place for it, the other kinds elsewhere); a place for
    // it and any signals elsewhere, so a code with it twice counts twice.
    {
        const auto usingOne = [](const Task& t, bool exactlyOnce, bool placeFixed) {
            const qint64 kinds = numeral(t.text("kinds"));
            const int length = numeral(t.text("length"));
            if (kinds < 2 || length < 2)
                t.fail("codes need two kinds of signal and two signals to choose one");
            if (exactlyOnce)
                return written(double(length * codeCount(kinds - 1, length - 1)));
            if (placeFixed)
                return written(double(length * codeCount(kinds, length - 1)));
            return written(double(codeCount(kinds, length) - codeCount(kinds - 1, length)));
        };
        r.solvers["volume.codesUsingOne"] = [=](const Task& t) {
            return usingOne(t, false, false);
        };
        r.solvers["volume.codesUsingOneExactlyOnce"] = [=](const Task& t) {
            return usingOne(t, true, false);
        };
        r.solvers["volume.codesUsingOnePlaceFixed"] = [=](const Task& t) {
            return usingOne(t, false, true);
        };
    }
    // `count` measurements, each a whole number from `low` to `high`, in
    // the least equal number of bits each.
    r.solvers["volume.measurements"] = [](const Task& t) {
        const qint64 values = t.integer("high") - t.integer("low") + 1;
        return written(double(messageBits(t.integer("count"), values)));
    };
    // Its slips, for a range from a negative `low`: a sign bit beside the
    // least bits of the largest magnitude; a byte a measurement; the minus
    // of `low` lost, so high − |low| + 1 values.
    const auto measurementsSlip = [](const Task& t, qint64 bitsEach) {
        if (t.integer("low") >= 0)
            t.fail("the range has no negative values");
        return written(double(t.integer("count") * bitsEach));
    };
    r.solvers["volume.measurementsSignBit"] = [=](const Task& t) {
        const qint64 magnitude = std::max(-t.integer("low"), std::abs(t.integer("high")));
        return measurementsSlip(t, 1 + bitsForAlphabet(magnitude + 1));
    };
    r.solvers["volume.measurementsByteEach"] = [=](const Task& t) { return measurementsSlip(t, 8); };
    r.solvers["volume.measurementsLowSignLost"] = [=](const Task& t) {
        const qint64 values = t.integer("high") + t.integer("low") + 1;
        if (values < 1)
            t.fail("no values are left when the minus is lost");
        return measurementsSlip(t, bitsForAlphabet(values));
    };
    // A picture of `width` × `height` points taking `kbytes` Kbytes: the
    // most colours its palette can have.
    r.solvers["volume.colours"] = [](const Task& t) {
        const qint64 points = t.integer("width") * t.integer("height");
        const qint64 bits = t.integer("kbytes") * 8192;
        if (bits % points)
            t.fail("no whole number of bits a point");
        const qint64 colours = qint64(1) << (bits / points);
        if (rasterBits(t.integer("width"), t.integer("height"), colours) != bits)
            t.fail("the volume solver disagrees");
        return written(double(colours));
    };
    // A file sent in parts, `minutes` each at `rates` bits a second: its
    // size in whole Kbytes.
    r.solvers["volume.transferKbytes"] = [](const Task& t) {
        const QStringList minutes = t.list("minutes"), rates = t.list("rates");
        if (minutes.size() != rates.size() || minutes.isEmpty())
            t.fail("the parts' minutes and rates do not pair");
        double kbytes = 0;
        for (qsizetype i = 0; i < minutes.size(); ++i)
            kbytes += transferSize(double(number(rates[i])), Unit::Bit,
                                   double(number(minutes[i])) * 60, Unit::Kbyte);
        if (kbytes != qint64(kbytes))
            t.fail("the size is no whole number of Kbytes");
        return written(kbytes);
    };
    // A board already has `had` lamps that are on or off; the fewest lamps
    // of `kinds` (a word) states to add so that all together give `signals`
    // signals. Its slips: the lamps already there ignored; every lamp, old
    // and new, taken as on/off; every lamp taken as one of the new kind.
    {
        const auto addedLamps = [](const Task& t, char how) {
            const qint64 had = t.integer("had"), kinds = numeral(t.text("kinds")),
                         wanted = t.integer("signals");
            if (had < 1 || had > 20 || kinds < 3 || wanted < 2)
                t.fail("not on/off lamps and lamps of more states");
            if (how == 't' || how == 'k') {
                const qint64 added = leastCodeLength(how == 't' ? 2 : kinds, wanted) - had;
                if (added < 1)
                    t.fail("the lamps already there give the signals");
                return QString::number(added);
            }
            const qint64 old = how == 'i' ? 1 : qint64(1) << had;
            return QString::number(leastCodeLength(kinds, (wanted + old - 1) / old));
        };
        r.solvers["volume.leastAddedLamps"] = [=](const Task& t) { return addedLamps(t, ' '); };
        r.solvers["volume.leastAddedLampsOldIgnored"] = [=](const Task& t) {
            return addedLamps(t, 'i');
        };
        r.solvers["volume.leastAddedLampsAllTwoStates"] = [=](const Task& t) {
            return addedLamps(t, 't');
        };
        r.solvers["volume.leastAddedLampsAllNewKind"] = [=](const Task& t) {
            return addedLamps(t, 'k');
        };
    }
    // A code of one of the `letters` followed by `digits` (a number or a
    // word: "двух") decimal digits, found by questions answered «да» or
    // «нет»: the fewest questions that always find it. Its slips: the
    // letter and each digit found apart, each rounded up; the letter taken
    // for one more digit; one question for each value but the last.
    {
        const auto codeParts = [](const Task& t) {
            const qint64 letters = t.list("letters").size(), digits = countGiven(t, "digits");
            if (letters < 2 || digits < 1 || digits > 6)
                t.fail("not a code of a letter and digits");
            return std::pair{letters, digits};
        };
        const auto tens = [](qint64 n) {
            qint64 p = 1;
            while (n-- > 0)
                p *= 10;
            return p;
        };
        r.solvers["volume.fewestQuestions"] = [=](const Task& t) {
            const auto [letters, digits] = codeParts(t);
            return QString::number(bitsForAlphabet(letters * tens(digits)));
        };
        r.solvers["volume.fewestQuestionsEachApart"] = [=](const Task& t) {
            const auto [letters, digits] = codeParts(t);
            return QString::number(bitsForAlphabet(letters) + digits * bitsForAlphabet(10));
        };
        r.solvers["volume.fewestQuestionsLetterAsDigit"] = [=](const Task& t) {
            return QString::number(bitsForAlphabet(tens(codeParts(t).second + 1)));
        };
        r.solvers["volume.fewestQuestionsOneByOne"] = [=](const Task& t) {
            const auto [letters, digits] = codeParts(t);
            return QString::number(letters - 1 + digits * 9);
        };
    }
    // A picture of `width` × `height` pixels in a palette of `colours`.
    r.solvers["volume.rasterWithPalette"] = [](const Task& t) {
        return written(
            double(rasterBits(t.integer("width"), t.integer("height"), t.integer("colours"))));
    };
    // The most colours a picture of `second` (its width and height) may
    // have when it takes no more memory than a picture of `first` in
    // `colours`, each pixel of each in the fewest bits its palette needs:
    // the first picture's bits shared among the second's pixels, rounded
    // down, as a power of two. Its slips: the bits a pixel rounded up; the
    // bits a pixel taken for the number of colours; the colours, not the
    // bits, scaled by the pixels' ratio.
    {
        const auto pixels = [](const Task& t, const QString& given) {
            const QStringList sides = t.list(given);
            if (sides.size() != 2)
                t.fail(given + " is not a width and a height");
            const qint64 p = number(sides[0]) * number(sides[1]);
            if (p <= 0)
                t.fail(given + " has no pixels");
            return p;
        };
        const auto firstBits = [=](const Task& t) {
            return pixels(t, "first") * bitsForAlphabet(t.integer("colours"));
        };
        const auto palette = [](const Task& t, qint64 bits) {
            if (bits < 1 || bits > 62)
                t.fail("no palette of two colours or more fits");
            return QString::number(qint64(1) << bits);
        };
        r.solvers["volume.paletteWithinFirst"] = [=](const Task& t) {
            return palette(t, firstBits(t) / pixels(t, "second"));
        };
        r.solvers["volume.paletteWithinFirstRoundedUp"] = [=](const Task& t) {
            const qint64 bits = firstBits(t), second = pixels(t, "second");
            if (bits % second == 0)
                t.fail("a whole number of bits a pixel: nothing to round");
            return palette(t, bits / second + 1);
        };
        r.solvers["volume.paletteWithinFirstBitsAsColours"] = [=](const Task& t) {
            const qint64 bits = firstBits(t) / pixels(t, "second");
            palette(t, bits); // refuses what the right answer refuses
            return QString::number(bits);
        };
        r.solvers["volume.paletteWithinFirstColoursScaled"] = [=](const Task& t) {
            const qint64 scaled = t.integer("colours") * pixels(t, "first");
            if (scaled % pixels(t, "second") != 0)
                t.fail("the colours do not scale to a whole number");
            return QString::number(scaled / pixels(t, "second"));
        };
    }
    // A text of `pages` full pages of `lines` lines and `extra` lines more
    // on the next page, `chars` characters a line, `bits` bits each; its
    // slips: the next page counted full, 8 bits a character.
    {
        const auto pagesAndLines = [](const Task& t, qint64 pagesOver, qint64 extra, qint64 bits) {
            if (t.integer("extra") < 1 || t.integer("extra") >= t.integer("lines"))
                t.fail("the extra lines do not make a part of a page");
            const qint64 lines = (t.integer("pages") + pagesOver) * t.integer("lines") + extra;
            return written(double(textBits(lines * t.integer("chars"), bits)));
        };
        r.solvers["volume.pagesAndLines"] = [=](const Task& t) {
            return pagesAndLines(t, 0, t.integer("extra"), t.integer("bits"));
        };
        r.solvers["volume.pagesAndLinesPageFull"] = [=](const Task& t) {
            return pagesAndLines(t, 1, 0, t.integer("bits"));
        };
        r.solvers["volume.pagesAndLinesByteEach"] = [=](const Task& t) {
            return pagesAndLines(t, 0, t.integer("extra"), 8);
        };
        // Slip: the part page counted among the full ones (one full page
        // fewer, its lines still added).
        r.solvers["volume.pagesAndLinesPartPageAmongFull"] = [=](const Task& t) {
            return pagesAndLines(t, -1, t.integer("extra"), t.integer("bits"));
        };
    }
    // The information of the message which one of `shelves` shelves of
    // `racks` racks, all equally likely, holds the book.
    r.solvers["volume.oneShelfOfAll"] = [](const Task& t) {
        const double bits = informationBits(t.integer("racks") * t.integer("shelves"));
        if (bits != std::floor(bits))
            t.fail("no whole number of bits");
        return written(bits);
    };
    // Its slips: only the rack told, counted alone; the bits of the rack and
    // of the shelf multiplied like the counts; the two counts added instead
    // of multiplied, the bits rounded up.
    r.solvers["volume.oneShelfOfAllRackOnly"] = [](const Task& t) {
        return written(informationBits(t.integer("racks")));
    };
    r.solvers["volume.oneShelfOfAllBitsMultiplied"] = [](const Task& t) {
        const double rack = informationBits(t.integer("racks"));
        const double shelf = informationBits(t.integer("shelves"));
        if (rack != std::floor(rack) || shelf != std::floor(shelf))
            t.fail("no whole number of bits for the rack or the shelf");
        return written(rack * shelf);
    };
    r.solvers["volume.oneShelfOfAllCountsAdded"] = [](const Task& t) {
        return written(double(bitsForAlphabet(t.integer("racks") + t.integer("shelves"))));
    };
    // A text sent for `minutes` minutes `seconds` seconds at `kbits` Kbit a
    // second, each character `bits` bits: its number of characters.
    r.solvers["volume.symbolsSentAtKbits"] = [](const Task& t) {
        const double seconds = double(t.integer("minutes") * 60 + t.integer("seconds"));
        const double sent =
            transferSize(double(t.integer("kbits")), Unit::Kbit, seconds, Unit::Bit);
        const double characters = sent / double(t.integer("bits"));
        if (characters != std::floor(characters))
            t.fail("no whole number of characters");
        return written(characters);
    };
    // The option is "в 2 раза", "в 16 раз": the answer is the number.
    r.readers["timesSmaller"] = [](const QString& answer, const QString& o, int, const Task&) {
        static const QRegularExpression form(R"(^в (\d+) раза?$)");
        const auto m = form.match(o);
        if (!m.hasMatch())
            throw CheckError("not a number of times: " + o);
        return number(m.captured(1)) == number(answer);
    };
    // The information of drawing one of the alike things that are not among
    // the `others` out of `total`. And its slips: the logarithm of the count
    // drawn from, or of the total, and the number of equal chances (total
    // over the count) given for the bits.
    {
        const auto part = [](const Task& t) {
            const qint64 p = t.integer("total") - t.integer("others");
            const double bits = informationBits(t.integer("total"), p);
            if (bits != qint64(bits) || informationBits(p) != qint64(informationBits(p)))
                t.fail("no whole number of bits");
            return p;
        };
        r.solvers["volume.restOfAlikeBits"] = [=](const Task& t) {
            return written(informationBits(t.integer("total"), part(t)));
        };
        r.solvers["volume.restOfAlikeBitsPartLog"] = [=](const Task& t) {
            return written(informationBits(part(t)));
        };
        r.solvers["volume.restOfAlikeBitsTotalLog"] = [=](const Task& t) {
            return written(informationBits(t.integer("total")));
        };
        r.solvers["volume.restOfAlikeBitsChances"] = [=](const Task& t) {
            return QString::number(t.integer("total") / part(t));
        };
    }
    // A message of `length` characters in `bytes` bytes, each character in
    // the least equal number of bits: the largest alphabet it may have.
    r.solvers["volume.widestAlphabetForLength"] = [](const Task& t) {
        const qint64 bits = t.integer("bytes") * 8;
        if (bits % t.integer("length"))
            t.fail("the bits do not divide among the characters");
        const qint64 per = bits / t.integer("length");
        if (per < 1 || per > 62)
            t.fail("not a code length");
        const qint64 largest = qint64(1) << per;
        if (bitsForAlphabet(largest) != per || bitsForAlphabet(largest + 1) == per)
            t.fail("the volume solver disagrees");
        return QString::number(largest);
    };
    // Its slips: the bits of a character given for the alphabet; the
    // smallest alphabet that needs those bits; two to the power one too
    // small (the largest alphabet of one bit less).
    {
        const auto bitsEach = [](const Task& t) {
            const qint64 bits = t.integer("bytes") * 8;
            if (bits % t.integer("length") || bits / t.integer("length") < 2 ||
                bits / t.integer("length") > 62)
                t.fail("no code length of two bits or more");
            return bits / t.integer("length");
        };
        r.solvers["volume.widestAlphabetBitsGiven"] = [=](const Task& t) {
            return QString::number(bitsEach(t));
        };
        r.solvers["volume.narrowestAlphabetForLength"] = [=](const Task& t) {
            const qint64 smallest = (qint64(1) << (bitsEach(t) - 1)) + 1;
            if (bitsForAlphabet(smallest) != bitsEach(t) || bitsForAlphabet(smallest - 1) == bitsEach(t))
                t.fail("the volume solver disagrees");
            return QString::number(smallest);
        };
        r.solvers["volume.widestAlphabetPowerBelow"] = [=](const Task& t) {
            return QString::number(qint64(1) << (bitsEach(t) - 1));
        };
    }
    // A picture saved again with a palette of `after` colours instead of
    // `before`: how many times less it takes.
    r.solvers["volume.repaletteShrink"] = [](const Task& t) {
        const int before = bitsForAlphabet(t.integer("before")),
                  after = bitsForAlphabet(t.integer("after"));
        if (after <= 0 || before % after)
            t.fail("the volumes are not in a whole ratio");
        return QString::number(before / after);
    };
    // Sound sent without compression: `kHz` thousand samples a second of
    // `bits` bits in each of `channels` channels for `seconds` seconds, in
    // bytes. Where `packet` is given, the sound goes in packets of `packet`
    // bytes of it, each with `service` bytes of service data more, and
    // every byte sent counts; the packets must come out whole.
    r.solvers["volume.soundBytes"] = [](const Task& t) {
        const qint64 bits =
            t.integer("kHz") * 1000 * t.integer("bits") * t.integer("channels") * t.integer("seconds");
        if (bits <= 0 || bits % 8)
            t.fail("not a whole number of bytes");
        const qint64 sound = bits / 8;
        if (!t.has("packet"))
            return QString::number(sound);
        const qint64 packet = t.integer("packet"), service = t.integer("service");
        if (packet <= 0 || service < 0 || sound % packet)
            t.fail("not a whole number of packets");
        return QString::number(sound / packet * (packet + service));
    };
    // Messages of signals of the `kinds` (a list of them), from `least` to
    // `most` signals long (words: "одной", "пяти").
    r.solvers["volume.signalsFromTo"] = [](const Task& t) {
        QStringList kinds = t.list("kinds");
        kinds.removeDuplicates();
        if (kinds.size() != t.list("kinds").size())
            t.fail("a kind of signal given twice");
        qint64 count = 0;
        for (int n = numeral(t.text("least")); n <= numeral(t.text("most")); ++n)
            count += codeCount(kinds.size(), n);
        return written(double(count));
    };
    // Its slips: the messages of the greatest length alone; the kinds times
    // the greatest length.
    r.solvers["volume.signalsLongestOnly"] = [](const Task& t) {
        return written(double(codeCount(t.list("kinds").size(), numeral(t.text("most")))));
    };
    // The places left without a signal taken as one more kind: codes of the
    // greatest length over the kinds and the pause.
    r.solvers["volume.signalsPauseAsKind"] = [](const Task& t) {
        return written(double(codeCount(t.list("kinds").size() + 1, numeral(t.text("most")))));
    };
    r.solvers["volume.signalsKindsTimesLength"] = [](const Task& t) {
        return written(double(t.list("kinds").size() * numeral(t.text("most"))));
    };
    // `mbytes` Мбайт ("0,5") of free space, into which files of `kbytes`
    // Кбайт and of `kbits` Кбит are written: the space left in Кбайт. Its
    // slips: Кбит brought to Кбайт by 1024, not 8; the answer left in
    // Кбит; all counted in Кбит but the `kbytes` left as they stand.
    {
        const auto freeSpace = [](const Task& t, double kbitsAKbyte, bool inKbits,
                                  bool kbytesUnconverted) {
            const double mbytes = QString(t.text("mbytes")).replace(',', '.').toDouble();
            const double free = convert(mbytes, Unit::Mbyte, Unit::Kbyte);
            const double kbytes = double(t.integer("kbytes")), kbits = double(t.integer("kbits"));
            double left = free - kbytes - kbits / kbitsAKbyte;
            if (inKbits)
                left *= 8;
            if (kbytesUnconverted)
                left = (free * 8 - kbytes - kbits) / 8;
            if (left <= 0 || left != std::floor(left))
                t.fail("the space left is no whole positive number");
            return written(left);
        };
        r.solvers["volume.freeSpaceLeft"] = [=](const Task& t) {
            return freeSpace(t, 8, false, false);
        };
        r.solvers["volume.freeSpaceKbitsBy1024"] = [=](const Task& t) {
            return freeSpace(t, 1024, false, false);
        };
        r.solvers["volume.freeSpaceInKbits"] = [=](const Task& t) {
            return freeSpace(t, 8, true, false);
        };
        r.solvers["volume.freeSpaceKbytesUnconverted"] = [=](const Task& t) {
            return freeSpace(t, 8, false, true);
        };
    }
    // A file of `file` Кбайт cut in two parts sent at once, the first at
    // `bitRate` bits a second, the second at `kbyteRate` Кбайт a second
    // (1 Кбайт = 1024 байта), the parts such that both end together: the
    // first part in Кбайт. Refused where it is no whole number.
    r.solvers["volume.parallelFirstPart"] = [](const Task& t) {
        const qint64 file = t.integer("file"), first = t.integer("bitRate");
        const qint64 second = t.integer("kbyteRate") * bitsIn(Unit::Kbyte);
        if (file <= 0 || first <= 0 || second <= 0)
            t.fail("no file or a channel without a rate");
        if (file * first % (first + second))
            t.fail("the first part is no whole number of Кбайт");
        return QString::number(file * first / (first + second));
    };
    // A file sent over a line at `rate` bits a second for `seconds`
    // seconds, each byte framed into `lineBits` line bits: its size in
    // whole Kbytes (1 Kbyte = 1024 bytes).
    r.solvers["volume.framedTransferKbytes"] = [](const Task& t) {
        const qint64 bits = t.integer("rate") * t.integer("seconds");
        const qint64 framed = t.integer("lineBits");
        if (framed <= 8 || bits % framed || (bits / framed) % 1024)
            t.fail("the size is no whole number of Kbytes");
        return QString::number(bits / framed / 1024);
    };
    // A file of `size` Mbytes sent at `rate` Kbits a second as it is, or
    // packed to `share` per cent in `pack` seconds, sent and unpacked in
    // `unpack` seconds: by how many seconds the faster way wins.
    r.solvers["volume.packOrNot"] = [](const Task& t) {
        const double plain = transferSeconds(double(t.integer("size")), Unit::Mbyte,
                                             double(t.integer("rate")), Unit::Kbit);
        const double packed = double(t.integer("pack")) + plain * double(t.integer("share")) / 100 +
                              double(t.integer("unpack"));
        const double gain = std::abs(plain - packed);
        if (gain != std::floor(gain) || gain == 0 || plain != std::floor(plain) ||
            packed != std::floor(packed))
            t.fail("the times are not whole, or the two ways take as long");
        return written(gain);
    };
    // A file of `size` Кбайт (1 Кбайт = 1024 байта) sent at one rate from
    // the clock time `start` to the clock time `end` (Ч:ММ:СС), the end
    // on the next day where it is not later than the start: the rate in
    // bits a second. Refused where it is no whole number.
    r.solvers["volume.rateFromClock"] = [](const Task& t) {
        static const QRegularExpression clock(R"(^(\d{1,2}):([0-5]\d):([0-5]\d)$)");
        const auto seconds = [&](const QString& given) {
            const auto m = clock.match(t.text(given));
            if (!m.hasMatch() || m.captured(1).toInt() > 23)
                t.fail(given + " is not a time of day: " + t.text(given));
            return m.captured(1).toLongLong() * 3600 + m.captured(2).toLongLong() * 60 +
                   m.captured(3).toLongLong();
        };
        const qint64 start = seconds("start"), end = seconds("end");
        if (end == start)
            t.fail("the transfer starts and ends at one time");
        const qint64 time = end > start ? end - start : end + 86400 - start;
        const qint64 bits = t.integer("size") * 8192;
        if (bits % time)
            t.fail("the rate is no whole number of bits a second");
        return QString::number(bits / time);
    };
    // A file of `file` Кбайт relayed from A through В to Б: channel 1 at
    // `rates.1` bit/s, channel 2 at `rates.2` bit/s, В forwarding without
    // pause once it holds `buffer` Кбайт (1 Кбайт = 1024 байта): the whole
    // seconds until Б holds the file. Refused where channel 2 would ever
    // wait for data, or the time is no whole number of seconds.
    r.solvers["volume.relaySeconds"] = [](const Task& t) {
        const QStringList rates = t.list("rates");
        if (rates.size() != 2)
            t.fail("not two channel rates");
        const qint64 first = rates[0].toLongLong(), second = rates[1].toLongLong();
        const qint64 file = t.integer("file") * 8192, buffer = t.integer("buffer") * 8192;
        if (first <= 0 || second <= 0 || buffer <= 0 || buffer >= file)
            t.fail("the rates or the sizes make no relay");
        // Channel 2 catches up with what has arrived after buffer / (second
        // − first) seconds of forwarding; it must not before the file is sent.
        if (second > first && second * buffer < file * (second - first))
            t.fail("channel 2 would wait for data");
        const qint64 bits = buffer * second + file * first, rate = first * second;
        if (bits % rate)
            t.fail("the time is no whole number of seconds");
        return QString::number(bits / rate);
    };
    // The largest square picture with a palette of `colours` colours that
    // takes at most `kbytes` Кбайт (1 Кбайт = 1024 байта): "side × side";
    // and its slips: the colours taken as the bits of a pixel, a whole byte
    // a pixel, the bytes not turned into bits (× 8 forgotten).
    const auto largestSquare = [](qint64 bits, qint64 bitsPerPixel) {
        const qint64 pixels = bits / bitsPerPixel;
        qint64 side = qint64(std::sqrt(double(pixels)));
        while (side * side > pixels)
            --side;
        while ((side + 1) * (side + 1) <= pixels)
            ++side;
        return QString("%1 × %1").arg(side);
    };
    r.solvers["volume.largestSquare"] = [largestSquare](const Task& t) {
        return largestSquare(t.integer("kbytes") * 8192, bitsForAlphabet(t.integer("colours")));
    };
    r.solvers["volume.largestSquareByteAPixel"] = [largestSquare](const Task& t) {
        return largestSquare(t.integer("kbytes") * 8192, 8);
    };
    r.solvers["volume.largestSquareBytesAsBits"] = [largestSquare](const Task& t) {
        return largestSquare(t.integer("kbytes") * 1024, bitsForAlphabet(t.integer("colours")));
    };
    // Slip: the palette left out, one bit a pixel.
    r.solvers["volume.largestSquareBitAPixel"] = [largestSquare](const Task& t) {
        return largestSquare(t.integer("kbytes") * 8192, 1);
    };
    // The least alphabet whose codes of `length` (a word: "двух") symbols
    // tell apart `count` things; its slips: the count divided by the code
    // length, one symbol a thing, the root rounded down (below).
    r.solvers["volume.leastAlphabetForCodes"] = [](const Task& t) {
        const qint64 cells = t.integer("count");
        const int length = numeral(t.text("length"));
        if (cells < 2 || length < 1)
            t.fail("nothing to tell apart");
        qint64 symbols = 2;
        while (leastCodeLength(symbols, cells) > length)
            ++symbols;
        return QString::number(symbols);
    };
    r.solvers["volume.leastAlphabetCellsPerSymbol"] = [](const Task& t) {
        const qint64 cells = t.integer("count");
        const int length = numeral(t.text("length"));
        if (length < 1 || cells % length)
            t.fail("the cells do not divide by the code length");
        return QString::number(cells / length);
    };
    r.solvers["volume.leastAlphabetOneSymbolACell"] = [](const Task& t) {
        return QString::number(t.integer("count"));
    };

    // A text file of `records` lines, each of fields of fixed widths
    // (`widths`, in characters), then a date laid out as `date` (ДД.ММ.ГГГГ:
    // a character for each sign), then one line-end character; `bits` bits
    // a character: the volume in bits; its slips: the line ends taken as
    // two characters each, the date's separators left out (its letters
    // counted only), the date left out.
    enum class RecordSlip { None, LineEndTwice, Separators, Date };
    const auto textRecords = [](const Task& t, RecordSlip slip) {
        const QString date = t.text("date");
        const qint64 letters =
            std::count_if(date.begin(), date.end(), [](QChar c) { return c.isLetter(); });
        if (letters == 0 || letters == date.size())
            t.fail("the date is not letters with separators: " + date);
        qint64 characters = slip == RecordSlip::LineEndTwice ? 2 : 1;
        for (const QString& w : t.list("widths"))
            characters += number(w);
        characters += slip == RecordSlip::Date         ? 0
                      : slip == RecordSlip::Separators ? letters
                                                       : date.size();
        return written(double(textBits(characters * t.integer("records"), t.integer("bits"))));
    };
    r.solvers["volume.textRecords"] = [=](const Task& t) {
        return textRecords(t, RecordSlip::None);
    };
    r.solvers["volume.textRecordsDateSeparatorsLeftOut"] = [=](const Task& t) {
        return textRecords(t, RecordSlip::Separators);
    };
    r.solvers["volume.textRecordsDateLeftOut"] = [=](const Task& t) {
        return textRecords(t, RecordSlip::Date);
    };
    // A slip that over-counts: the line end taken as two characters (a
    // carriage return and a line feed) where the task says one.
    r.solvers["volume.textRecordsLineEndsDoubled"] = [=](const Task& t) {
        return textRecords(t, RecordSlip::LineEndTwice);
    };
    // `main` objects of a rarer kind, all of them among the `winning` kind;
    // the message that the one drawn is of the rarer kind carries
    // `mainBits` bits, that it is of the winning kind `winBits`: how many
    // are not of the winning kind; its slips: only the rarer ones taken
    // off, nothing taken off, the rarer ones taken off a second time.
    const auto twoMessages = [](const Task& t) {
        const qint64 main = t.integer("main"), mainBits = t.integer("mainBits"),
                     winBits = t.integer("winBits");
        if (main < 1 || winBits < 1 || mainBits <= winBits || mainBits > 40)
            t.fail("the rarer kind must carry more bits than the winning kind");
        const qint64 all = main << mainBits;
        return std::pair{all, all >> winBits};
    };
    r.solvers["volume.twoMessagesOthers"] = [=](const Task& t) {
        const auto [all, winning] = twoMessages(t);
        return QString::number(all - winning);
    };
    r.solvers["volume.twoMessagesOnlyRarerOff"] = [=](const Task& t) {
        const auto [all, winning] = twoMessages(t);
        (void)winning;
        return QString::number(all - t.integer("main"));
    };
    r.solvers["volume.twoMessagesAll"] = [=](const Task& t) {
        const auto [all, winning] = twoMessages(t);
        (void)winning;
        return QString::number(all);
    };
    r.solvers["volume.twoMessagesRarerTwice"] = [=](const Task& t) {
        const auto [all, winning] = twoMessages(t);
        return QString::number(all - winning - t.integer("main"));
    };
    // `count` numbers from 1 to `participants` logged as text, `digits`
    // characters of 8 bits each, or in the fewest equal binary digits: by
    // how many bits the binary log is smaller; its slips: the binary log,
    // the binary log at 8 bits a number, the binary log with a bit too few
    // (the bits of the largest power of two below `participants`).
    const auto logs = [](const Task& t) {
        if (QString::number(t.integer("participants")).size() > t.integer("digits"))
            t.fail("the numbers do not fit their digits");
        return std::pair{t.integer("count") * t.integer("digits") * 8,
                         t.integer("count") * bitsForAlphabet(t.integer("participants"))};
    };
    r.solvers["volume.textLogShrink"] = [=](const Task& t) {
        const auto [text, binary] = logs(t);
        return QString::number(text - binary);
    };
    r.solvers["volume.binaryLogOnly"] = [=](const Task& t) {
        return QString::number(logs(t).second);
    };
    r.solvers["volume.textLogShrinkByteANumber"] = [=](const Task& t) {
        return QString::number(logs(t).first - t.integer("count") * 8);
    };
    r.solvers["volume.textLogShrinkBitsRoundedDown"] = [=](const Task& t) {
        const qint64 n = t.integer("participants");
        if ((n & (n - 1)) == 0)
            t.fail("a power of two takes no rounding");
        const auto [text, binary] = logs(t);
        return QString::number(text - binary + t.integer("count"));
    };
    // A photograph of `inches` (its two sides) scanned at `dpi` points an
    // inch, `depth` bits a point: the volume in bits; its slips: the
    // resolution applied once to the area, the bits read as bytes, a point
    // stored in four whole bytes.
    const auto scanned = [](const Task& t) {
        const QStringList sides = t.list("inches");
        if (sides.size() != 2)
            t.fail("not two sides");
        const qint64 dpi = t.integer("dpi");
        return number(sides[0]) * dpi * number(sides[1]) * dpi * t.integer("depth");
    };
    r.solvers["volume.scanned"] = [=](const Task& t) { return QString::number(scanned(t)); };
    r.solvers["volume.scannedOneSide"] = [=](const Task& t) {
        return QString::number(scanned(t) / t.integer("dpi"));
    };
    r.solvers["volume.scannedBitsAsBytes"] = [=](const Task& t) {
        return QString::number(scanned(t) * 8);
    };
    r.solvers["volume.scannedFourBytes"] = [=](const Task& t) {
        if (t.integer("depth") >= 32)
            t.fail("a point takes four bytes or more anyway");
        return QString::number(scanned(t) / t.integer("depth") * 32);
    };
}

} // namespace zut::check
