// SPDX-License-Identifier: GPL-3.0-or-later
// zut-draw: draws one picture of the program from its source.
//
//   zut-draw bitmap SOURCE.svg OUT.bmp WIDTH HEIGHT BITS   (BITS 24 or 8)
//   zut-draw icon SOURCE.svg OUT.png SIZE   (the desktop icon, transparent ground)
//   zut-draw title BOOKS.svg FONT OUT.jpg
//   zut-draw content PAPER.yaml OUTDIR SOURCES FONTDIR [LIST.qrc [record]]
//       (every picture of a paper; with LIST, the resource file that embeds
//       them under /pictures, each vector picture as its QPicture recording
//       where `record` is given, for a build without Qt Svg)
//   zut-draw winicon SOURCE.svg OUT.ico   (the Windows icon: 16, 32, 48 and 256 px)
//   zut-draw record DRAWING.svg OUT FONTDIR   (a QPicture recording, for a build without Qt Svg)
//
// Runs on the offscreen platform; the build calls it for every picture.
#include "bitmap.h"
#include "datapictures.h"
#include "title.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <QXmlStreamWriter>

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

// A Windows icon file holding the drawing at each size Explorer asks for,
// each image stored as PNG (which every Windows since Vista reads).
void writeIcon(const QString& svg, const QString& path) {
    const QList<int> sizes{16, 32, 48, 256};
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!draw::render(svg, size, size).save(&buffer, "png"))
            throw std::runtime_error("cannot encode the icon");
        pngs.append(buffer.data());
    }
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(sizes.size()); // reserved, type: icon, count
    quint32 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] == 256 ? 0 : sizes[i]); // 0 stands for 256
        s << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
          << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        out.append(png);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// The resource file that embeds the drawn `files` (all under `outDir`) by
// their names there, so that the build's list of a paper's pictures is the
// list this tool drew. With `recordVectors`, each SVG is embedded as its
// QPicture recording, written beside the list, under the SVG's own name.
void writeResourceList(const QStringList& files, const QString& outDir, const QString& list,
                       bool recordVectors) {
    const QDir listDir = QFileInfo(list).absoluteDir();
    QDir().mkpath(listDir.path());
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD("<!DOCTYPE RCC>");
    xml.writeStartElement("RCC");
    xml.writeStartElement("qresource");
    xml.writeAttribute("prefix", "/pictures");
    for (const QString& file : files) {
        const QString name = QDir(outDir).relativeFilePath(file);
        QString embedded = file;
        if (recordVectors && name.endsWith(".svg")) {
            embedded = listDir.filePath("recordings/" + name);
            QDir().mkpath(QFileInfo(embedded).path());
            draw::record(file, embedded);
        }
        xml.writeStartElement("file");
        xml.writeAttribute("alias", name);
        xml.writeCharacters(listDir.relativeFilePath(embedded));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    QFile out(list);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        throw std::runtime_error("cannot write " + list.toStdString());
}

// The pictures' text is set in the fonts the program embeds.
void addEmbeddedFonts(const QString& dir) {
    for (const QFileInfo& f : QDir(dir).entryInfoList({"*.ttf", "*.otf"}))
        QFontDatabase::addApplicationFont(f.filePath());
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
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
        } else if (args.size() >= 5 && args.size() <= 7 && args[0] == "content") {
            const bool recordVectors = args.size() == 7;
            if (recordVectors && args[6] != "record")
                throw std::runtime_error("the last word must be \"record\"");
            addEmbeddedFonts(args[4]);
            const QStringList files = draw::drawContentPictures(args[1], args[2], args[3]);
            if (args.size() >= 6)
                writeResourceList(files, args[2], args[5], recordVectors);
        } else if (args.size() == 3 && args[0] == "winicon") {
            writeIcon(args[1], args[2]);
        } else if (args.size() == 4 && args[0] == "record") {
            addEmbeddedFonts(args[3]);
            draw::record(args[1], args[2]);
        } else if (args.size() == 4 && args[0] == "title") {
            write(draw::drawTitle(args[1], args[2]), args[3], "jpg", 92);
        } else {
            std::fputs(
                "usage: zut-draw bitmap SOURCE.svg OUT.bmp WIDTH HEIGHT BITS\n"
                "       zut-draw icon SOURCE.svg OUT.png SIZE\n"
                "       zut-draw title BOOKS.svg FONT OUT.jpg\n"
                "       zut-draw content PAPER.yaml OUTDIR SOURCES FONTDIR [LIST.qrc [record]]\n"
                "       zut-draw winicon SOURCE.svg OUT.ico\n"
                "       zut-draw record DRAWING.svg OUT FONTDIR\n",
                stderr);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zut-draw: %s\n", e.what());
        return 1;
    }
    return 0;
}
