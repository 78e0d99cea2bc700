// Times the desktop program opening a project, in process: from the open command to every
// designer window shown and drawn. open_project_timer FONTS_DIR PROJECT.ozp
#include "AppCore.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace ornadeck;
    using Clock = std::chrono::steady_clock;
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: open_project_timer FONTS_DIR PROJECT.ozp\n");
        return 2;
    }
    QTemporaryDir settings;
    app::AppCore core(argv[1], settings.filePath("options.ini").toStdString());
    app::MainWindow window(core);
    window.start();
    window.resize(1024, 768);
    window.show();
    QApplication::processEvents();

    const auto start = Clock::now();
    window.openPaths({QDir::current().absoluteFilePath(argv[2])});
    QApplication::processEvents();
    // grab() paints every visible window now, so each designer picture has been drawn.
    window.grab();
    const auto end = Clock::now();

    const auto* area = window.findChild<QMdiArea*>();
    int shown = 0;
    for (const QMdiSubWindow* sub : area ? area->subWindowList() : QList<QMdiSubWindow*>{})
        shown += sub->isVisible() ? 1 : 0;
    std::printf("%d windows shown in %.1f ms\n", shown,
                std::chrono::duration<double, std::milli>(end - start).count());
    return shown > 0 ? 0 : 1;
}
