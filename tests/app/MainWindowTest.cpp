#include "AppFixture.h"
#include "commands/CommandTable.h"
#include "help/HelpWindow.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "model/IniFile.h"
#include "workbench/ControlToolbar.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <set>

namespace ornadeck::app::test {
namespace {

class MainWindowTest : public AppFixture {
  protected:
    // The Controls toolbar shows what the core's table says of the library (the table
    // itself is the core's, tested there).
    void expectToolbarOf(Library library) {
        for (std::string_view id : kControlToolIds) {
            const ControlToolButton wanted = controlToolButton(library, id);
            const QString name = QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
            EXPECT_EQ(window->kindToolBar().action(name)->isVisible(), wanted.visible) << id;
            if (!wanted.visible) continue;
            EXPECT_EQ(toolButton(name)->accessibleName().toStdString(), wanted.hint) << id;
        }
    }
};

TEST_F(MainWindowTest, AFreshStartProposesPToolboxLibWithTheGridOn) {
    EXPECT_EQ(window->windowTitle(), "Ornadeck 1.1");
    EXPECT_EQ(window->statusText(0), "PToolboxLib");
    EXPECT_EQ(window->statusText(1), "");
    EXPECT_TRUE(window->command("mnuGrid")->isChecked());
    EXPECT_FALSE(window->command("mnuShortNames")->isChecked());
    EXPECT_FALSE(window->command("mnuProjectGenerateCode")->isEnabled());
    expectToolbarOf(Library::PToolboxLib);
}

// Every shortcut of the table, pressed, runs its command. (Captions and hints are the
// table's own text; the help tests hold the pages to them.)
TEST_F(MainWindowTest, EveryShortcutRunsItsCommand) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    newProject(Library::PToolboxLib);
    place("spbButton", {20, 20});
    // In an order in which each is enabled and none ends the session: a step to undo,
    // a zoom to leave, the project never saved (its dialogs are cancelled).
    const char* const order[] = {"mnuCopy",
                                 "mnuPaste",
                                 "mnuCut",
                                 "mnuUndo",
                                 "mnuRedo",
                                 "mnuZoomIn",
                                 "mnuZoomOut",
                                 "mnuActualSize",
                                 "mnuCheck",
                                 "mnuPreview",
                                 "mnuSaveProject",
                                 "mnuSaveProjectAs",
                                 "mnuProjectGenerateCode",
                                 "mnuHelpContents",
                                 "mnuFileOpenProject",
                                 "mnuNewProject"};
    std::set<std::string> pressed;
    for (const char* id : order) {
        QAction* action = window->command(id);
        for (const QKeySequence& keys : action->shortcuts()) {
            if (std::string(id) == "mnuRedo") trigger("mnuUndo"); // something to redo
            ui.answers = {Answer::No};
            window->activateWindow();
            activeView()->setFocus();
            QSignalSpy ran(action, &QAction::triggered);
            QTest::keySequence(activeView(), keys);
            EXPECT_EQ(ran.count(), 1) << id << " " << keys.toString().toStdString();
            if (window->helpWindow()) window->helpWindow()->close();
            for (QWidget* preview : QApplication::topLevelWidgets())
                if (preview->objectName() == "frmPreview") preview->close();
        }
        pressed.insert(id);
    }
    for (const CommandInfo& c : commandTable()) {
        if (c.shortcut.empty() || c.id == CommandId::Delete) continue;
        EXPECT_TRUE(pressed.contains(std::string(c.name))) << c.name << " is never pressed";
    }
    // Delete is the designer view's own key, so that typing elsewhere never deletes.
    EXPECT_EQ(window->command("mnuDelete")->shortcutContext(), Qt::WidgetShortcut);
}

// Screen readers read toolbars by the buttons' names: every one must have its hint.
TEST_F(MainWindowTest, EveryToolbarButtonHasAnAccessibleName) {
    int buttons = 0;
    for (QToolBar* bar : window->findChildren<QToolBar*>()) {
        for (QAction* a : bar->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            QWidget* w = bar->widgetForAction(a);
            ASSERT_NE(w, nullptr);
            EXPECT_FALSE(w->accessibleName().isEmpty()) << a->objectName().toStdString();
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->objectName().toStdString();
            ++buttons;
        }
    }
    EXPECT_GE(buttons, 7 + 3 + 10 + 12);
    EXPECT_EQ(window->findChild<QWidget*>("spbCHoriz")->accessibleName(),
              "Center horizontally in form or dialog");
}

TEST_F(MainWindowTest, ShortNamesShowInTheStatusBarAndNameTheNextForm) {
    trigger("mnuShortNames");
    EXPECT_EQ(window->statusText(1), "Short names");
    trigger("mnuNewForm");
    EXPECT_EQ(activeForm().name(), "Fm1");
    trigger("mnuShortNames");
    EXPECT_EQ(window->statusText(1), "");
}

TEST_F(MainWindowTest, OpeningAProjectOfTheOtherLibrarySwitchesTheToolbar) {
    openExampleCopy("ccontrols/Demo.ozp");
    EXPECT_EQ(window->statusText(0), "CControls");
    expectToolbarOf(Library::CControls);
    EXPECT_EQ(window->windowTitle(), "Ornadeck 1.0 - Demo");
    EXPECT_TRUE(window->command("mnuProjectGenerateCode")->isEnabled());
    EXPECT_EQ(window->area().subWindowList().size(), 2);
}

TEST_F(MainWindowTest, ExitAnsweredCancelKeepsTheProgramAndProjectAsTheyWere) {
    newProject(Library::PToolboxLib);
    ASSERT_EQ(window->windowTitle(), "Ornadeck 1.0 - Project1");
    ui.answers = {Answer::Cancel};
    trigger("mnuExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Ornadeck 1.0 - Project1");
    EXPECT_EQ(core->workspace.forms.size(), 1u);
    EXPECT_EQ(ui.lastText(), "Save changes to project Project1?");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "options.ini"));
    ui.answers = {Answer::No};
}

