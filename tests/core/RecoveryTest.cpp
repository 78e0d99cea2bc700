#include "designer/FormUndo.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/Settings.h"
#include "platform/Platform.h"
#include "support/FinishedProcess.h"
#include "support/FormEditorFixture.h"
#include "support/TempDir.h"
#include "workbench/ProjectCommands.h"
#include "workbench/RecoveryFiles.h"
#include "workbench/RecoveryOffer.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST(RecoveryFolder, FollowsTheStateHomeOrFallsBackToTheHomeFolder) {
    const struct {
        const char* state;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/s", "/h", "/s/ornadeck/recovery"},
        {"", "/h", "/h/.local/state/ornadeck/recovery"},
        {nullptr, "/h", "/h/.local/state/ornadeck/recovery"},
        {"relative", "/h", "/h/.local/state/ornadeck/recovery"}, // only absolute paths count
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecoveryFiles::defaultFolder(c.state, c.home), fs::path(c.folder));
}
#else
TEST(RecoveryFolder, FollowsTheStateHomeOrFallsBackToTheHomeFolder) {
    GTEST_SKIP() << "needs POSIX";
}
#endif

#ifndef _WIN32
std::string readStat(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    return stat;
}

#endif

int deadProcess() { return test::finishedProcessId(); }

class Recovery : public test::FormEditorFixture {
  protected:
    Recovery() { window.activate(); }
    std::vector<fs::path> files() const {
        std::vector<fs::path> out;
        if (fs::exists(dir.path()))
            for (const auto& e : fs::directory_iterator(dir.path()))
                out.push_back(e.path());
        return out;
    }

    test::TempDir dir;
    Settings settings;
    ProjectCommands projects{workspace, ui, settings, kits};
};

TEST_F(Recovery, WritesOnlyUnsavedChangesAndRemovesThemOnSaveOrQuit) {
    RecoveryFiles recovery(dir.path() / "r", platform::currentProcessId());
    FormUndo& undo = window.undoStack();
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    EXPECT_FALSE(fs::exists(dir.path() / "r")); // nothing unsaved, nothing written

    place("Button", {10, 10});
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    ASSERT_EQ(fs::directory_iterator(dir.path() / "r") != fs::directory_iterator(), true);
    const fs::path file = fs::directory_iterator(dir.path() / "r")->path();
    const auto stamp = fs::last_write_time(file);
    fs::last_write_time(file, stamp - std::chrono::hours(1));
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    EXPECT_EQ(fs::last_write_time(file), stamp - std::chrono::hours(1)); // no change, no write

    ASSERT_TRUE(window.undo()); // back at the new form's state: nothing to recover
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    EXPECT_FALSE(fs::exists(file));

    ASSERT_TRUE(window.redo());
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    EXPECT_TRUE(fs::exists(file));
    // A change since the last copy is copied again.
    Control* label = place("Label", {10, 60});
    ASSERT_TRUE(recovery.keep(form, undo, Library::CControls, 0));
    std::string copy;
    ASSERT_TRUE(readFileBytes(file, copy).ok());
    EXPECT_NE(copy.find("[" + label->name() + "]"), std::string::npos) << copy;
    // A running program's files are never offered, not even to itself.
    EXPECT_TRUE(recovery.found().empty());
    recovery.forgetAll();
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(Recovery, ACrashedRunsFormsComeBackUnsavedWithTheirEdits) {
    form.setFilePath(dir.path() / "Original.ozf");
    const int dead = deadProcess();
    RecoveryFiles crashed(dir.path() / "r", dead);
    place("Button", {10, 10});
    ASSERT_TRUE(window.setProperty("Content", "Rescued"));
    ASSERT_TRUE(crashed.keep(form, window.undoStack(), Library::CControls, 0));

    RecoveryFiles next(dir.path() / "r", platform::currentProcessId());
    const auto found = next.found();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].formName, "Form1");
    EXPECT_EQ(found[0].originalPath, (dir.path() / "Original.ozf").string());
    EXPECT_FALSE(found[0].time.empty());

#ifndef _WIN32
    // A killed program its parent has not yet collected is no running owner.
    const pid_t zombie = fork();
    if (zombie == 0) _exit(0);
    ASSERT_GT(zombie, 0);
    RecoveryFiles unreaped(dir.path() / "r", zombie);
    ASSERT_TRUE(unreaped.keep(form, window.undoStack(), Library::CControls, 0));
    while (readStat(zombie).find(") Z") == std::string::npos)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(next.found().size(), 2u);
    int status = 0;
    waitpid(zombie, &status, 0);
    unreaped.forgetAll();
#endif

    // A file under this program's own number is an earlier run's whose number came back.
    RecoveryFiles reused(dir.path() / "r", dead);
    EXPECT_EQ(reused.found().size(), 1u);

    // The fixture's form leaves the workspace but outlives the window that shows it.
    for (auto& f : workspace.forms)
        parked.push_back(std::move(f));
    workspace.forms.clear();
    workspace.activeForm = nullptr;
    workspace.selected = {};
    ui.answers = {Answer::Yes};
    const auto recovered = offerRecovery(next, projects, workspace, kits, ui);
    ASSERT_EQ(recovered.size(), 1u);
    EXPECT_NE(ui.messages.back().text.find("Original.ozf"), std::string::npos);
    Form& back = *recovered[0];
    Control* button = back.findByName("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(kits.current().engine->getProperty(back, button, "Content"), "Rescued");
    EXPECT_EQ(back.filePath(), dir.path() / "Original.ozf");
    EXPECT_FALSE(fs::exists(dir.path() / "Original.ozf")); // nothing written until a save
    FormEditor shown(workspace, ui, kits, back);
    EXPECT_TRUE(shown.modified());
}

TEST_F(Recovery, DecliningDeletesOnlyAfterASecondYes) {
    RecoveryFiles crashed(dir.path(), deadProcess());
    place("Button", {10, 10});
    ASSERT_TRUE(crashed.keep(form, window.undoStack(), Library::CControls, 0));
    RecoveryFiles next(dir.path(), platform::currentProcessId());

    ui.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(offerRecovery(next, projects, workspace, kits, ui).empty());
    EXPECT_EQ(files().size(), 1u); // kept for the next start

    workspace.library = Library::PToolboxLib; // another library's run is not offered them
    const auto asked = ui.messages.size();
    EXPECT_TRUE(offerRecovery(next, projects, workspace, kits, ui).empty());
    EXPECT_EQ(ui.messages.size(), asked);
    workspace.library = Library::CControls;

    ui.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(offerRecovery(next, projects, workspace, kits, ui).empty());
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(workspace.forms.size(), 1u); // nothing opened
}

} // namespace
} // namespace ornadeck
