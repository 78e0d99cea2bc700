#include "codegen/ThreeWayMerge.h"

#include "codegen/GenerationRecords.h"
#include "codegen/LineDiff.h"
#include "codegen/OutputPlan.h"
#include "model/AtomicFile.h"
#include "support/MergeCases.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

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

// Changes that touch, with no line between them that both kept, are one place: git makes it
// a clash, and so do we.
TEST(ThreeWayMerge, ChangesToNeighbouringLinesClash) {
    const MergedText m = mergeThreeWay(text({"a", "b", "c", "d"}), text({"a", "B", "c", "d"}),
                                       text({"a", "b", "C", "d"}));
    EXPECT_EQ(m.text, text({"a", "<<<<<<< yours", "B", "c", "||||||| last generated", "b", "c",
                            "=======", "b", "C", ">>>>>>> generated now", "d"}));
    // One side's change reaching over two of the other's makes one clash of all three.
    const MergedText wide =
        mergeThreeWay(text({"a", "b", "c", "d", "e"}), text({"a", "B", "c", "D", "e"}),
                      text({"a", "x", "y", "z", "e"}));
    EXPECT_EQ(wide.text, text({"a", "<<<<<<< yours", "B", "c", "D", "||||||| last generated", "b",
                               "c", "d", "=======", "x", "y", "z", ">>>>>>> generated now", "e"}));
}

// Any two sequences: the hunks, in order and apart, turn the first into the second.
TEST(LineDiff, HunksAlwaysTurnOneSequenceIntoTheOther) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::vector<int> a(random() % 30), b(random() % 30);
        const int alphabet = 1 + static_cast<int>(random() % 6);
        for (int& n : a)
            n = static_cast<int>(random() % static_cast<unsigned>(alphabet));
        for (int& n : b)
            n = static_cast<int>(random() % static_cast<unsigned>(alphabet));
        const std::vector<DiffHunk> hunks = diffLines(a, b);
        std::vector<int> made;
        std::size_t at = 0, bAt = 0;
        for (const DiffHunk& h : hunks) {
            ASSERT_TRUE(h.aStart >= at && h.aEnd >= h.aStart && h.bEnd >= h.bStart) << round;
            ASSERT_TRUE(h.aStart > at || h.bStart > bAt || (at == 0 && bAt == 0)) << round;
            ASSERT_EQ(h.aStart - at, h.bStart - bAt) << round; // equal lines between hunks
            ASSERT_TRUE(h.aEnd > h.aStart || h.bEnd > h.bStart) << round;
            made.insert(made.end(), a.begin() + static_cast<long>(at),
                        a.begin() + static_cast<long>(h.aStart));
            made.insert(made.end(), b.begin() + static_cast<long>(h.bStart),
                        b.begin() + static_cast<long>(h.bEnd));
            at = h.aEnd;
            bAt = h.bEnd;
        }
        made.insert(made.end(), a.begin() + static_cast<long>(at), a.end());
        ASSERT_EQ(made, b) << round;
    }
    // A line common to both anchors the match however it is surrounded.
    EXPECT_EQ(diffLines({5, 1, 6}, {7, 1, 8}), (std::vector<DiffHunk>{{0, 1, 0, 1}, {2, 3, 2, 3}}));
    // An insertion between equal lines goes as low as it can.
    EXPECT_EQ(diffLines({1, 2, 3, 2, 4}, {1, 2, 3, 2, 3, 2, 4}),
              (std::vector<DiffHunk>{{4, 4, 4, 6}}));
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
