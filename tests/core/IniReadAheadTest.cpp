#include "model/IniReadAhead.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// Files come back in the order given, each as IniFile::load reads it, missing ones with the
// same message; files given back are freed there; a caller that stops early does not wait
// for the rest.
TEST(IniReadAheadTest, GivesEachFileAsLoadReadsItInOrder) {
    test::TempDir temp;
    std::vector<fs::path> paths;
    for (int i = 0; i < 7; ++i) {
        paths.push_back(temp.path() / ("f" + std::to_string(i) + ".ini"));
        if (i == 3) continue; // missing
        std::ofstream(paths.back()) << "[S]\r\nK=" << i << "\r\n";
    }
    paths.push_back(temp.path()); // a folder, not a file
    {
        IniReadAhead files(paths);
        for (const fs::path& path : paths) {
            IniFile ahead, direct;
            const Status got = files.next(ahead);
            const Status expected = direct.load(path);
            EXPECT_EQ(got.ok(), expected.ok()) << path;
            EXPECT_EQ(got.message(), expected.message()) << path;
            EXPECT_EQ(ahead.toText(), direct.toText()) << path;
            files.giveBack(std::move(ahead)); // freed on the reading thread
        }
    }
    for (std::size_t taken : {0u, 1u}) {
        IniReadAhead files(paths);
        for (std::size_t i = 0; i < taken; ++i) {
            IniFile ini;
            EXPECT_TRUE(files.next(ini).ok());
            EXPECT_EQ(ini.readInt("S", "K", -1), 0);
        }
    }
}

} // namespace
} // namespace ornadeck
