#include "codegen/ThreeWayMerge.h"

#include "codegen/GenerationRecords.h"
#include "codegen/OutputPlan.h"
#include "model/AtomicFile.h"
#include "support/MergeCases.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

using test::crLfText;
const auto text = crLfText;

TEST(ThreeWayMerge, ChangesOnBothSidesThatDoNotContradictAreCombined) {
    for (const test::MergeCase& c : test::combinedMerges()) {
        SCOPED_TRACE(c.what);
        const MergedText m = mergeThreeWay(c.base, c.ours, c.theirs);
        ASSERT_TRUE(m.status.ok()) << m.status.message();
        EXPECT_EQ(m.text, c.merged);
        EXPECT_TRUE(m.clashLines.empty());
        ASSERT_EQ(m.kept.size(), c.kept ? 1u : 0u);
        if (c.kept) {
            EXPECT_EQ(m.kept[0].count, c.kept);
        }
    }
}

TEST(ThreeWayMerge, AClashShowsBothVersionsAndTheBaseBetweenGitsMarkers) {
    const MergedText m = mergeThreeWay(
        text({"top", "OnOk(){", "}"}), text({"top", "OnOk(){ //x", "}"}),
        text({"top", "OnYes(){", "}"}), {"E.pc (yours)", "last generated", "generated now"});
    EXPECT_EQ(m.text, text({"top", "<<<<<<< E.pc (yours)", "OnOk(){ //x", "||||||| last generated",
                            "OnOk(){", "=======", "OnYes(){", ">>>>>>> generated now", "}"}));
    EXPECT_EQ(m.clashLines, std::vector<std::size_t>{2});
    EXPECT_TRUE(holdsClashMarkers(m.text));
}

TEST(ThreeWayMerge, MarkersAreWholeMarkerLinesOnly) {
    struct Case {
        const char* text;
        bool marker;
    };
    for (const Case& c :
         {Case{"a\n<<<<<<< mine\n", true}, Case{"=======\r\n", true}, Case{">>>>>>>", true},
          Case{"||||||| base\n", true}, Case{"// =======\n", false}, Case{"<<<<<<<<\n", false},
          Case{"=======x\n", false}, Case{"x <<<<<<< y\n", false}})
        EXPECT_EQ(holdsClashMarkers(c.text), c.marker) << c.text;
}

TEST(ThreeWayMerge, BreaksBecomeCrLfWithOneAfterTheLastLine) {
    EXPECT_EQ(withCrLfBreaks("a\nb"), "a\r\nb\r\n");
    EXPECT_EQ(withCrLfBreaks("a\r\n\nb\r\n"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(withCrLfBreaks("\n"), "\r\n");
    EXPECT_EQ(withCrLfBreaks(""), "");
}

class OutputPlanTest : public testing::Test {
  protected:
    void put(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    test::TempDir temp_;
    const fs::path file = temp_.path() / "P.pc";
    const std::string generated = text({"OnOk(){", "}"});
};

TEST_F(OutputPlanTest, EachStateOfTheFileGetsItsAction) {
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Write); // no file yet
    put(file, generated);
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Write); // already the new text
    put(file, "by hand\n");
    const OutputPlan unrecorded = planOutput(file, generated);
    EXPECT_EQ(unrecorded.action, OutputAction::Backup);
    EXPECT_EQ(unrecorded.backup, temp_.path() / "P.pc.bak");
    EXPECT_EQ(unrecorded.text, generated);

    ASSERT_TRUE(writeRecord(file, text({"old"})).ok());
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Merge);
    put(file, std::string("bin\0ary\n", 8)); // no line merge of binary content
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Backup);
    put(file, "<<<<<<< P.pc (yours)\n");
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Unresolved);
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(planOutput(file, generated).action, OutputAction::Unresolved); // cannot be read
}

TEST_F(OutputPlanTest, CarryingOutKeepsTheOldFileFirstAndRecordsTheGeneratedText) {
    put(file, "by hand\n");
    const OutputPlan plan = planOutput(file, generated);
    std::string problem, bytes;
    ASSERT_TRUE(carryOut(file, plan, "shown\r\n", generated, problem).ok());
    EXPECT_TRUE(problem.empty());
    ASSERT_TRUE(readFileBytes(file, bytes).ok());
    EXPECT_EQ(bytes, "shown\r\n");
    ASSERT_TRUE(readFileBytes(plan.backup, bytes).ok());
    EXPECT_EQ(bytes, "by hand\n");
    EXPECT_EQ(readRecord(file), generated);

    // A backup name taken since the plan was made stops it: nothing is written.
    put(file, "again\n");
    fs::remove_all(temp_.path() / ".ornadeck");
    const OutputPlan late = planOutput(file, generated);
    put(late.backup, "someone else's");
    EXPECT_FALSE(carryOut(file, late, generated, generated, problem).ok());
    ASSERT_TRUE(readFileBytes(file, bytes).ok());
    EXPECT_EQ(bytes, "again\n");
    EXPECT_FALSE(readRecord(file).has_value());
}

} // namespace
} // namespace ornadeck
