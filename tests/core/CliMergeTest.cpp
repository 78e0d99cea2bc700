#include "cli/GenerateCommand.h"
#include "model/AtomicFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;
using Buttons = std::vector<std::string>;

// What differs between the libraries for these scenarios: the form file and the line that
// opens a button's handler in the Events text.
struct Flavour {
    const char* name;
    int lib;
    std::string (*handler)(const std::string& button);
    std::string (*section)(const std::string& button, int top);
};

const Flavour kCControls{
    "CControls", 1, [](const std::string& b) { return "On" + b + "(){"; },
    [](const std::string& b, int top) {
        return "[" + b + "]\nControl=Button\nName=" + b + "\nContent=" + b +
               "\nHeight=14\nWidth=40\nLeft=9\nTop=" + std::to_string(top) +
               "\nEdge=4\nLine=1\nFont=PilotStandard,10,,0,clWindowText,2\nShowForm=(None)\n"
               "Parent=panScreen\n";
    }};
const Flavour kPToolbox{"PToolbox", 2, [](const std::string& b) { return "    case " + b + ":"; },
                        [](const std::string& b, int top) {
                            return "[" + b + "]\nControl=Button\nName=" + b + "\nText=" + b +
                                   "\nHeight=17\nWidth=46\nLeft=8\nTop=" + std::to_string(top) +
                                   "\nFrame=0\nType=0\nShowForm=(None)\nParent=panScreen\n";
                        }};

