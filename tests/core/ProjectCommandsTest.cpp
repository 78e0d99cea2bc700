#include "shell/ProjectCommands.h"

#include "engine/Engine.h"
#include "formfile/FormFile.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/Settings.h"
#include "model/Workspace.h"
#include "shell/LibraryKit.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class ProjectCommandsTest : public testing::Test {
  protected:
    // A saved CControls project with two forms, Main and Extra.
    fs::path savedProject() {
        ui.library = Library::CControls;
        EXPECT_TRUE(commands.newProject());
        workspace.forms.front()->setName("Main");
        commands.nuevoForm("Extra");
        ui.files = {dir / "Demo.ozp", dir / "Extra.ozf", dir / "Main.ozf"};
        EXPECT_TRUE(commands.saveProjectAs());
        ui.messages.clear();
        return dir / "Demo.ozp";
    }
    IniFile read(const fs::path& p) {
        IniFile ini;
        EXPECT_TRUE(ini.load(p).ok());
        return ini;
    }
    std::vector<std::string> formNames() {
        std::vector<std::string> names;
        for (const auto& f : workspace.forms)
            names.push_back(f->name());
        return names;
    }

    test::TempDir temp_;

    const fs::path dir = temp_.path();
    Workspace workspace;
    test::FakeUi ui;
    Settings settings;
    LibraryKits kits{workspace, ui};
    ProjectCommands commands{workspace, ui, settings, kits};
};

TEST_F(ProjectCommandsTest, NewProjectCancelledInTheLibraryWindowChangesNothing) {
    workspace.library = Library::PToolboxLib;
    EXPECT_FALSE(commands.newProject());
    EXPECT_EQ(ui.libraryProposed, Library::PToolboxLib);
    EXPECT_FALSE(workspace.projectOpen());
    EXPECT_TRUE(workspace.forms.empty());

    ui.library = Library::CControls;
    ASSERT_TRUE(commands.newProject());
    EXPECT_EQ(workspace.projectName, "Project1");
    EXPECT_EQ(workspace.caption, "Ornadeck 1.0 - Project1");
    EXPECT_EQ(workspace.library, Library::CControls);
    EXPECT_EQ(formNames(), std::vector<std::string>{"Form1"});
    EXPECT_EQ(workspace.forms.front()->surface().title(), "Form1");
    EXPECT_TRUE(workspace.generateEnabled);
}

TEST_F(ProjectCommandsTest, SaveAsWritesEveryVisibleFormAndListsIt) {
    const fs::path project = savedProject();
    EXPECT_EQ(workspace.projectName, "Demo");
    EXPECT_EQ(workspace.caption, "Ornadeck 1.0 - Demo");
    EXPECT_EQ(settings.recent().front(), project.string());
    const IniFile ini = read(project);
    EXPECT_EQ(ini.readInt("Project", "Lib", 0), 1);
    EXPECT_EQ(ini.readString("Project", "Name", ""), project.string());
    EXPECT_EQ(ini.readInt("Properties", "Active", 0), 1);
    const auto keys = ini.keyNames("ActiveForms");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(ini.readString("ActiveForms", keys[0], ""), (dir / "Extra.ozf").string());
    EXPECT_TRUE(fs::exists(dir / "Main.ozf"));
}

TEST_F(ProjectCommandsTest, HiddenFormIsNeitherSavedNorListedAndOtherKeysStay) {
    const fs::path project = savedProject();
    {
        IniFile ini = read(project);
        ini.writeString("Code", "AppName", "Kept");
        ASSERT_TRUE(ini.save(project).ok());
    }
    workspace.forms.front()->setVisible(false);
    ui.answers = {Answer::Yes}; // replace the visible form's file
    ASSERT_TRUE(commands.saveProject());
    const IniFile ini = read(project);
    EXPECT_EQ(ini.keyNames("ActiveForms").size(), 1u);
    EXPECT_EQ(ini.readString("Code", "AppName", ""), "Kept");
    EXPECT_EQ(workspace.caption, "Ornadeck 1.0 - Demo.ozp");
}

