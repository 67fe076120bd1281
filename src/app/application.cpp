// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "windowset.h"

#include "probe/startupprobe.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <optional>

namespace zut {

namespace {

// The program's windows are plain widgets, which a screen reader would be
// told are a client area: they are windows (named by their title, or by
// their accessible name where the title bar is empty).
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("zut::Window") && object->isWidgetType())
        return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void prepareEnvironment() {
    qputenv("QT_FONT_DPI", "96");
}

const std::vector<FontMapping>& fontMappings() {
    static const std::vector<FontMapping> mappings = {
        {"Times New Roman", "Liberation Serif", "LiberationSerif-"},
        {"Century Schoolbook", "C059", "C059-"},
        {"Tahoma", "Tahoma", "tahoma"}, // Wine's Tahoma carries the name itself
    };
    return mappings;
}

const QStringList& titleWindowFamilies() {
    static const QStringList families = {"Tahoma", "Century Schoolbook"};
    return families;
}

namespace {

QStringList& registeredFiles() {
    static QStringList files;
    return files;
}

QStringList& registeredFamilies() {
    static QStringList families;
    return families;
}

// Registers the embedded font files whose names start with `prefix` (all
// where it is empty) that are not registered yet.
void registerFiles(const QString& prefix) {
    const QDir dir(":/fonts");
    for (const QString& file : dir.entryList({"*.ttf", "*.otf"}, QDir::Files)) {
        if (!file.startsWith(prefix) || registeredFiles().contains(file))
            continue;
        registeredFiles() << file;
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        for (const QString& f : QFontDatabase::applicationFontFamilies(id))
            if (!registeredFamilies().contains(f))
                registeredFamilies() << f;
    }
}

} // namespace

QStringList embeddedFamilies() {
    registerFiles(QString());
    return registeredFamilies();
}

void initApplication(Fonts fonts) {
    if (fonts == Fonts::TitleWindowFirst) {
        for (const auto& m : fontMappings())
            if (titleWindowFamilies().contains(m.layoutFamily))
                registerFiles(m.files);
    } else {
        embeddedFamilies();
    }
    for (const auto& m : fontMappings())
        if (m.layoutFamily != m.embeddedFamily)
            QFont::insertSubstitution(m.layoutFamily, m.embeddedFamily);

    QFont font("Tahoma");
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(font);

    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setQuitOnLastWindowClosed(false);
    QAccessible::installFactory(windowInterface);
}

int run(int argc, char** argv) {
    prepareEnvironment();
    QApplication app(argc, argv);
    initApplication(Fonts::TitleWindowFirst);
    // A window that cannot be built (a layout or content fault the build
    // did not catch) ends the program at once, saying why, rather than in
    // std::terminate. Only the building is guarded: the toolkit's event
    // loop is not exception-safe, so the handlers throw nothing.
    std::optional<WindowSet> windows;
    try {
        windows.emplace();
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "Программа не может начать работу: %s\n", fault.what());
        return 1;
    }
    probe::mark("built");
    probe::markWhenLoopRuns();
    const int status = QApplication::exec();
    windows.reset(); // the windows go before the application object
    return status;
}

} // namespace zut
