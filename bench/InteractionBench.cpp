// Each interaction of the desktop designer on a 500-control form at 4x, from the event to
// the view drawn again: a drag step, an arrow nudge, undo, an inspector keystroke, a zoom
// step and the Checks dock. Runs offscreen: QT_QPA_PLATFORM=offscreen interaction_bench
#include "AppCore.h"
#include "BigProject.h"
#include "MainWindow.h"
#include "checks/ChecksDock.h"
#include "formfile/FormFile.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace ornadeck::app {
namespace {

// One program with the big form open, shared by every benchmark.
struct Session {
    QTemporaryDir folder;
    std::unique_ptr<AppCore> core;
    std::unique_ptr<MainWindow> window;
    DesignerView* view = nullptr;
    Control* grabbed = nullptr;

    Session() {
        const bench::BigProject big(Library::PToolboxLib, 1, 500);
        const std::filesystem::path form = folder.filePath("Big.ozf").toStdString();
        (void)saveFormFile(*big.forms.front(), form, *big.kits.current().sections);
        core = std::make_unique<AppCore>(ORNADECK_SOURCE_DIR "/fonts",
                                         folder.filePath("options.ini").toStdString());
        window = std::make_unique<MainWindow>(*core);
        window->start();
        window->resize(1280, 1024);
        window->show();
        window->openPaths({QString::fromStdString(form.string())});
        view = window->views().activeView();
        view->setZoom(4);
        grabbed = core->workspace.forms.front()->surfaceControls().back();
        click(centre());
        QApplication::processEvents();
    }
    Point centre() const {
        return {grabbed->left() + grabbed->width() / 2, grabbed->top() + grabbed->height() / 2};
    }
    QPointF at(Point p) const { return view->mapping().fromSurface(p); }
    void send(QEvent::Type type, Point p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at(p), view->mapToGlobal(at(p)), button, held, {});
        QApplication::sendEvent(view, &e);
    }
    void click(Point p) {
        send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    // What the user sees: the view painted now, not when the event loop gets to it.
    void drawn() { view->repaint(); }
};

Session& session() {
    static Session s;
    return s;
}

void BM_DragStep(benchmark::State& state) {
    Session& s = session();
    const Point from = s.centre();
    s.send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        s.send(QEvent::MouseMove, {from.x + 8 * step, from.y}, Qt::NoButton, Qt::LeftButton);
        s.drawn();
    }
    s.send(QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

void BM_ArrowNudge(benchmark::State& state) {
    Session& s = session();
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        QTest::keyClick(s.view, step ? Qt::Key_Right : Qt::Key_Left);
        s.drawn();
    }
}
BENCHMARK(BM_ArrowNudge)->Unit(benchmark::kMillisecond);

// Undo and redo take turns, so the form neither runs out of steps nor grows.
void BM_UndoOrRedo(benchmark::State& state) {
    Session& s = session();
    QTest::keyClick(s.view, Qt::Key_Right);
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        s.window->command(step ? CommandId::Undo : CommandId::Redo)->trigger();
        s.drawn();
    }
}
BENCHMARK(BM_UndoOrRedo)->Unit(benchmark::kMillisecond);

void BM_InspectorKeystroke(benchmark::State& state) {
    Session& s = session();
    s.click(s.centre());
    auto* line = qobject_cast<QLineEdit*>(s.window->docks().inspector().openEditor("Left"));
    if (!line) {
        state.SkipWithError("no Left cell");
        return;
    }
    const QString left = line->text();
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        QTest::keyClick(line, step ? Qt::Key_1 : Qt::Key_Backspace);
        s.drawn();
    }
    // Back to where it was, the editor closed, so the next run opens its own.
    line->setText(left);
    emit line->textEdited(left);
    QTest::keyClick(line, Qt::Key_Escape);
    QApplication::processEvents();
}
BENCHMARK(BM_InspectorKeystroke)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State& state) {
    Session& s = session();
    int step = 0;
    for (auto _ : state) {
        step ^= 1;
        s.window->command(step ? CommandId::ZoomOut : CommandId::ZoomIn)->trigger();
        s.drawn();
    }
    s.view->setZoom(4);
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

void BM_ChecksRefresh(benchmark::State& state) {
    Session& s = session();
    s.window->checks().show();
    for (auto _ : state)
        s.window->checks().checkNow();
    state.counters["findings"] = static_cast<double>(s.window->checks().findings().size());
}
BENCHMARK(BM_ChecksRefresh)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ornadeck::app

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
