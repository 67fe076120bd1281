// zut-icon: draws the program's icon for the desktop's icon theme.
//
//   zut-icon SOURCE.svg OUT.png SIZE
//
// The drawing is rendered square at SIZE pixels on a transparent ground and
// written as PNG. (The button pictures of tools/draw go on a white ground
// instead, as the windows want them.)
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool ok = false;
    const int size = args.size() == 3 ? args[2].toInt(&ok) : 0;
    if (!ok || size <= 0 || size > 4096) {
        std::fputs("usage: zut-icon SOURCE.svg OUT.png SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "zut-icon: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&p, QRectF(0, 0, size, size));
    }
    QImageWriter writer(args[1], "png");
    if (!writer.write(icon.convertToFormat(QImage::Format_ARGB32))) {
        std::fprintf(stderr, "zut-icon: cannot write %s: %s\n", qPrintable(args[1]),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
