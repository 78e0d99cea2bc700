#include "model/Settings.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public testing::Test {
  protected:
    test::TempDir temp_;
    const fs::path path = temp_.path() / "options.ini";
};

TEST_F(SettingsTest, FreshInstallationDefaults) {
    const Settings s = Settings::load(path);
    EXPECT_EQ(s.library, Library::PToolboxLib);
    EXPECT_TRUE(s.grid);
    EXPECT_FALSE(s.shortNames);
    EXPECT_TRUE(s.recent().empty());
}

TEST_F(SettingsTest, RoundTripKeepsOtherSectionsAndOnlyOneMeansOn) {
    {
        IniFile ini;
        ini.writeString("tbFile", "Visible", "1");
        ini.writeString("General", "Grid", "2");
        ini.writeString("General", "Lib", "junk");
        ASSERT_TRUE(ini.save(path).ok());
    }
    Settings s = Settings::load(path);
    EXPECT_FALSE(s.grid); // only 1 counts as on
    EXPECT_EQ(s.library, Library::PToolboxLib);
    s.library = Library::CControls;
    s.shortNames = true;
    ASSERT_TRUE(s.save(path).ok());
    const Settings again = Settings::load(path);
    EXPECT_EQ(again.library, Library::CControls);
    EXPECT_TRUE(again.shortNames);
    IniFile raw;
    ASSERT_TRUE(raw.load(path).ok());
    EXPECT_EQ(raw.readString("tbFile", "Visible", ""), "1");
}

TEST_F(SettingsTest, RecentListKeepsTenNewestFirstWithoutRepeats) {
    Settings s = Settings::load(path);
    for (int i = 0; i < 11; ++i)
        s.addRecent("/p/project" + std::to_string(i) + ".ozp");
    s.addRecent("/p/project5.ozp");
    ASSERT_EQ(s.recent().size(), 10u);
    EXPECT_EQ(s.recent().front(), "/p/project5.ozp");
    EXPECT_EQ(s.recent()[1], "/p/project10.ozp");
    EXPECT_EQ(std::count(s.recent().begin(), s.recent().end(), "/p/project0.ozp"), 0);
    ASSERT_TRUE(s.save(path).ok());
    EXPECT_EQ(Settings::load(path).recent(), s.recent());
}

TEST_F(SettingsTest, RecentListCanBeClearedOrRidOfProjectsThatAreGone) {
    const fs::path kept = temp_.path() / "Kept.ozp";
    std::ofstream(kept) << "[Project]\n";
    Settings s = Settings::load(path);
    for (const fs::path& p : {temp_.path() / "Gone1.ozp", kept, temp_.path() / "Gone2.ozp"})
        s.addRecent(p.string());
    s.removeObsoleteRecent();
    EXPECT_EQ(s.recent(), std::vector<std::string>{kept.string()});
    s.clearRecent();
    ASSERT_TRUE(s.save(path).ok());
    EXPECT_TRUE(Settings::load(path).recent().empty());
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// On a first run the per-user folder is not there yet; OK in Options must not fail on it,
// and a folder that cannot be made says so.
TEST(SettingsOptions, SavingMakesTheSettingsFolderFirst) {
    test::TempDir temp;
    const fs::path file = temp.path() / "config" / "ornadeck" / "options.ini";
    Settings s = Settings::load(file);
    s.formWhite = false;
    ASSERT_TRUE(s.saveOptions(file).ok());
    EXPECT_FALSE(Settings::load(file).formWhite);

    std::ofstream(temp.path() / "blocked") << "a file where a folder should be";
    const Status refused = s.saveOptions(temp.path() / "blocked" / "options.ini");
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().rfind("Cannot write " + (temp.path() / "blocked").string(), 0), 0u)
        << refused.message();
}

} // namespace
} // namespace ornadeck
