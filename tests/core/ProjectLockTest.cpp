// Two copies of the program on one project: the lock file, its questions and read-only mode.
#include "ProjectCommandsFixture.h"
#include "designer/FormEditor.h"
#include "platform/Platform.h"
#include "workbench/GenerateSession.h"

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

TEST(LockFileTest, WhoHoldsALockIsJudgedByHostAndProcess) {
    const LockHolder me{100, "deck", "anna", "2026-12-07 11:50"};
    auto running = [](int id) { return id == 200; };
    struct Case {
        std::optional<LockHolder> holder;
        LockState expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, LockState::Free},
        {LockHolder{100, "deck", "anna", ""}, LockState::Ours},
        {LockHolder{200, "deck", "ben", ""}, LockState::Held},    // alive here
        {LockHolder{300, "deck", "ben", ""}, LockState::Stale},   // gone from here
        {LockHolder{300, "server", "ben", ""}, LockState::Held},  // cannot look there
        {LockHolder{100, "server", "anna", ""}, LockState::Held}, // same number elsewhere
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(judgeLock(cases[i].holder, me, running), cases[i].expected) << "case " << i;

    EXPECT_EQ(lockFileFor(fs::path("/p/Demo.ozp")), fs::path("/p/.~Demo.ozp#"));
    const auto back = parseLockFile(lockFileText(me));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->processId, 100);
    EXPECT_EQ(back->description(), "anna, deck, since 2026-12-07 11:50");
    for (const char* garbled : {"", "junk", "[Lock]\nProcess=abc\n", "[Lock]\nProcess=-4\n"})
        EXPECT_FALSE(parseLockFile(garbled)) << garbled;
}

class ProjectLockTest : public test::ProjectCommandsTest {
  protected:
    // Another copy of the program, alive or not, holds the project.
    void heldElsewhere(int process, bool alive) {
        LockHolder other{process, platform::hostName(), "ben", "2026-12-07 09:00"};
        ASSERT_TRUE(writeFileAtomically(lockFileFor(project), lockFileText(other)).ok());
        if (alive) livePrograms.insert(process);
    }
    std::optional<LockHolder> holder() {
        std::string bytes;
        if (!readFileBytes(lockFileFor(project), bytes)) return std::nullopt;
        return parseLockFile(bytes);
    }
    static constexpr int kOther = 987654;

    fs::path project = savedProject();
};

TEST_F(ProjectLockTest, AnOpenProjectIsLockedUntilItCloses) {
    ASSERT_TRUE(holder());
    EXPECT_EQ(holder()->processId, platform::currentProcessId());
    ASSERT_TRUE(commands.closeAll());
    EXPECT_FALSE(fs::exists(lockFileFor(project)));
    ASSERT_TRUE(commands.openProjectFile(project.string()));
    EXPECT_TRUE(ui.messages.empty() || ui.lastText().find("already open") == std::string::npos);
    EXPECT_EQ(holder()->processId, platform::currentProcessId());
}

TEST_F(ProjectLockTest, AStaleLockIsTakenOverSilently) {
    ASSERT_TRUE(commands.closeAll());
    heldElsewhere(kOther, false);
    ui.messages.clear();
    ASSERT_TRUE(commands.openProjectFile(project.string()));
    EXPECT_TRUE(ui.messages.empty()) << ui.lastText();
    EXPECT_EQ(holder()->processId, platform::currentProcessId());
    EXPECT_FALSE(workspace.readOnly);
}

TEST_F(ProjectLockTest, ALiveHolderIsNamedAndEachAnswerDoesWhatItSays) {
    ASSERT_TRUE(commands.closeAll());
    heldElsewhere(kOther, true);

    ui.answers = {Answer::Cancel};
    ui.messages.clear();
    EXPECT_FALSE(commands.openProjectFile(project.string()));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.lastText(), project.string() + " is already open in another Ornadeck (ben, " +
                                 platform::hostName() +
                                 ", since 2026-12-07 09:00). Open it read-only, open it anyway, "
                                 "or cancel?");
    EXPECT_EQ(ui.messages[0].buttonTexts,
              (std::vector<std::string>{"Read-only", "Open anyway", "Cancel"}));
    EXPECT_FALSE(workspace.projectOpen());

    ui.answers = {Answer::No}; // open anyway: the lock is ours now
    ASSERT_TRUE(commands.openProjectFile(project.string()));
    EXPECT_FALSE(workspace.readOnly);
    EXPECT_EQ(holder()->processId, platform::currentProcessId());
    // Closing leaves a lock another program wrote over ours.
    heldElsewhere(kOther, true);
    ASSERT_TRUE(commands.closeAll());
    EXPECT_EQ(holder()->processId, kOther);
}

TEST_F(ProjectLockTest, ReadOnlySavesNothingAndLeavesTheOtherLock) {
    ASSERT_TRUE(commands.closeAll());
    heldElsewhere(kOther, true);
    std::string before;
    ASSERT_TRUE(readFileBytes(project, before).ok());

    ui.answers = {Answer::Yes}; // read-only
    ASSERT_TRUE(commands.openProjectFile(project.string()));
    EXPECT_TRUE(workspace.readOnly);
    EXPECT_EQ(workspace.caption, "Ornadeck 1.0 - Demo (read-only)");
    EXPECT_EQ(holder()->processId, kOther);

    {
        // The designer window goes before its form does.
        Form& form = *workspace.forms.front();
        FormEditor editor(workspace, ui, kits, form);
        editor.edit("Retitle", [&] { form.surface().setTitle("Changed"); });
        EXPECT_EQ(editor.save(false), SaveResult::Cancelled);
    }
    EXPECT_FALSE(commands.saveProject());
    EXPECT_FALSE(commands.saveProjectAs());
    GenerateSession generate{workspace, ui,
                             [](const fs::path&) -> std::optional<Image> { return std::nullopt; }};
    EXPECT_FALSE(generate.saveEnabled());
    std::string after;
    ASSERT_TRUE(readFileBytes(project, after).ok());
    EXPECT_EQ(after, before);

    // Closing asks once, plainly, and keeps the other program's lock.
    ui.messages.clear();
    ui.answers = {Answer::No};
    EXPECT_FALSE(commands.closeAll());
    EXPECT_NE(ui.lastText().find("is open read-only"), std::string::npos);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(commands.closeAll());
    EXPECT_FALSE(workspace.readOnly);
    EXPECT_EQ(holder()->processId, kOther);
}

} // namespace
} // namespace ornadeck