TEST_F(MainWindowTest, QuittingKeepsTheSettingsForTheNextStart) {
    newProject(Library::CControls);
    trigger("mnuGrid");
    trigger("mnuShortNames");
    ui.answers = {Answer::No};
    restart();
    EXPECT_EQ(window->statusText(0), "CControls");
    EXPECT_FALSE(window->command("mnuGrid")->isChecked());
    EXPECT_EQ(window->statusText(1), "Short names");
}

TEST_F(MainWindowTest, HostileFilesAreReportedAndTheProgramGoesOn) {
    const auto junkProject = temp.path() / "junk.ozp";
    const auto junkForm = temp.path() / "junk.ozf";
    // Of the library of the form it lists, so the form itself is read.
    std::ofstream(junkProject, std::ios::binary)
        << "[Project]\nLib=2\n[ActiveForms]\nForm0=" << junkForm.string()
        << "\n\x01\xff\xfe garbage";
    std::ofstream(junkForm, std::ios::binary) << "[FORM]\nName=Junk\nLib=2\n[X]\nControl=Nope\n"
                                              << std::string(5000, '\xff');
    window->openPaths({QString::fromStdString(junkProject.string())});
    window->openPaths({QString::fromStdString((temp.path() / "missing.ozf").string())});
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(core->workspace.forms.size(), 1u);
    EXPECT_EQ(activeForm().name(), "Junk");
    std::vector<std::string> told;
    for (const Message& m : ui.messages)
        told.push_back(m.text);
    // The junk form's unknown kind is passed over as its file format says; the form that is
    // not there is told of.
    EXPECT_EQ(told,
              std::vector<std::string>{"Cannot read " + (temp.path() / "missing.ozf").string() +
                                       ": No such file or directory"});
    trigger("mnuNewForm"); // still working
    EXPECT_NE(activeView(), nullptr);
}

