// zut-draw: draws one picture of the program from its source.
//
//   zut-draw bitmap SOURCE.svg OUT.bmp WIDTH HEIGHT BITS   (BITS 24 or 8)
//   zut-draw icon SOURCE.svg OUT.png SIZE   (the desktop icon, transparent ground)
//   zut-draw title BOOKS.svg FONT OUT.jpg
//   zut-draw content PAPER.yaml OUTDIR SOURCES FONTDIR   (every picture of a paper)
//
// Runs on the offscreen platform; the build calls it for every picture.
#include "bitmap.h"
#include "datapictures.h"
#include "title.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <stdexcept>

namespace {

int number(const char* text) {
    bool ok = false;
    const int n = QString::fromLocal8Bit(text).toInt(&ok);
    if (!ok || n <= 0)
        throw std::runtime_error(std::string("not a size: ") + text);
    return n;
}

void write(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        if (args.size() == 6 && args[0] == "bitmap") {
            const int bits = number(argv[6]);
            if (bits != 24 && bits != 8)
                throw std::runtime_error("BITS must be 24 or 8");
            const QImage image = draw::renderOnGround(args[1], number(argv[4]), number(argv[5]));
            write(bits == 8 ? draw::toIndexed(image) : image, args[2], "bmp");
        } else if (args.size() == 4 && args[0] == "icon") {
            const int size = number(argv[4]);
            write(draw::render(args[1], size, size), args[2], "png");
        } else if (args.size() == 5 && args[0] == "content") {
            // The pictures' text is set in the fonts the program embeds.
            for (const QFileInfo& f : QDir(args[4]).entryInfoList({"*.ttf", "*.otf"}))
                QFontDatabase::addApplicationFont(f.filePath());
            QFont::insertSubstitution("Times New Roman", "Liberation Serif");
            draw::drawContentPictures(args[1], args[2], args[3]);
        } else if (args.size() == 4 && args[0] == "title") {
            write(draw::drawTitle(args[1], args[2]), args[3], "jpg", 92);
        } else {
            std::fputs("usage: zut-draw bitmap SOURCE.svg OUT.bmp WIDTH HEIGHT BITS\n"
                       "       zut-draw icon SOURCE.svg OUT.png SIZE\n"
                       "       zut-draw title BOOKS.svg FONT OUT.jpg\n"
                       "       zut-draw content PAPER.yaml OUTDIR SOURCES FONTDIR\n",
                       stderr);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zut-draw: %s\n", e.what());
        return 1;
    }
    return 0;
}
