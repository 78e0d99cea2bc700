// Another program writes the files the designer has open; a second copy opens its project.
#include "AppFixture.h"
#include "DiskWatcher.h"
#include "model/AtomicFile.h"
#include "model/IniFile.h"
#include "platform/Platform.h"
#include "workbench/ProjectLock.h"

namespace ornadeck::app::test {
namespace {

namespace fs = std::filesystem;

class OutsideChangeTest : public AppFixture {
  protected:
    // A saved PToolboxLib project with one form and a button on it.
    void savedProject() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        newProject(Library::PToolboxLib);
        place("spbButton", {20, 40});
        ui.files = {project, formFile};
        trigger("mnuSaveProjectAs");
        ASSERT_TRUE(fs::exists(formFile));
        ui.messages.clear();
    }
    void retitleOnDisk(const std::string& title) {
        IniFile ini;
        ASSERT_TRUE(ini.load(formFile).ok());
        ini.writeString("FORM", "Title", title);
        ASSERT_TRUE(ini.save(formFile).ok());
    }
    bool asked(const std::string& part) {
        for (const Message& m : ui.messages)
            if (m.text.find(part) != std::string::npos) return true;
        return false;
    }
    std::string shownTitle() { return activeForm().surface().title(); }

    fs::path project = temp.path() / "Trip.ozp";
    fs::path formFile = temp.path() / "Trip.ozf";
};

TEST_F(OutsideChangeTest, AnOutsideWriteIsReloadedOnTheWatchersWordAndCtrlZTakesItBack) {
    savedProject();
    const std::string before = shownTitle();
    retitleOnDisk("Written by git");
    // The system's own notice, settled, brings the question: no test hook in between.
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked("changed on disk. Reload it?"); }, 5000));
    EXPECT_EQ(shownTitle(), "Written by git");
    EXPECT_EQ(window->command("mnuUndo")->text().toStdString(),
              "&Undo Reload " + activeForm().name());

    activeView()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(activeView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownTitle(), before);
    // Our own saves are not news.
    ui.messages.clear();
    trigger("mnuSaveForm");
    window->diskWatcher().checkNow();
    EXPECT_FALSE(asked("changed on disk"));
}

TEST_F(OutsideChangeTest, SaveAnsweredNoLeavesTheOtherProgramsBytes) {
    savedProject();
    ui.answers = {Answer::No}; // Keep
    retitleOnDisk("Theirs");
    const std::string theirs = readFile(formFile);
    window->diskWatcher().checkNow();
    ASSERT_TRUE(asked("changed on disk. Reload it?"));
    EXPECT_NE(shownTitle(), "Theirs");

    ui.answers = {Answer::No};
    trigger("mnuSaveForm");
    EXPECT_TRUE(asked("was changed on disk since it was opened. Overwrite it?"));
    EXPECT_EQ(readFile(formFile), theirs);
}

TEST_F(OutsideChangeTest, ASecondCopyOpensReadOnlyWithEverySaveDisabled) {
    savedProject();
    ui.answers = {Answer::No};
    trigger("mnuCloseAll");
    // Another live copy of the program holds the project: process 1 always runs.
    const LockHolder other{1, platform::hostName(), "ben", "2026-12-07 09:00"};
    ASSERT_TRUE(writeFileAtomically(lockFileFor(project), lockFileText(other)).ok());
    ui.messages.clear();
    ui.answers = {Answer::Yes}; // read-only
    window->openPaths({QString::fromStdString(project.string())});
    ASSERT_TRUE(asked("is already open in another Ornadeck (ben,"));
    EXPECT_TRUE(window->windowTitle().endsWith("(read-only)"));
    for (const char* save : {"mnuSaveProject", "mnuSaveProjectAs", "mnuSaveForm", "mnuSaveFormAs"})
        EXPECT_FALSE(window->command(save)->isEnabled()) << save;
    EXPECT_TRUE(fs::exists(lockFileFor(project)));
}

} // namespace
} // namespace ornadeck::app::test
