#pragma once

#include "AppCore.h"
#include "KindToolBar.h"
#include "MainWindow.h"
#include "engine/Engine.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "model/Form.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "views/DesignerView.h"
#include "views/DesignerViews.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace ornadeck::app::test {

inline std::filesystem::path sourceDir() { return ORNADECK_SOURCE_DIR; }
inline std::filesystem::path fontsDir() { return sourceDir() / "fonts"; }

// Runs `act` on the modal window once it is up (the caller then opens it).
inline void whenModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
    });
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The desktop program as a user meets it, with a script answering every dialog.
class AppFixture : public testing::Test {
  protected:
    AppFixture() { launch(); }
    ~AppFixture() override { shutDown(); }

    void launch() {
        // Recovery files go to the test's own folder, never the user's.
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(stateHome.string()));
        core = std::make_unique<AppCore>(fontsDir(), temp.path() / "options.ini");
        core->ui.setScript(&ui);
        window = std::make_unique<MainWindow>(*core);
        window->start();
        window->resize(1024, 768);
        window->show();
    }
    // Quits as the user would (answering the prompt from the script) and drops the window.
    void shutDown() {
        if (!window) return;
        // Never save anything on the way out: some tests open the shipped examples.
        ui.answers = {Answer::No};
        window->close();
        window.reset();
        core.reset();
    }
    void restart() {
        shutDown();
        launch();
    }

    // Opens a copy of a shipped example ("ptoolbox/Palm.ozp"). Never the example itself: an
    // open project is locked, and the lock file would land in the source tree, where other
    // tests running at the same time copy the examples from.
    void openExampleCopy(const std::string& project) {
        const std::filesystem::path source = sourceDir() / "examples" / project;
        const std::filesystem::path folder =
            temp.path() / "examples" / source.parent_path().filename();
        std::filesystem::create_directories(folder);
        std::filesystem::copy(source.parent_path(), folder,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        window->openPaths({QString::fromStdString((folder / source.filename()).string())});
    }

    void trigger(const char* id) {
        QAction* a = window->command(id);
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    // A new project of the library, as its dialog makes one; its first form's view is active.
    void newProject(Library library) {
        ui.library = library;
        trigger("mnuNewProject");
    }
    // A property as the inspector reads it (Palm coordinates where the kind has them).
    std::string palm(Control* c, const char* name) {
        return core->kits.current().engine->getProperty(activeForm(), c, name);
    }
    QToolButton* toolButton(const QString& id) {
        return qobject_cast<QToolButton*>(
            window->kindToolBar().widgetForAction(window->kindToolBar().action(id)));
    }
    DesignerView* activeView() { return window->views().activeView(); }
    Form& activeForm() { return *core->workspace.activeForm; }

    // Pointer events on the active view at surface pixels, as a person's mouse sends them.
    void press(Point at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(activeView(), b, keys, pointAt(at));
    }
    void release(Point at, Qt::KeyboardModifiers keys = {}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(activeView(), b, keys, pointAt(at));
    }
    void moveHeld(Point at, Qt::KeyboardModifiers keys = {},
                  Qt::MouseButtons held = Qt::LeftButton) {
        const QPointF p = activeView()->mapping().fromSurface(at);
        QMouseEvent e(QEvent::MouseMove, p, activeView()->mapToGlobal(p), Qt::NoButton, held, keys);
        QApplication::sendEvent(activeView(), &e);
    }
    void click(Point at, Qt::KeyboardModifiers keys = {}) {
        press(at, keys);
        release(at, keys);
    }
    QPoint pointAt(Point at) { return activeView()->mapping().fromSurface(at).toPoint(); }

    // Replaces the text of an inspector row's cell as a person types it, key by key.
    QLineEdit* typeIntoInspector(const QString& row, const QString& text) {
        auto* line = qobject_cast<QLineEdit*>(window->docks().inspector().openEditor(row));
        EXPECT_NE(line, nullptr) << row.toStdString();
        if (!line) return nullptr;
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, text);
        return line;
    }
    // Enter closes the editor a moment later, and what the ended edit changed is drawn a
    // moment after that.
    void endEdit(QLineEdit* line, Qt::Key key = Qt::Key_Return) {
        QTest::keyClick(line, key);
        for (int i = 0; i < 2; ++i)
            QCoreApplication::processEvents();
    }

    // Chooses a control tool on the toolbar, then clicks the surface.
    Control* place(const QString& tool, Point at) {
        QTest::mouseClick(toolButton(tool), Qt::LeftButton);
        click(at);
        return core->workspace.selected.control;
    }

    ornadeck::test::TempDir temp;
    std::filesystem::path stateHome = temp.path() / "state";
    ornadeck::test::FakeUi ui;
    std::unique_ptr<AppCore> core;
    std::unique_ptr<MainWindow> window;
};

// Tests that start in the first form of a new PToolboxLib project.
class NewProjectTest : public AppFixture {
  protected:
    void SetUp() override {
        newProject(Library::PToolboxLib);
        ASSERT_NE(activeView(), nullptr);
    }
};

} // namespace ornadeck::app::test
