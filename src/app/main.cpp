#include "AppCore.h"
#include "MainWindow.h"
#include "Version.h"
#include "render/FontFolder.h"
#include "workbench/SettingsLifecycle.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

using namespace ornadeck;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ornadeck");
    QApplication::setApplicationVersion(app::kVersion);
    QGuiApplication::setDesktopFileName("ornadeck");

    QCommandLineParser parser;
    parser.setApplicationDescription("Ornadeck, a designer for the forms of PocketC programs.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("files", "Projects (.ozp) or forms (.ozf) to open.",
                                 "[PROJECT.ozp | FORM.ozf ...]");
    parser.process(application);

    const std::filesystem::path folder = app::toPath(QCoreApplication::applicationDirPath());
    app::AppCore core(fontFolderFor(folder), settingsFilePath(folder));
    app::MainWindow window(core);
    window.start();
    // Without a window manager "maximized" means nothing: fill the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    window.openPaths(parser.positionalArguments());
    return QApplication::exec();
}
