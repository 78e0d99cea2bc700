#include "cli/GenerateCommand.h"
#include "model/AtomicFile.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class CliGenerate : public testing::Test {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runGenerate(views, out, err);
    }

    test::TempDir temp_;

    const fs::path dir = temp_.path();
    std::ostringstream out, err;
    const fs::path examples = fs::absolute(ORNADECK_SOURCE_DIR "/examples");
};

TEST_F(CliGenerate, WritesTheFourTextsOfEachExampleAndSaysWhere) {
    struct Case {
        const char* project;
        const char* name;
    };
    for (const Case& c : {Case{"ccontrols/Demo.ozp", "Demo"}, Case{"ptoolbox/Palm.ozp", "Palm"}}) {
        const fs::path to = dir / c.name;
        ASSERT_EQ(run({(examples / c.project).string(), "--out", to.string()}), 0) << err.str();
        for (const char* suffix : {".pc", "Forms.pc", "Events.pc", ".h"}) {
            const fs::path file = to / (std::string(c.name) + suffix);
            EXPECT_TRUE(fs::exists(file)) << file;
            EXPECT_NE(out.str().find(file.string()), std::string::npos);
        }
        EXPECT_NE(err.str().find("not found at project source path"), std::string::npos);
    }
    std::string main;
    ASSERT_TRUE(readFileBytes(dir / "Demo" / "Demo.pc", main).ok());
    EXPECT_EQ(main.substr(0, 15), "@cid \"ORDK\";\r\n@");
}

TEST_F(CliGenerate, OptionsOverrideTheProjectsSettings) {
    ASSERT_EQ(run({(examples / "ptoolbox/Palm.ozp").string(), "--out", dir.string(), "--memos",
                   "--first", "Settings"}),
              0);
    std::string main;
    ASSERT_TRUE(readFileBytes(dir / "Palm.pc", main).ok());
    EXPECT_EQ(main.rfind("//Main Palm.pc\r\n", 0), 0u);
    EXPECT_NE(main.find("  SettingsDraw();"), std::string::npos);
    EXPECT_TRUE(err.str().empty()) << err.str(); // no library check for memos
}

// A build server generates from a project a designer has open: no lock stops it, none is
// taken, and the project file stays byte for byte.
TEST_F(CliGenerate, NeitherHonoursNorTakesALockAndLeavesTheProjectFile) {
    const fs::path copy = dir / "ptoolbox";
    fs::copy(examples / "ptoolbox", copy, fs::copy_options::recursive);
    const fs::path project = copy / "Palm.ozp";
    const std::string lock = "[Lock]\r\nProcess=1\r\nHost=" + platform::hostName() + "\r\n";
    ASSERT_TRUE(writeFileAtomically(copy / ".~Palm.ozp#", lock).ok());
    std::string before, after, lockAfter;
    ASSERT_TRUE(readFileBytes(project, before).ok());
    ASSERT_EQ(run({project.string(), "--out", (dir / "out").string()}), 0) << err.str();
    ASSERT_TRUE(readFileBytes(project, after).ok());
    ASSERT_TRUE(readFileBytes(copy / ".~Palm.ozp#", lockAfter).ok());
    EXPECT_EQ(after, before);
    EXPECT_EQ(lockAfter, lock);
}

// The project's own Code/Memo holds unless --memos or --pde says otherwise.
TEST_F(CliGenerate, TheProjectsTargetHoldsUnlessAnOptionNamesOne) {
    const fs::path project = dir / "Memo.ozp";
    std::ofstream(project) << "[Project]\nLib=2\n[ActiveForms]\nForm0="
                           << (examples / "ptoolbox" / "Settings.ozf").string()
                           << "\n[Code]\nMemo=1\n";
    struct Case {
        std::vector<std::string> flags;
        bool memos;
    };
    for (const Case& c : {Case{{}, true}, Case{{"--pde"}, false}, Case{{"--memos"}, true}}) {
        std::vector<std::string> args{project.string(), "--out", (dir / "out").string()};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        ASSERT_EQ(run(args), 0) << err.str();
        std::string main;
        ASSERT_TRUE(readFileBytes(dir / "out" / "Memo.pc", main).ok());
        EXPECT_EQ(main.rfind(c.memos ? "//Main Memo.pc" : "@cid", 0), 0u)
            << (c.flags.empty() ? "no option" : c.flags[0]) << ": " << main.substr(0, 20);
    }
}

