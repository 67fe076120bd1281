// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the whole page of a paper to PNG strips, for looking at it from
// top to bottom: pageshot <paper reference or "fixture"> <folder>.
// `pageshot windows <folder>` renders each of the fourteen windows as it
// stands after start, one PNG each, named by its reference, for comparing
// two builds pixel by pixel.
// Beside a paper's strips it writes <paper>-texts.txt: every visible text of
// the page in reading order, with the height it stands at, for reading a
// paper without the pictures (an index label keeps its "101{_2}" form).
#include "paper/paper.h"
#include "papertest.h"
#include "app/application.h"
#include "windows/paperlinks.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

namespace {
const zut::AnswerKey noKey{};

// The visible texts of a page, one line each, with the height they stand at.
QStringList pageTexts(QWidget* page) {
    QStringList lines;
    for (const auto& [y, text] : visibleTexts(page))
        lines << QString("[%1] %2").arg(y).arg(text);
    return lines;
}
const zut::PaperSpec fixtureSpec{.reference = "fixture",
                                 .caption = "Проба",
                                 .client = {1019, 706},
                                 .bottomBarY = 666,
                                 .bevel1Top = 1,
                                 .bevel2Left = 0,
                                 .bevel2Width = 696,
                                 .rezultLeft = 20,
                                 .page = {.left = 1,
                                          .width = 1016,
                                          .height = 7919,
                                          .part2Y = 4778,
                                          .part3Y = 6689,
                                          .storedScroll = 0,
                                          .heading = {401, 9},
                                          .headingText = "Тест",
                                          .variantText = nullptr},
                                 .content = ":/papers/fixture.yaml",
                                 .key = noKey,
                                 .backTo = [] { return static_cast<zut::Window*>(nullptr); },
                                 .links = paperLinks};
class FixturePaper : public zut::Paper {
public:
    FixturePaper()
        : Paper(fixtureSpec) {}
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zut::prepareEnvironment();
    QApplication app(argc, argv);
    zut::initApplication();
    if (argc < 3) {
        qWarning("usage: pageshot <paper|fixture> <folder>");
        return 2;
    }
    const QString which = argv[1];
    const QDir out(argv[2]);
    QDir().mkpath(out.path());
    if (which == "windows") {
        zut::WindowSet set;
        for (QWidget* w : set.windows()) {
            w->ensurePolished();
            const QString file = out.filePath(w->objectName() + ".png");
            w->grab().save(file);
            printf("%s\n", qPrintable(file));
        }
        return 0;
    }
    std::unique_ptr<zut::WindowSet> set;
    std::unique_ptr<FixturePaper> fixture;
    zut::Paper* paper = nullptr;
    if (which == "fixture") {
        fixture = std::make_unique<FixturePaper>();
        paper = fixture.get();
    } else {
        set = std::make_unique<zut::WindowSet>();
        for (zut::Paper* p : papers())
            if (p->objectName() == which)
                paper = p;
    }
    if (!paper) {
        qWarning("no paper %s", qPrintable(which));
        return 2;
    }
    for (const QString& problem : paper->page()->problems())
        qWarning("%s", qPrintable(problem));
    QWidget* page = paper->page()->widget();
    page->ensurePolished();
    const QPixmap all = page->grab();
    const int strip = 1000;
    for (int y = 0, n = 1; y < all.height(); y += strip, ++n) {
        const QString file =
            out.filePath(QString("%1-%2.png").arg(which).arg(n, 2, 10, QChar('0')));
        all.copy(0, y, all.width(), std::min(strip, int(all.height() - y))).save(file);
        printf("%s\n", qPrintable(file));
    }
    QFile texts(out.filePath(which + "-texts.txt"));
    if (!texts.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning("cannot write %s", qPrintable(texts.fileName()));
        return 1;
    }
    texts.write(pageTexts(page).join('\n').toUtf8() + '\n');
    printf("%s\n", qPrintable(texts.fileName()));
    return 0;
}
