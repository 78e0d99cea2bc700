#include "cli/PngFile.h"

#include "model/AtomicFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class PngFile : public testing::Test {
  protected:
    test::TempDir temp_;
    const fs::path dir = temp_.path();
};

// The reviewed gallery pictures pin the reader; this pins the writer against it: every
// channel must land where it belongs, or red and blue swap in every picture.
TEST_F(PngFile, WritesEveryChannelWhereItBelongs) {
    Image image(3, 2);
    const Color colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xFFFFFF, 0x000000};
    for (int i = 0; i < 6; ++i)
        image.set(i % 3, i / 3, colours[i]);
    ASSERT_TRUE(cli::writePng(image, dir / "a.png").ok());
    const auto back = cli::readPng(dir / "a.png");
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, image);
}

TEST_F(PngFile, AFailedWriteSaysWhyAndLeavesNothing) {
    const Status intoNowhere = cli::writePng(Image(4, 4), dir / "none" / "a.png");
    EXPECT_FALSE(intoNowhere.ok());
    EXPECT_EQ(intoNowhere.message().rfind("Cannot write " + (dir / "none" / "a.png").string(), 0),
              0u);

    std::ofstream(dir / "old.png") << "old";
    const Status empty = cli::writePng(Image(), dir / "old.png");
    EXPECT_FALSE(empty.ok());
    EXPECT_NE(empty.message().find("empty"), std::string::npos) << empty.message();
    std::string kept;
    ASSERT_TRUE(readFileBytes(dir / "old.png", kept).ok());
    EXPECT_EQ(kept, "old");
}

TEST_F(PngFile, WhatIsNotAWholePngReadsAsNothing) {
    ASSERT_TRUE(cli::writePng(Image(40, 30, 0x336699), dir / "whole.png").ok());
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "whole.png", bytes).ok());
    ASSERT_TRUE(writeFileAtomically(dir / "cut.png", bytes.substr(0, bytes.size() / 2)).ok());
    std::ofstream(dir / "text.png") << "[FORM]\nName=Main\n";
    fs::create_directory(dir / "folder.png");

    for (const char* name : {"missing.png", "cut.png", "text.png", "folder.png"})
        EXPECT_FALSE(cli::readPng(dir / name)) << name;
    EXPECT_TRUE(cli::readPng(dir / "whole.png"));
}

} // namespace
} // namespace ornadeck
