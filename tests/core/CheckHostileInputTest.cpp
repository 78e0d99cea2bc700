#include "cli/CheckCommand.h"
#include "fuzz/TwoFormCheck.h"
#include "model/AtomicFile.h"
#include "model/TextEncoding.h"
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpus() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ORNADECK_SOURCE_DIR "/fuzz/corpus"))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// What the fuzz target does with each input: read it as a form of either library, twice, so
// the checks across the forms of one project run too.
TEST(CheckHostileInput, EveryCorpusFileReadByEitherLibraryGoesThroughTheChecks) {
    const std::vector<fs::path> files = corpus();
    ASSERT_GE(files.size(), 10u);
    for (const fs::path& file : files) {
        std::string bytes;
        ASSERT_TRUE(readFileBytes(file, bytes).ok()) << file;
        const IniFile ini = IniFile::parse(decodeFileText(bytes));
        for (Library library : {Library::CControls, Library::PToolboxLib}) {
            std::vector<std::string> errors;
            for (const Finding& f : fuzz::checkAsTwoForms(ini, library)) {
                EXPECT_FALSE(f.checkId.empty()) << file;
                EXPECT_FALSE(f.message.empty()) << file;
                if (f.severity == Severity::Error) errors.push_back(findingLine(f));
            }
            // Generation's shorter run must warn of exactly the same errors.
            std::vector<std::string> errorRun;
            for (const Finding& f : fuzz::checkAsTwoForms(ini, library, true))
                errorRun.push_back(findingLine(f));
            EXPECT_EQ(errorRun, errors) << file;
        }
    }
}

// The command itself, over each file, over all of them at once, and over a project listing
// them; a file it cannot take is a finding or a failure, never a crash.
TEST(CheckHostileInput, TheCheckCommandTakesTheWholeCorpus) {
    const std::vector<fs::path> files = corpus();
    std::ostringstream out, err;
    auto check = [&](const std::vector<std::string>& args) {
        std::vector<std::string_view> views(args.begin(), args.end());
        return cli::runCheck(views, ORNADECK_SOURCE_DIR "/fonts", out, err);
    };
    std::vector<std::string> all;
    test::TempDir temp;
    std::ofstream project(temp.path() / "All.ozp");
    project << "[Project]\nLib=2\n[ActiveForms]\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int status = check({files[i].string(), "--format", "json"});
        EXPECT_TRUE(status == 0 || status == 1) << files[i];
        all.push_back(files[i].string());
        project << "Form" << i << "=" << files[i].string() << "\n";
    }
    project.close();
    EXPECT_EQ(check(all), 1);
    EXPECT_EQ(check({(temp.path() / "All.ozp").string()}), 1);
    EXPECT_NE(out.str().find("[references.other-library]"), std::string::npos);
}

} // namespace
} // namespace ornadeck
