#include "GitMerge.h"
#include "fuzz/RandomDesign.h"
#include "support/MergeCases.h"

#include <gtest/gtest.h>
#include <random>

namespace ornadeck {
namespace {

TEST(MergeOracle, KnownMergesMatchGits) {
    for (const test::MergeCase& c : test::combinedMerges()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(mergeThreeWay(c.base, c.ours, c.theirs).text,
                  test::gitMerge(c.base, c.ours, c.theirs).text);
    }
    struct Clash {
        std::string base, ours, theirs;
    };
    const auto text = test::crLfText;
    const Clash clashes[] = {
        {text({"top", "OnOk(){", "}"}), text({"top", "OnOk(){ //x", "}"}),
         text({"top", "OnYes(){", "}"})},
        {text({"a", "b", "c", "d"}), text({"a", "B", "c", "d"}), text({"a", "b", "C", "d"})},
    };
    for (const Clash& c : clashes) {
        const MergedText mine = mergeThreeWay(c.base, c.ours, c.theirs);
        const MergedText git = test::gitMerge(c.base, c.ours, c.theirs);
        EXPECT_EQ(mine.text, git.text);
        EXPECT_EQ(mine.clashLines, git.clashLines);
    }
}

// Random designs of both libraries, random user edits. Where git merges cleanly, the merge
// here is nearly always the same text; where the two diffs line up a change differently
// (both right), it differs, but it never loses a line the user added.
TEST(MergeOracle, RandomEditsOfGeneratedCodeMergeAsGitMergesThem) {
    std::mt19937 random(20261207);
    int compared = 0, same = 0;
    for (int round = 0; round < 3000; ++round) {
        const Library library = random() % 2 ? Library::PToolboxLib : Library::CControls;
        const std::size_t file = random() % 4;
        const auto before = static_cast<std::uint8_t>(random()),
                   after = static_cast<std::uint8_t>(random());
        const std::string base = fuzz::generatedFile(library, before, file);
        const std::string theirs = fuzz::generatedFile(library, after, file);
        std::vector<std::string> lines;
        for (std::string_view l : fuzz::linesOf(base))
            lines.emplace_back(l);
        for (int e = static_cast<int>(random() % 4); e >= 0; --e)
            fuzz::editLines(lines, static_cast<std::uint8_t>(random()), random());
        std::string ours;
        for (const std::string& l : lines)
            ours += l;
        const MergedText git = test::gitMerge(base, ours, theirs);
        if (!git.clashLines.empty()) continue;
        ++compared;
        const MergedText mine = mergeThreeWay(base, ours, theirs);
        if (mine.text == git.text) ++same;
        ASSERT_TRUE(fuzz::keepsAddedLines(base, ours, mine.text)) << "round " << round;
    }
    std::cout << same << " of " << compared << " clean merges of git's alike\n";
    EXPECT_GE(same * 100, compared * 95);
}

} // namespace
} // namespace ornadeck
