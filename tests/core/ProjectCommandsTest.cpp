#include "workbench/ProjectCommands.h"

#include "ProjectCommandsFixture.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/ProjectPaths.h"
#include "model/Settings.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;
using test::ProjectCommandsTest;

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
    EXPECT_EQ(ini.readString("ActiveForms", keys[0], ""), "Extra.ozf"); // beside the project
    EXPECT_TRUE(fs::exists(dir / "Main.ozf"));
}

// Forms in the project's folder are listed relative to it, so the folder can be moved,
// copied or cloned; a form that is gone is told once, as written and as looked for.
TEST_F(ProjectCommandsTest, AMovedProjectFolderStillFindsItsForms) {
    fs::create_directories(dir / "a" / "forms");
    ui.library = Library::CControls;
    ASSERT_TRUE(commands.newProject());
    workspace.forms.front()->setName("Main");
    commands.createForm("Extra");
    ui.files = {dir / "a" / "Demo.ozp", dir / "a" / "forms" / "Extra.ozf", dir / "a" / "Main.ozf"};
    ASSERT_TRUE(commands.saveProjectAs());
    std::vector<std::string> listed;
    const IniFile ini = read(dir / "a" / "Demo.ozp");
    for (const std::string& key : ini.keyNames("ActiveForms"))
        listed.push_back(ini.readString("ActiveForms", key, ""));
    EXPECT_EQ(listed, (std::vector<std::string>{"forms/Extra.ozf", "Main.ozf"}));

    ASSERT_TRUE(commands.closeAll());
    fs::rename(dir / "a", dir / "b");
    ui.files = {dir / "b" / "Demo.ozp"};
    ui.messages.clear();
    ASSERT_TRUE(commands.openProject());
    auto names = formNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Extra", "Main"}));
    EXPECT_TRUE(ui.messages.empty());

    ASSERT_TRUE(commands.closeAll());
    fs::remove(dir / "b" / "Main.ozf");
    ui.files = {dir / "b" / "Demo.ozp"};
    ui.messages.clear();
    ASSERT_TRUE(commands.openProject());
    EXPECT_EQ(formNames(), std::vector<std::string>{"Extra"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "These forms of the project were not found and were not opened:\nMain.ozf (" +
                  platform::utf8Of((dir / "b" / "Main.ozf").lexically_normal()) + ")");
}

TEST(ProjectPaths, InsideTheFolderRelativeWithSlashesElsewhereAbsolute) {
    const fs::path folder = fs::absolute("p");
    EXPECT_EQ(pathForProjectFile(folder / "Main.ozf", folder), "Main.ozf");
    EXPECT_EQ(pathForProjectFile(folder / "a" / "b" / "F.ozf", folder), "a/b/F.ozf");
    EXPECT_EQ(pathForProjectFile(folder / ".." / "x" / "F.ozf", folder),
              platform::utf8Of((folder.parent_path() / "x" / "F.ozf")));
    EXPECT_EQ(pathForProjectFile(folder / "F.ozf", ""), platform::utf8Of(folder / "F.ozf"));
    // Read back: relative ones from the folder, in either separator; absolute as they are.
    EXPECT_EQ(pathFromProjectFile("a/b/F.ozf", folder), folder / "a" / "b" / "F.ozf");
    EXPECT_EQ(pathFromProjectFile("a\\b\\F.ozf", folder).lexically_normal(),
              (folder / "a" / "b" / "F.ozf").lexically_normal());
    EXPECT_EQ(pathFromProjectFile(platform::utf8Of(folder / "F.ozf"), "/elsewhere"),
              folder / "F.ozf");
    EXPECT_EQ(pathFromProjectFile("", folder), fs::path());
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
    EXPECT_FALSE(commands.openProjectFile(gone));
    EXPECT_EQ(ui.lastText(), "The project " + gone + " does not exist.");
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(workspace.projectName, "Demo");
    EXPECT_EQ(workspace.forms.size(), 2u);
}

TEST_F(ProjectCommandsTest, WithoutAProjectEachVisibleFormIsAskedFor) {
    commands.createForm();
    commands.createForm();
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
    EXPECT_TRUE(commands.confirmQuit());  // saved again under its file, no dialog this time
    EXPECT_FALSE(commands.saveProject()); // nothing to save without a project
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

TEST_F(ProjectCommandsTest, SaveAsOverAnExistingFileAsksAndNoWritesNothing) {
    const fs::path project = savedProject();
    const fs::path taken = dir / "Taken.ozp";
    std::ofstream(taken) << "[Code]\nAppName=Mine\n";
    ui.files = {dir / "Taken"};
    ui.answers = {Answer::No};
    EXPECT_FALSE(commands.saveProjectAs());
    ASSERT_EQ(ui.messages.size(), 1u);
    const Message& q = ui.messages[0];
    EXPECT_EQ(q.text, taken.string() + " already exists. Do you want to replace it?");
    EXPECT_EQ(q.caption, "New project");
    EXPECT_EQ(q.icon, MessageIcon::Exclamation);
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.defaultAnswer, Answer::No);
    EXPECT_FALSE(read(taken).hasSection("Project"));
    EXPECT_EQ(workspace.projectPath, project.string());
}

TEST_F(ProjectCommandsTest, WindowPositionsAreWrittenOnlyForAShownWindow) {
    savedProject();
    workspace.zoom = {true, 7, 9};
    workspace.inspector = {false, 3, 4};
    ui.files = {dir / "Fresh.ozp"};
    ASSERT_TRUE(commands.saveProjectAs());
    IniFile ini = read(dir / "Fresh.ozp");
    EXPECT_EQ(ini.keyNames("Zoom"), (std::vector<std::string>{"Active", "Top", "Left"}));
    EXPECT_EQ(ini.readInt("Zoom", "Top", 0), 9);
    EXPECT_EQ(ini.readInt("Zoom", "Left", 0), 7);
    EXPECT_EQ(ini.keyNames("Properties"), std::vector<std::string>{"Active"});
    EXPECT_EQ(ini.readInt("Properties", "Active", 1), 0);
}

TEST_F(ProjectCommandsTest, SaveAsToANewPathLeavesCodeAndIconsInTheOldFile) {
    const fs::path project = savedProject();
    {
        IniFile ini = read(project);
        ini.writeString("Code", "AppName", "Old");
        ini.writeString("Icons", "Large1", "/icons/a.bmp");
        ASSERT_TRUE(ini.save(project).ok());
    }
    ui.files = {dir / "Moved.ozp"};
    ASSERT_TRUE(commands.saveProjectAs());
    EXPECT_EQ(read(dir / "Moved.ozp").sectionNames(),
              (std::vector<std::string>{"Project", "Properties", "Zoom", "ActiveForms"}));
    const IniFile old = read(project);
    EXPECT_EQ(old.readString("Code", "AppName", ""), "Old");
    EXPECT_EQ(old.readString("Icons", "Large1", ""), "/icons/a.bmp");
}

TEST_F(ProjectCommandsTest, OpenFormAddsTheFormExtensionToANameWithoutOne) {
    savedProject();
    ui.answers = {Answer::No};
    ASSERT_TRUE(commands.closeAll());
    workspace.library = Library::CControls;
    ui.files = {dir / "Main"};
    ASSERT_TRUE(commands.openForm());
    EXPECT_EQ(ui.openExtension, ".ozf");
    EXPECT_EQ(formNames(), std::vector<std::string>{"Main"});
    EXPECT_EQ(workspace.forms.front()->filePath(), dir / "Main.ozf");
}

// Opening, from the dialog or the recent list, never reads a form with the other library's
// reader: it stays closed and untouched, and one warning names each such file.
TEST_F(ProjectCommandsTest, FormsOfTheOtherLibraryAreSkippedWithOneWarning) {
    const fs::path project = savedProject();
    const fs::path pt1 = dir / "Pt1.ozf", pt2 = dir / "Pt2.ozf", noLib = dir / "NoLib.ozf";
    const std::string ptText =
        "[FORM]\r\nName=Pt\r\nLib=2\r\n\r\n[L]\r\nControl=List\r\nName=L\r\n";
    std::ofstream(pt1, std::ios::binary) << ptText;
    std::ofstream(pt2, std::ios::binary) << ptText;
    std::ofstream(noLib) << "[FORM]\nName=NoLib\n[B]\nControl=Button\nName=B\n";
    {
        IniFile ini = read(project);
        ini.writeString("ActiveForms", "Form7", pt1.string());
        ini.writeString("ActiveForms", "Form8", noLib.string());
        ini.writeString("ActiveForms", "Form9", pt2.string());
        ASSERT_TRUE(ini.save(project).ok());
    }
    for (bool recent : {false, true}) {
        ui.answers = {Answer::No};
        ui.messages.clear();
        ui.files = {project};
        ASSERT_TRUE(recent ? commands.openProjectFile(project.string()) : commands.openProject());
        auto names = formNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"Extra", "Main", "NoLib"}));
        EXPECT_TRUE(workspace.generateEnabled);
        ASSERT_EQ(ui.messages.size(), 2u); // the save question, then the warning
        const Message& warning = ui.messages[1];
        EXPECT_EQ(warning.caption, "Warning");
        EXPECT_EQ(warning.text,
                  "These forms are not of the project's library (CControls) and were not "
                  "opened:\n" +
                      pt1.string() + " (PToolboxLib)\n" + pt2.string() + " (PToolboxLib)");
    }
    ASSERT_TRUE(commands.saveProject());
    std::string after;
    ASSERT_TRUE(readFileBytes(pt1, after).ok());
    EXPECT_EQ(after, ptText);
}

} // namespace
} // namespace ornadeck
