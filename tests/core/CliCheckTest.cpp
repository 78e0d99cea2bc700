#include "cli/CheckCommand.h"
#include "cli/GenerateCommand.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// A PToolboxLib form with one button of the given name at (left, 18).
std::string ptForm(const std::string& form, const std::string& button, int left = 8) {
    return "[FORM]\nName=" + form + "\nTitle=" + form + "\nLib=2\n\n[" + button +
           "]\nControl=Button\nName=" + button +
           "\nText=OK\nHeight=17\nWidth=46\nLeft=" + std::to_string(left) +
           "\nTop=18\nFrame=0\nType=0\nShowForm=(None)\nParent=panScreen\n";
}

class CliCheck : public testing::Test {
  protected:
    int check(std::vector<std::string> args) {
        out.str("");
        err.str("");
        std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runCheck(views, ORNADECK_SOURCE_DIR "/fonts", out, err);
    }
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return dir / name;
    }
    // Two forms that both hold a Button1, and their project.
    fs::path sharedButtonProject() {
        write("First.ozf", ptForm("First", "Button1"));
        write("Second.ozf", ptForm("Second", "Button1"));
        return write("Twice.ozp",
                     "[Project]\nLib=2\n[ActiveForms]\nForm0=First.ozf\nForm1=Second.ozf\n"
                     "[Code]\nMemo=1\n");
    }

    test::TempDir temp_;
    const fs::path dir = temp_.path();
    std::ostringstream out, err;
    const fs::path examples = ORNADECK_SOURCE_DIR "/examples";
};

TEST_F(CliCheck, TheExamplesPassWithNotesOnly) {
    for (const char* project : {"ccontrols/Demo.ozp", "ptoolbox/Palm.ozp"}) {
        ASSERT_EQ(check({(examples / project).string(), "--werror"}), 0) << out.str() << err.str();
        EXPECT_EQ(out.str().find(": error: "), std::string::npos) << out.str();
        EXPECT_EQ(out.str().find(": warning: "), std::string::npos) << out.str();
        EXPECT_TRUE(err.str().empty()) << err.str();
    }
}

TEST_F(CliCheck, OneNameOnTwoFormsIsAnErrorOnEachInTheCompilersStyle) {
    const fs::path project = sharedButtonProject();
    EXPECT_EQ(check({project.string()}), 1);
    const std::string expected =
        (dir / "First.ozf").string() +
        ": error: Button1: control Button1 on form Second has the same name; the generated code "
        "declares Button1 once for the whole project [names.duplicate-across-forms]\n" +
        (dir / "Second.ozf").string() +
        ": error: Button1: control Button1 on form First has the same name; the generated code "
        "declares Button1 once for the whole project [names.duplicate-across-forms]\n";
    EXPECT_EQ(out.str(), expected);
    // The same forms given one by one are checked as one program.
    EXPECT_EQ(check({(dir / "First.ozf").string(), (dir / "Second.ozf").string()}), 1);
    EXPECT_EQ(out.str(), expected);

    EXPECT_EQ(check({project.string(), "--format", "json"}), 1);
    EXPECT_EQ(out.str().rfind("[\n  {\"severity\": \"error\", \"check\": "
                              "\"names.duplicate-across-forms\", \"file\": ",
                              0),
              0u)
        << out.str();
    EXPECT_EQ(check({project.string(), "--format=json"}), 1);
}

TEST_F(CliCheck, WarningsFailOnlyWithWerror) {
    const fs::path form = write("Wide.ozf", ptForm("Wide", "Far", 140));
    EXPECT_EQ(check({form.string()}), 0);
    EXPECT_NE(out.str().find(": warning: Far: "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("[geometry.off-screen]"), std::string::npos);
    EXPECT_EQ(check({form.string(), "--werror"}), 1);
}

TEST_F(CliCheck, FormsThatCannotBeTakenAreFindingsOrFailures) {
    const fs::path pt = write("Pt.ozf", ptForm("Pt", "Ok"));
    const fs::path cc = examples / "ccontrols/About.ozf";
    EXPECT_EQ(check({pt.string(), cc.string(), (dir / "gone.ozf").string()}), 1);
    EXPECT_NE(out.str().find(cc.string() + ": error: this form is of the other library"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find((dir / "gone.ozf").string() + ": error: "), std::string::npos);

    EXPECT_EQ(check({(dir / "gone.ozf").string()}), 1);
    EXPECT_NE(err.str().find("none of the forms given could be read"), std::string::npos);
    EXPECT_EQ(check({(dir / "gone.ozp").string()}), 1);
    EXPECT_NE(err.str().find("gone.ozp"), std::string::npos);
}

TEST_F(CliCheck, WrongArgumentsExitWithTwo) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{}, "no project or form given"},
        {{"a.ozp", "--format"}, "--format needs a value"},
        {{"a.ozp", "--format", "xml"}, "--format takes text or json"},
        {{"a.ozp", "--format=yaml"}, "--format takes text or json"},
        {{"a.ozp", "--colour"}, "unknown option --colour"},
        {{"a.ozp", "b.ozf"}, "give one project, or form files"},
        {{"a.ozp", "b.ozp"}, "give one project, or form files"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(c.args), 2) << c.says;
        EXPECT_EQ(err.str(), "ornadeck-cli check: " + std::string(c.says) +
                                 "\nusage: ornadeck-cli check PROJECT.ozp | FORM.ozf ... "
                                 "[--format text|json] [--werror]\n");
    }
}

// Generation tells of errors first but writes exactly what it would have written.
TEST_F(CliCheck, GenerateWarnsOfErrorsAndWritesTheCodeAllTheSame) {
    const fs::path project = sharedButtonProject();
    std::vector<std::string> args{project.string(), "--out", (dir / "out").string()};
    std::vector<std::string_view> views(args.begin(), args.end());
    ASSERT_EQ(cli::runGenerate(views, out, err), 0) << err.str();
    EXPECT_NE(
        err.str().find("ornadeck-cli: " + (dir / "First.ozf").string() + ": error: Button1: "),
        std::string::npos)
        << err.str();
    EXPECT_EQ(err.str().find("warning: " + (dir / "First.ozf").string()), std::string::npos)
        << "one label a line: " << err.str();
    EXPECT_TRUE(fs::exists(dir / "out" / "Twice.h"));
}

} // namespace
} // namespace ornadeck
