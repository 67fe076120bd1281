// Tasks on the volume of information: texts, codes, measurements, pictures
// and transfers. Answers are in bits, compared with an option's volume.
#include "error.h"
#include "taskcheck.h"
#include "volume.h"

namespace zut::check {

void addVolume(Registry& r) {
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
    // `count` measurements, each a whole number from `low` to `high`, in
    // the least equal number of bits each.
    r.solvers["volume.measurements"] = [](const Task& t) {
        const qint64 values = t.integer("high") - t.integer("low") + 1;
        return written(double(messageBits(t.integer("count"), values)));
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
}

} // namespace zut::check