TEST_F(MainWindowTest, HelpOpensAtTheContextOfTheFocusedWindow) {
    trigger("mnuHelpContents");
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_EQ(window->helpWindow()->currentPage(), "index.html");
    window->helpWindow()->close();
    newProject(Library::PToolboxLib);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    activeView()->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), activeView());
    trigger("mnuHelpContents");
    EXPECT_EQ(window->helpWindow()->currentPage(), "designer.html");
    window->helpWindow()->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->docks().inspector().grid().setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(window->docks().inspector().isAncestorOf(QApplication::focusWidget()));
    trigger("mnuHelpContents");
    EXPECT_EQ(window->helpWindow()->currentPage(), "inspector.html");
    window->helpWindow()->close();
}

} // namespace
} // namespace ornadeck::app::test

namespace ornadeck::app::test {
namespace {

// A command bound twice runs twice (Generate Code once asked its questions twice); one
// bound never does nothing at all.
TEST_F(MainWindowTest, EveryCommandIsBoundExactlyOnce) {
    for (const CommandInfo& c : commandTable())
        EXPECT_EQ(window->bindingCount(c.id), 1) << c.name;

    newProject(Library::PToolboxLib);
    ui.messages.clear();
    trigger("mnuProjectGenerateCode"); // never saved: told so, then the save dialog, cancelled
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastText(), "You must save the project before code generation");
}

// Close Form hides the form but leaves it the active one: what acts on "the current form"
// must not reach a form no longer on screen.
TEST_F(MainWindowTest, AfterCloseFormNothingActsOnTheHiddenForm) {
    newProject(Library::PToolboxLib);
    place("spbButton", {20, 20});
    trigger("mnuCopy");
    ui.answers = {Answer::No};
    trigger("mnuCloseForm");
    ASSERT_FALSE(activeForm().visible());
    for (const char* id : {"mnuCloseForm", "mnuSaveForm", "mnuSaveFormAs", "mnuPaste", "mnuCut",
                           "mnuCopy", "mnuUndo", "mnuExportPicture", "mnuZoomIn"})
        EXPECT_FALSE(window->command(id)->isEnabled()) << id;
    ui.messages.clear();
    for (const char* id : {"mnuCloseForm", "mnuPaste", "mnuALeft", "mnuDelete"})
        trigger(id);
    EXPECT_TRUE(ui.messages.empty());
    int controls = 0;
    activeForm().forEachControl([&](Control&) { ++controls; });
    EXPECT_EQ(controls, 1);

    trigger("mnuNewForm");
    EXPECT_TRUE(window->command("mnuCloseForm")->isEnabled());
}

// Opened without a project, wherever its file places it, a form comes with the inspector.
TEST_F(MainWindowTest, ShowingAFormShowsThePropertiesEditor) {
    const auto path = temp.path() / "Placed.ozf";
    {
        std::ofstream out(path);
        out << "[FORM]\nName=Placed\nTop=40\nLeft=300\nTitle=Placed\nLib=2\n";
    }
    ASSERT_FALSE(window->docks().inspector().isVisible());
    window->openPaths({QString::fromStdString(path.string())});
    EXPECT_TRUE(window->docks().inspector().isVisible());
    EXPECT_TRUE(window->command("mnuProperties")->isChecked());

    trigger("mnuProperties"); // hidden by hand, then the form is closed and opened again
    ui.answers = {Answer::No};
    trigger("mnuCloseForm");
    ASSERT_FALSE(window->docks().inspector().isVisible());
    window->openPaths({QString::fromStdString(path.string())});
    EXPECT_TRUE(window->docks().inspector().isVisible());
}

// Screen readers read a status panel by its name, so the name carries the value.
TEST_F(MainWindowTest, StatusPanelsTellScreenReadersTheirValue) {
    auto* library = window->findChild<QLabel*>("statusPanel0");
    auto* shortNames = window->findChild<QLabel*>("statusPanel1");
    EXPECT_EQ(library->accessibleName(), "Library: PToolboxLib");
    EXPECT_EQ(shortNames->accessibleName(), "");
    newProject(Library::CControls);
    trigger("mnuShortNames");
    EXPECT_EQ(library->accessibleName(), "Library: CControls");
    EXPECT_EQ(shortNames->accessibleName(), "Short names");
}

} // namespace
} // namespace ornadeck::app::test