TEST_F(ProjectCommandsTest, SaveChangesPromptCancelAndNoLeaveFilesAlone) {
    const fs::path project = savedProject();
    std::string before;
    ASSERT_TRUE(readFileBytes(project, before).ok());
    const auto time = fs::last_write_time(project);

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(commands.closeAll());
    EXPECT_EQ(ui.messages.back().text, "Save changes to project Demo?");
    EXPECT_EQ(workspace.projectName, "Demo");
    EXPECT_EQ(workspace.forms.size(), 2u);

    ui.answers = {Answer::No};
    EXPECT_TRUE(commands.closeAll());
    EXPECT_FALSE(workspace.projectOpen());
    EXPECT_TRUE(workspace.forms.empty());
    EXPECT_EQ(workspace.caption, "Ornadeck 1.0");
    std::string after;
    ASSERT_TRUE(readFileBytes(project, after).ok());
    EXPECT_EQ(after, before);
    EXPECT_EQ(fs::last_write_time(project), time);
}

TEST_F(ProjectCommandsTest, OpenProjectLoadsListedFormsAndSkipsMissingOnes) {
    const fs::path project = savedProject();
    {
        IniFile ini = read(project);
        ini.writeString("ActiveForms", "Form9", (dir / "Gone.ozf").string());
        ini.deleteKey("Project", "Lib");
        ASSERT_TRUE(ini.save(project).ok());
    }
    ui.answers = {Answer::No};
    ASSERT_TRUE(commands.closeAll());
    workspace.library = Library::PToolboxLib;
    ui.files = {project};
    ASSERT_TRUE(commands.openProject());
    EXPECT_EQ(workspace.library, Library::CControls); // no Lib key
    auto names = formNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Extra", "Main"}));
    EXPECT_TRUE(workspace.inspector.shown);
    EXPECT_EQ(workspace.formCounter, 0); // stored names do not move the counter
}

TEST_F(ProjectCommandsTest, RecentProjectThatIsGoneIsReportedAndNothingChanges) {
    savedProject();
    const std::string gone = (dir / "Gone.ozp").string();
    EXPECT_FALSE(commands.openRecent(gone));
    EXPECT_EQ(ui.lastText(), "The project " + gone + " does not exist.");
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(workspace.projectName, "Demo");
    EXPECT_EQ(workspace.forms.size(), 2u);
}

TEST_F(ProjectCommandsTest, WithoutAProjectEachVisibleFormIsAskedFor) {
    commands.nuevoForm("");
    commands.nuevoForm("");
    workspace.forms.back()->setVisible(false);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(commands.closeAll());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Save changes to form Form2?");
    EXPECT_EQ(workspace.forms.size(), 2u);

    ui.answers = {Answer::Yes};
    ui.files = {dir / "Form2.ozf"};
    EXPECT_TRUE(commands.confirmQuit());
    EXPECT_TRUE(fs::exists(dir / "Form2.ozf"));
}

TEST_F(ProjectCommandsTest, OpenFormRefusesTheOtherLibraryAndReusesAnOpenWindow) {
    savedProject();
    const fs::path main = dir / "Main.ozf";
    Form* window = workspace.findFormByPath(main.string());
    ASSERT_NE(window, nullptr);
    window->setVisible(false);
    ui.files = {main};
    ASSERT_TRUE(commands.openForm());
    EXPECT_TRUE(window->visible());
    EXPECT_EQ(workspace.forms.size(), 2u);
    EXPECT_EQ(workspace.activeForm, window);

    workspace.library = Library::PToolboxLib;
    const fs::path copy = dir / "Copy.ozf";
    fs::copy_file(main, copy);
    ui.files = {copy};
    EXPECT_FALSE(commands.openForm());
    EXPECT_EQ(ui.lastText(), copy.string() + " format is not of the current library");
    EXPECT_EQ(workspace.forms.size(), 2u);
}

TEST_F(ProjectCommandsTest, GenerateCodeOnANeverSavedProjectAsksToSaveFirst) {
    EXPECT_FALSE(commands.generateCode()); // no project: disabled
    ui.library = Library::CControls;
    ASSERT_TRUE(commands.newProject());
    EXPECT_FALSE(commands.generateCode());
    EXPECT_EQ(ui.messages.back().text, "You must save the project before code generation");
    EXPECT_EQ(ui.messages.back().caption, "Information");
    ui.files = {dir / "P.ozp", dir / "Form1.ozf"};
    EXPECT_FALSE(commands.generateCode()); // saves, but the window waits for the next try
    EXPECT_TRUE(commands.generateCode());
}

} // namespace
} // namespace ornadeck
