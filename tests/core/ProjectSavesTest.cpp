// Saves that do not happen (cancelled, refused, failed) stop the command that asked for them.
#include "ProjectCommandsFixture.h"

namespace ornadeck {
namespace {

namespace fs = std::filesystem;
using test::ProjectCommandsTest;

// A "Yes" to saving whose save does not happen stops the command as Cancel would.
enum class SaveBreak { ProjectWriteFails, FormWriteFails, ProjectDialogCancelled };
enum class Closing { CloseAll, NewProject, OpenProject, OpenRecent, Quit };

class SaveThatDoesNotHappen : public ProjectCommandsTest,
                              public testing::WithParamInterface<std::tuple<SaveBreak, Closing>> {
  protected:
    void breakTheSave(SaveBreak how) {
        if (how == SaveBreak::ProjectDialogCancelled) {
            ui.library = Library::CControls;
            ASSERT_TRUE(commands.newProject());
            ui.files = {std::nullopt};
            return;
        }
        const fs::path project = savedProject();
        // A folder where the file should go: the write fails whoever runs the test.
        const fs::path broken = how == SaveBreak::ProjectWriteFails ? project : dir / "Main.ozf";
        fs::remove(broken);
        fs::create_directory(broken);
    }
    bool run(Closing command, const fs::path& other) {
        switch (command) {
        case Closing::CloseAll:
            return commands.closeAll();
        case Closing::NewProject:
            return commands.newProject();
        case Closing::OpenProject:
            ui.files.push_back(other);
            return commands.openProject();
        case Closing::OpenRecent:
            return commands.openProjectFile(other.string());
        case Closing::Quit:
            return commands.confirmQuit();
        }
        return true;
    }
};

TEST_P(SaveThatDoesNotHappen, StopsTheCommandWithEverythingAsItWas) {
    const auto [how, command] = GetParam();
    const fs::path other = dir / "Other.ozp";
    std::ofstream(other) << "[Project]\nLib=2\n";
    breakTheSave(how);
    const std::string name = workspace.projectName;
    const std::string caption = workspace.caption;
    const auto forms = formNames();
    ui.library = Library::PToolboxLib;
    ui.libraryProposed.reset();

    EXPECT_FALSE(run(command, other));
    EXPECT_EQ(workspace.projectName, name);
    // A project file written beside a form that failed shows its name as any save does.
    if (how != SaveBreak::FormWriteFails) {
        EXPECT_EQ(workspace.caption, caption);
    }
    EXPECT_EQ(formNames(), forms);
    EXPECT_EQ(workspace.library, Library::CControls);
    EXPECT_FALSE(ui.libraryProposed.has_value()); // the new-project window never opened
    if (command == Closing::OpenProject) {
        EXPECT_EQ(ui.files.size(), 1u); // nor the open dialog
    }
    if (how != SaveBreak::ProjectDialogCancelled) {
        EXPECT_EQ(ui.messages.back().caption, "Error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryClosingCommand, SaveThatDoesNotHappen,
    testing::Combine(testing::Values(SaveBreak::ProjectWriteFails, SaveBreak::FormWriteFails,
                                     SaveBreak::ProjectDialogCancelled),
                     testing::Values(Closing::CloseAll, Closing::NewProject, Closing::OpenProject,
                                     Closing::OpenRecent, Closing::Quit)));

TEST_F(ProjectCommandsTest, WithoutAProjectAFormSaveThatDoesNotHappenStopsQuitting) {
    commands.createForm();
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(commands.confirmQuit()); // its file dialog cancelled
    ui.answers = {Answer::Yes};
    ui.files = {dir / "Gone" / "Form1.ozf"};
    EXPECT_FALSE(commands.confirmQuit()); // its write fails
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(workspace.forms.size(), 1u);
}

TEST_F(ProjectCommandsTest, SaveAsWithAFormLeftUnsavedWritesTheProjectButSaysSo) {
    ui.library = Library::CControls;
    ASSERT_TRUE(commands.newProject());
    ui.files = {dir / "P.ozp", std::nullopt};
    EXPECT_FALSE(commands.saveProjectAs());
    EXPECT_EQ(workspace.projectPath, (dir / "P.ozp").string());
    const IniFile ini = read(dir / "P.ozp");
    const auto keys = ini.keyNames("ActiveForms");
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(ini.readString("ActiveForms", keys[0], "?"), "");
}

} // namespace
} // namespace ornadeck
