#include "check/Checks.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "render/PalmFonts.h"
#include "workbench/HeadlessProject.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// The examples are what a new user sees first: the checks must find nothing wrong in them.
TEST(CheckRun, TheExampleProjectsRaiseNoErrorOrWarning) {
    SilentUi ui;
    const PalmFonts fonts = PalmFonts::load(ORNADECK_SOURCE_DIR "/fonts", ui);
    for (const char* path : {"ccontrols/Demo.ozp", "ptoolbox/Palm.ozp"}) {
        Workspace workspace;
        workspace.metrics = &fonts;
        LibraryKits kits(workspace, ui);
        HeadlessProject project;
        ASSERT_TRUE(loadHeadlessProject(fs::path(ORNADECK_SOURCE_DIR "/examples") / path, workspace,
                                        kits, project)
                        .ok());
        for (const TextGauge& gauge : {TextGauge(fonts), TextGauge()})
            for (const Finding& f : runChecks(subjectOf(project), gauge))
                EXPECT_EQ(f.severity, Severity::Note) << findingLine(f);
    }
}

TEST(CheckRun, FindingsReadLikeACompilersAndAsJson) {
    Form form("Main");
    form.setFilePath("/p/Main.ozf");
    Finding f{
        Severity::Warning, "geometry.off-screen", "/p/Main.ozf", "Main", "Ok", "lies out", &form};
    EXPECT_EQ(findingLine(f), "/p/Main.ozf: warning: Ok: lies out [geometry.off-screen]");
    f.control.clear();
    EXPECT_EQ(findingLine(f), "/p/Main.ozf: warning: Main: lies out [geometry.off-screen]");
    Finding project{Severity::Note, "library.source-missing", "/p/Demo.ozp", "", "", "copy it",
                    nullptr};
    EXPECT_EQ(findingLine(project), "/p/Demo.ozp: note: copy it [library.source-missing]");

    EXPECT_EQ(findingsJson({}), "[]\n");
    f.message = "say \"hi\"\\\n";
    EXPECT_EQ(findingsJson({f}),
              "[\n  {\"severity\": \"warning\", \"check\": \"geometry.off-screen\", \"file\": "
              "\"/p/Main.ozf\", \"form\": \"Main\", \"control\": \"\", \"message\": \"say "
              "\\\"hi\\\"\\\\\\u000a\"}\n]\n");
}

} // namespace
} // namespace ornadeck
