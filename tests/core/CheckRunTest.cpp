#include "check/Checks.h"
#include "model/Form.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

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
