#include "workbench/SettingsLifecycle.h"

#include "model/Form.h"
#include "model/Settings.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <optional>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
// Sets an environment variable for one test and puts the old value back afterwards.
class EnvVar {
  public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~EnvVar() { set(old_ ? old_->c_str() : nullptr); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

  private:
    void set(const char* value) {
        if (value)
            ::setenv(name_, value, 1);
        else
            ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};
#endif

class SettingsLifecycleTest : public testing::Test {
  protected:
    IniFile read(const fs::path& p) {
        IniFile ini;
        EXPECT_TRUE(ini.load(p).ok());
        return ini;
    }

    test::TempDir temp_;
    const fs::path dir = temp_.path();
    Workspace workspace;
    test::FakeUi ui;
};

TEST_F(SettingsLifecycleTest, FreshStartProposesPToolboxWithTheGridOnEveryOpenForm) {
    auto& form = *workspace.forms.emplace_back(std::make_unique<Form>("Main"));
    Status added;
    auto* dialog = form.add(std::make_unique<TPTDialog>(), &form.surface(), "D1", added);
    ASSERT_NE(dialog, nullptr);
    Settings settings = Settings::load(dir / "options.ini");
    SettingsLifecycle lifecycle(workspace, settings, ui, dir / "options.ini");
    lifecycle.start();
    EXPECT_EQ(workspace.library, Library::PToolboxLib);
    EXPECT_TRUE(workspace.gridMode);
    EXPECT_FALSE(workspace.shortNames);
    EXPECT_EQ(form.surface().gridVisible(), 1);
    EXPECT_EQ(form.surface().gridSpace(), 6);
    EXPECT_EQ(dialog->gridVisible(), 1);
}

TEST_F(SettingsLifecycleTest, StartTakesEachStoredChoice) {
    const fs::path file = dir / "options.ini";
    std::ofstream(file) << "[General]\nLib=1\nGrid=0\nShortNames=1\n";
    workspace.gridMode = true;
    Settings settings = Settings::load(file);
    SettingsLifecycle(workspace, settings, ui, file).start();
    EXPECT_EQ(workspace.library, Library::CControls);
    EXPECT_FALSE(workspace.gridMode);
    EXPECT_TRUE(workspace.shortNames);
}

// Quitting stores the workspace's state, creates the configuration folder, and leaves the
// options window's keys and the desktop's sections as they were.
TEST_F(SettingsLifecycleTest, QuitWritesGeneralAndTheRecentListOnly) {
    const fs::path file = dir / "config" / "ornadeck" / "options.ini";
    Settings settings = Settings::load(file);
    settings.ini().writeString("tbFile", "Visible", "0");
    settings.formWhite = true;
    settings.ccontrolsPath = "/never/confirmed";
    settings.addRecent("/p/A.ozp");
    workspace.library = Library::CControls;
    workspace.gridMode = false;
    workspace.shortNames = true;
    SettingsLifecycle lifecycle(workspace, settings, ui, file);
    EXPECT_EQ(lifecycle.file(), file);
    ASSERT_TRUE(lifecycle.quit().ok());
    EXPECT_TRUE(ui.messages.empty());
    const IniFile ini = read(file);
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"tbFile", "General", "MRU Items"}));
    EXPECT_EQ(ini.keyNames("General"), (std::vector<std::string>{"Lib", "Grid", "ShortNames"}));
    EXPECT_EQ(ini.readInt("General", "Lib", 0), 1);
    EXPECT_EQ(ini.readInt("General", "Grid", 1), 0);
    EXPECT_EQ(ini.readInt("General", "ShortNames", 0), 1);
    EXPECT_EQ(ini.readString("MRU Items", "F0", ""), "/p/A.ozp");

    // Only the options window's OK stores its keys.
    ASSERT_TRUE(settings.saveOptions(file).ok());
    const Settings again = Settings::load(file);
    EXPECT_TRUE(again.formWhite);
    EXPECT_EQ(again.ccontrolsPath, "/never/confirmed");
    EXPECT_EQ(again.library, Library::CControls); // the next new project proposes CControls
}

TEST_F(SettingsLifecycleTest, QuitThatCannotWriteIsReportedOnce) {
    std::ofstream(dir / "blocker") << "a file where the folder should be";
    const fs::path file = dir / "blocker" / "ornadeck" / "options.ini";
    Settings settings = Settings::load(file);
    SettingsLifecycle lifecycle(workspace, settings, ui, file);
    EXPECT_FALSE(lifecycle.quit().ok());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_NE(ui.messages[0].text.find(file.string()), std::string::npos) << ui.lastText();
}

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST_F(SettingsLifecycleTest, SettingsFileIsBesideTheProgramOnlyWhenItExistsThere) {
    const fs::path program = dir / "bin";
    fs::create_directory(program);
    const EnvVar home("HOME", (dir / "home").string().c_str());
    const fs::path inHome = dir / "home" / ".config" / "ornadeck" / "options.ini";
    const std::string xdgFolder = (dir / "xdg").string();
    struct Case {
        std::optional<std::string> xdg;
        bool fileBeside;
        fs::path expected;
    };
    const Case cases[] = {
        {std::nullopt, false, inHome},
        {"", false, inHome},
        {"relative/config", false, inHome},
        {xdgFolder, false, dir / "xdg" / "ornadeck" / "options.ini"},
        {xdgFolder, true, program / "options.ini"},
    };
    for (const Case& c : cases) {
        const EnvVar xdg("XDG_CONFIG_HOME", c.xdg ? c.xdg->c_str() : nullptr);
        fs::remove(program / "options.ini");
        if (c.fileBeside) std::ofstream(program / "options.ini") << "[General]\n";
        EXPECT_EQ(settingsFilePath(program), c.expected) << c.xdg.value_or("(unset)");
    }
    // With no per-user folder known, beside the program is all there is.
    fs::remove(program / "options.ini");
    const EnvVar noXdg("XDG_CONFIG_HOME", nullptr);
    const EnvVar noHome("HOME", "");
    EXPECT_EQ(settingsFilePath(program), program / "options.ini");
}
#else
TEST_F(SettingsLifecycleTest, SettingsFileIsBesideTheProgramOnlyWhenItExistsThere) {
    GTEST_SKIP() << "needs POSIX";
}
#endif

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST_F(SettingsLifecycleTest, AProgramFolderThatCannotBeWrittenSendsTheFileToTheUser) {
    const fs::path program = dir / "bin";
    fs::create_directory(program);
    std::ofstream(program / "options.ini") << "[General]\n";
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(program.c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    const EnvVar xdg("XDG_CONFIG_HOME", (dir / "xdg").string().c_str());
    EXPECT_EQ(settingsFilePath(program), dir / "xdg" / "ornadeck" / "options.ini");
}
#else
TEST_F(SettingsLifecycleTest, AProgramFolderThatCannotBeWrittenSendsTheFileToTheUser) {
    GTEST_SKIP() << "needs POSIX";
}
#endif

} // namespace
} // namespace ornadeck