// A form of the other library is never read with the project's reader: it is named on
// standard error, and a project left with no form fails.
TEST_F(CliGenerate, FormsOfTheOtherLibraryAreSkippedAndNamed) {
    const fs::path ptForm = examples / "ptoolbox" / "Settings.ozf";
    const fs::path ccForm = examples / "ccontrols" / "About.ozf";
    const fs::path mixed = dir / "Mixed.ozp";
    std::ofstream(mixed) << "[Project]\nLib=1\n[ActiveForms]\nForm0=" << ptForm.string()
                         << "\nForm1=" << ccForm.string() << "\n";
    ASSERT_EQ(run({mixed.string(), "--out", (dir / "out").string(), "--memos"}), 0) << err.str();
    EXPECT_NE(err.str().find(ptForm.string() + " (PToolboxLib)"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find(ccForm.string() + " ("), std::string::npos); // not skipped
    // About's back button shows Main, which this project lacks: told, and written all the same.
    EXPECT_NE(err.str().find("ShowForm is Main"), std::string::npos) << err.str();
    std::string forms;
    ASSERT_TRUE(readFileBytes(dir / "out" / "MixedForms.pc", forms).ok());
    EXPECT_EQ(forms.find("Settings"), std::string::npos);

    const fs::path only = dir / "Only.ozp";
    std::ofstream(only) << "[Project]\nLib=1\n[ActiveForms]\nForm0=" << ptForm.string() << "\n";
    EXPECT_EQ(run({only.string(), "--out", dir.string()}), 1);
    EXPECT_NE(err.str().find(ptForm.string() + " (PToolboxLib)"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("the project has no forms"), std::string::npos);
}

TEST_F(CliGenerate, BadInputIsAClearErrorWithANonZeroExit) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"a.ozp", "--memos", "--pde"}), 2);
    EXPECT_EQ(run({"a.ozp", "--out"}), 2);
    EXPECT_EQ(run({"a.ozp", "--colour"}), 2);

    EXPECT_EQ(run({(dir / "missing.ozp").string()}), 1);
    EXPECT_NE(err.str().find("missing.ozp"), std::string::npos);

    const fs::path empty = dir / "Empty.ozp";
    std::ofstream(empty) << "[Project]\nLib=1\n[ActiveForms]\nForm0=" << (dir / "gone.ozf").string()
                         << "\n";
    EXPECT_EQ(run({empty.string(), "--out", dir.string()}), 1);
    EXPECT_NE(err.str().find("the project has no forms"), std::string::npos);

    EXPECT_EQ(
        run({(examples / "ccontrols/Demo.ozp").string(), "--out", dir.string(), "--first", "Nope"}),
        1);
    EXPECT_NE(err.str().find("no form named Nope"), std::string::npos);
}

// Project files and arguments are UTF-8: names in any script work on every system.
TEST_F(CliGenerate, NamesInAnyScriptAreFoundAndWritten) {
    fs::copy_file(examples / "ptoolbox" / "Main.ozf", dir / fs::path(u8"Fòrm ω.ozf"));
    const std::string project = "Pr\xC3\xB8ject \xCF\x89"; // "Prøject ω"
    std::ofstream(dir / fs::path(std::u8string(project.begin(), project.end()) + u8".ozp"),
                  std::ios::binary)
        << "[Project]\nLib=2\n[ActiveForms]\nForm0=F\xC3\xB2rm \xCF\x89.ozf\n[Code]\nMemo=0\n";
    const std::string folder = platform::utf8Of(dir);
    EXPECT_EQ(run({folder + "/" + project + ".ozp", "--out", folder + "/out \xCF\x89"}), 0)
        << err.str();
    EXPECT_TRUE(fs::exists(dir / fs::path(u8"out ω") / fs::path(u8"Prøject ωForms.pc")));
    EXPECT_NE(out.str().find(project + "Forms.pc"), std::string::npos) << out.str();
}

} // namespace
} // namespace ornadeck
