#include "cli/Tool.h"

#include "cli/PngFile.h"
#include "render/BmpFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class Tool : public testing::Test {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        const std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runTool(views, ORNADECK_SOURCE_DIR "/fonts", out, err);
    }
    bool printed(const std::string& text) const {
        return out.str().find(text) != std::string::npos;
    }

    std::ostringstream out, err;
};

TEST_F(Tool, HelpForTheToolAndEachCommandGoesToStandardOutput) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {{}, {"generate", "render", "--version"}},
        {{"--help"}, {"generate", "render"}},
        {{"help"}, {"generate", "render"}},
        {{"generate", "--help"}, {"PROJECT.ozp", "--out", "--memos", "--pde", "--first"}},
        {{"render", "-h"}, {"FORM.ozf", "--output", "--scale", "--device"}},
        {{"help", "generate"}, {"PROJECT.ozp", "--out", "--memos", "--pde", "--first"}},
        {{"help", "check"}, {"--format", "--werror"}},
        {{"--help-all"}, {"--memos", "--first", "--scale", "--device"}},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.empty() ? "(none)" : c.args.front() + " ...";
        EXPECT_EQ(run(c.args), 0) << name;
        EXPECT_EQ(err.str(), "") << name;
        for (const std::string& m : c.mentions)
            EXPECT_TRUE(printed(m)) << name << " lacks " << m << ":\n" << out.str();
    }
    run({"render", "--help"});
    EXPECT_FALSE(printed("--memos")) << "a command's help shows its own options only";
    run({"help", "render"});
    EXPECT_FALSE(printed("--memos")) << "help COMMAND is that command's help";
    EXPECT_EQ(run({"help", "frobnicate"}), 2);
    EXPECT_NE(err.str().find("frobnicate"), std::string::npos) << err.str();
}

TEST_F(Tool, AnUnknownCommandIsNamed) {
    EXPECT_EQ(run({"frobnicate", "a.ozp"}), 2);
    EXPECT_EQ(err.str().rfind("ornadeck-cli: unknown command 'frobnicate'\n", 0), 0u) << err.str();
}

TEST_F(Tool, VersionIsOneLineOnStandardOutput) {
    for (const char* spelling : {"--version", "version"}) {
        EXPECT_EQ(run({spelling}), 0);
        EXPECT_EQ(out.str().rfind("ornadeck-cli 1.", 0), 0u) << out.str();
        EXPECT_EQ(out.str().find('\n'), out.str().size() - 1) << out.str();
    }
}

// Every wrong command line: status 2, nothing on standard output, and one error style on
// standard error naming the command reached and where its help is.
TEST_F(Tool, WrongArgumentsAreOneStyleOfErrorWithStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string prefix;
    };
    const Case cases[] = {
        {{"frobnicate"}, "ornadeck-cli: "},
        {{"--colour"}, "ornadeck-cli: "},
        {{"--"}, "ornadeck-cli: "},
        {{"generate"}, "ornadeck-cli generate: "},
        {{"generate", "a.ozp", "b.ozp"}, "ornadeck-cli generate: "},
        {{"generate", "a.ozp", "--memos", "--pde"}, "ornadeck-cli generate: "},
        {{"generate", "a.ozp", "--out"}, "ornadeck-cli generate: "},
        {{"generate", "a.ozp", "render", "b.ozf", "-o", "x.png"}, "ornadeck-cli generate: "},
        {{"render", "a.ozf"}, "ornadeck-cli render: "},
        {{"render", "a.ozf", "-o", "x.png", "--scale", "17"}, "ornadeck-cli render: "},
        {{"render", "a.ozf", "-o", "x.png", "--scale", "0x2"}, "ornadeck-cli render: "},
        {{"render", "a.ozf", "-o", "x.png", "--scale", "2", "--scale", "3"},
         "ornadeck-cli render: "},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(run(c.args), 2) << line;
        EXPECT_EQ(out.str(), "") << line;
        EXPECT_EQ(err.str().rfind(c.prefix, 0), 0u) << line << "\n" << err.str();
        EXPECT_EQ(err.str().find("\n"), err.str().rfind("\n", err.str().size() - 2))
            << "one line of error, one of help\n"
            << err.str();
        const std::string command = c.prefix.substr(0, c.prefix.size() - 2);
        EXPECT_NE(err.str().find("Run '" + command + " --help' for more information."),
                  std::string::npos)
            << line << "\n"
            << err.str();
    }
}

// The scale is decimal from 1 to 16: a leading zero does not make it octal.
TEST_F(Tool, RenderScaleIsADecimalFromOneToSixteen) {
    test::TempDir temp;
    const fs::path png = temp.path() / "a.png";
    for (const auto& [scale, width] : {std::pair{"1", 160}, {"010", 1600}, {"16", 2560}}) {
        ASSERT_EQ(run({"render", ORNADECK_SOURCE_DIR "/examples/ccontrols/About.ozf", "--output",
                       png.string(), "--scale", scale}),
                  0)
            << scale << ": " << err.str();
        EXPECT_EQ(out.str(), png.string() + "\n");
        const auto picture = cli::readPng(png);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), width) << scale;
    }
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// The desktop compiler reads only Windows bitmaps: a PNG icon is written as a real one,
// and a picture in any other format is an error naming its key and file, with status 1.
TEST_F(Tool, GenerateWritesIconsAsBitmapsWhateverTheirFormat) {
    test::TempDir temp;
    fs::copy(ORNADECK_SOURCE_DIR "/examples/ptoolbox", temp.path() / "p");
    Image icon(2, 2, kWhite);
    icon.set(0, 0, kBlack);
    ASSERT_TRUE(cli::writePng(icon, temp.path() / "icon.png").ok());
    {
        std::ofstream(temp.path() / "icon.gif") << "GIF89a";
        std::ofstream project(temp.path() / "p" / "Palm.ozp", std::ios::app);
        project << "\r\n[Icons]\r\nLarge1=" << (temp.path() / "icon.png").string()
                << "\r\nSmall1=" << (temp.path() / "icon.gif").string() << "\r\n";
    }
    const fs::path outDir = temp.path() / "out";
    EXPECT_EQ(run({"generate", (temp.path() / "p" / "Palm.ozp").string(), "--pde", "--out",
                   outDir.string()}),
              1);
    std::ifstream written(outDir / "large1.bmp", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(written), {}};
    EXPECT_EQ(bytes, bmpFileBytes(icon));
    EXPECT_FALSE(fs::exists(outDir / "small1.bmp"));
    EXPECT_NE(err.str().find("ornadeck-cli: Icon Small1: " + (temp.path() / "icon.gif").string() +
                             " cannot be read as a picture (PNG or BMP); small1.bmp was not "
                             "written."),
              std::string::npos)
        << err.str();
    EXPECT_TRUE(fs::exists(outDir / "Palm.pc")); // the code is written all the same
}

} // namespace
} // namespace ornadeck