class CliMerge : public testing::TestWithParam<Flavour> {
  protected:
    const Flavour& flavour() const { return GetParam(); }
    void design(const Buttons& buttons) {
        std::string form =
            "[FORM]\nName=Main\nTitle=Main\nLib=" + std::to_string(flavour().lib) + "\n\n";
        for (std::size_t i = 0; i < buttons.size(); ++i)
            form += flavour().section(buttons[i], 20 + 20 * static_cast<int>(i)) + "\n";
        std::ofstream(dir / "Main.ozf") << form;
        std::ofstream(dir / "P.ozp") << "[Project]\nLib=" << flavour().lib
                                     << "\n[ActiveForms]\nForm0=Main.ozf\n[Code]\nMemo=0\n"
                                        "Output=out\n";
    }
    int generate(std::vector<std::string> extra = {}) {
        out.str("");
        err.str("");
        std::vector<std::string> args{(dir / "P.ozp").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runGenerate(views, out, err);
    }
    static std::string read(const fs::path& path) {
        std::string bytes;
        EXPECT_TRUE(readFileBytes(path, bytes).ok()) << path;
        return bytes;
    }
    std::string events() { return read(eventsPath); }
    // Puts `line` right after the first line that is `after`.
    void insertAfter(const fs::path& path, const std::string& after, const std::string& line) {
        std::string text = read(path);
        const std::size_t at = text.find(after + "\r\n");
        ASSERT_NE(at, std::string::npos) << after << " in\n" << text;
        text.insert(at + after.size() + 2, line + "\r\n");
        std::ofstream(path, std::ios::binary) << text;
    }
    bool follows(const std::string& first, const std::string& second) {
        return events().find(first + "\r\n" + second + "\r\n") != std::string::npos;
    }

    test::TempDir temp_;
    const fs::path dir = temp_.path();
    const fs::path eventsPath = dir / "out" / "PEvents.pc";
    const fs::path mainPath = dir / "out" / "P.pc";
    std::ostringstream out, err;
};

// Each scenario: a first design generated, the user's edit, a second design generated.
TEST_P(CliMerge, TheUsersCodeSurvivesADesignChange) {
    const std::string mine = "  alert(\"mine\");";
    const auto handler = flavour().handler;
    struct Case {
        const char* what;
        Buttons before, after;
        std::function<void()> edit, check;
    };
    const Case cases[] = {
        {"a kept handler and a new control",
         {"Ok", "Go"},
         {"Ok", "Go", "New"},
         [&] { insertAfter(eventsPath, handler("Ok"), mine); },
         [&] {
             EXPECT_TRUE(follows(handler("Ok"), mine));
             EXPECT_NE(events().find(handler("New")), std::string::npos);
         }},
        {"a renamed control",
         {"Ok", "Go"},
         {"Yes", "Go"},
         [&] { insertAfter(eventsPath, handler("Ok"), mine); },
         [&] {
             EXPECT_TRUE(follows(handler("Yes"), mine));
             EXPECT_EQ(events().find(handler("Ok")), std::string::npos);
         }},
        {"a removed control",
         {"Ok", "Go"},
         {"Go"},
         [&] { insertAfter(eventsPath, handler("Ok"), mine); },
         [&] {
             EXPECT_EQ(events().find(handler("Ok")), std::string::npos);
             EXPECT_NE(events().find(mine), std::string::npos);
             EXPECT_NE(err.str().find("1 line you wrote in"), std::string::npos) << err.str();
         }},
        {"a helper and a global",
         {"Ok"},
         {"Ok", "New"},
         [&] {
             std::ofstream(eventsPath, std::ios::app | std::ios::binary) << "helper(){\r\n}\r\n";
             const std::string main = read(mainPath);
             std::ofstream(mainPath, std::ios::binary) << "int counter;\r\n" << main;
         },
         [&] {
             EXPECT_NE(events().find("helper(){\r\n}\r\n"), std::string::npos);
             EXPECT_NE(events().find(handler("New")), std::string::npos);
             EXPECT_EQ(read(mainPath).rfind("int counter;\r\n", 0), 0u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir / "out");
        design(c.before);
        ASSERT_EQ(generate(), 0) << err.str();
        c.edit();
        design(c.after);
        ASSERT_EQ(generate(), 0) << err.str();
        c.check();
        EXPECT_EQ(events().find("<<<<<<<"), std::string::npos);
        EXPECT_FALSE(fs::exists(eventsPath.string() + ".bak"));
    }
}

// The user and the generator changed one line: both versions between markers, and the
// file is not merged again until the user has chosen.
TEST_P(CliMerge, AClashIsMarkedNamedAndBlocksTheNextMerge) {
    design({"Ok"});
    ASSERT_EQ(generate(), 0);
    const std::string own = flavour().handler("Ok") + " // mine";
    std::string text = events();
    text.replace(text.find(flavour().handler("Ok")), flavour().handler("Ok").size(), own);
    std::ofstream(eventsPath, std::ios::binary) << text;
    design({"Yes"});
    EXPECT_EQ(generate(), 1);
    const std::string clashed = events();
    const std::size_t start = clashed.find("<<<<<<< PEvents.pc (yours)\r\n");
    ASSERT_NE(start, std::string::npos) << clashed;
    EXPECT_LT(clashed.find(own), clashed.find("||||||| last generated\r\n"));
    EXPECT_LT(clashed.find("=======\r\n"), clashed.find(flavour().handler("Yes")));
    EXPECT_NE(clashed.find(">>>>>>> generated now\r\n"), std::string::npos);
    const auto line = std::count(clashed.begin(), clashed.begin() + start, '\n') + 1;
    EXPECT_NE(err.str().find(eventsPath.string() +
                             ": your changes and the new code clash at line " +
                             std::to_string(line) + ";"),
              std::string::npos)
        << err.str();

    design({"Yes", "Go"});
    EXPECT_EQ(generate(), 1);
    EXPECT_EQ(events(), clashed);
    EXPECT_NE(err.str().find(eventsPath.string() + " still holds the markers of a clash"),
              std::string::npos);
}

TEST_P(CliMerge, AFileWithoutRecordIsKeptAsABackupAndReplaceOverwrites) {
    design({"Ok"});
    ASSERT_EQ(generate(), 0);
    const std::string first = events();
    fs::remove_all(dir / "out" / ".ornadeck");
    std::ofstream(eventsPath, std::ios::binary) << "written by hand\r\n";
    ASSERT_EQ(generate(), 0) << err.str();
    EXPECT_EQ(events(), first);
    EXPECT_EQ(read(eventsPath.string() + ".bak"), "written by hand\r\n");
    EXPECT_NE(err.str().find("the old file is kept as " + eventsPath.string() + ".bak"),
              std::string::npos)
        << err.str();
    // Numbered when taken; --replace makes none and leaves the generator's text.
    std::ofstream(eventsPath, std::ios::binary) << "by hand again\r\n";
    fs::remove_all(dir / "out" / ".ornadeck");
    ASSERT_EQ(generate(), 0);
    EXPECT_EQ(read(eventsPath.string() + ".1.bak"), "by hand again\r\n");
    std::ofstream(eventsPath, std::ios::binary) << "one more\r\n";
    ASSERT_EQ(generate({"--replace"}), 0);
    EXPECT_EQ(events(), first);
    EXPECT_FALSE(fs::exists(eventsPath.string() + ".2.bak"));
    EXPECT_EQ(read(dir / "out" / ".ornadeck" / "PEvents.pc"), first);
}

INSTANTIATE_TEST_SUITE_P(Libraries, CliMerge, testing::Values(kCControls, kPToolbox),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace ornadeck
