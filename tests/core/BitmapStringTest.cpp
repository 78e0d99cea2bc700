#include "codegen/BitmapString.h"

#include <gtest/gtest.h>
#include <random>

namespace ornadeck {
namespace {

// Rows drawn with '#' for black and '.' for white.
BitGrid gridFromRows(const std::vector<std::string>& rows) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    BitGrid grid(width, static_cast<int>(rows.size()));
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < width; ++x)
            grid.set(x, y, rows[y][x] == '#');
    return grid;
}

std::vector<std::string> rowsOf(const BitGrid& grid) {
    std::vector<std::string> rows;
    for (int y = 0; y < grid.height(); ++y) {
        std::string row;
        for (int x = 0; x < grid.width(); ++x)
            row += grid.at(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

struct DecodeCase {
    const char* name;
    std::string_view text;
    int width;
    int height;
    std::vector<std::string> rows;
};

TEST(BitmapStringTest, DecodesStringBits) {
    const DecodeCase cases[] = {
        {"two rows of six", "cc30", 6, 2, {"##..##", "..##.."}},
        {"one digit per row at width four", "9f", 4, 2, {"#..#", "####"}},
        {"fifth pixel in the msb of the second digit", "f8", 5, 1, {"#####"}},
        {"bits past the width ignored", "f", 2, 1, {"##"}},
        {"upper case accepted", "F0A5", 8, 2, {"####....", "#.#..#.#"}},
        {"non-hex counts as zero", "gz-9", 4, 4, {"....", "....", "....", "#..#"}},
        {"empty text is white", "", 3, 2, {"...", "..."}},
        {"short text leaves the rest white", "f", 8, 2, {"####....", "........"}},
        {"text past the last row ignored", "ff00ff", 8, 1, {"########"}},
        {"same text re-cut at width four", "f0f0", 4, 4, {"####", "....", "####", "...."}},
        {"same text re-cut at width eight", "f0f0", 8, 2, {"####....", "####...."}},
        {"negative size is empty", "ffff", -4, 2, {"", ""}},
        {"a non-ASCII character is one zero digit",
         "f\u00e9\u20acf",
         4,
         4,
         {"####", "....", "....", "####"}},
        {"a stray byte is one zero digit",
         "f\xff"
         "f",
         4,
         3,
         {"####", "....", "####"}},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(rowsOf(decodeStringBits(c.text, c.width, c.height)), c.rows) << c.name;
    }
    EXPECT_EQ(decodeStringBits("ff", 4, -1).height(), 0);
}

TEST(BitmapStringTest, EncodesStringBits) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"##..##", "..##.."}, "cc30"},
        {{"........", "........"}, "0000"},
        {{"#..#"}, "9"},
        {{"#...#"}, "88"},
        {{"#.#.#.#.#.#"}, "aaa"},
        {{"", ""}, ""},
    };
    for (const auto& [rows, expected] : cases) {
        EXPECT_EQ(encodeStringBits(gridFromRows(rows)), expected) << rows.front();
    }
}

TEST(BitmapStringTest, RandomPicturesRoundTrip) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 200; ++round) {
        const int width = static_cast<int>(rng() % 41);
        const int height = static_cast<int>(rng() % 21);
        BitGrid grid(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                grid.set(x, y, rng() % 2 == 1);

        const std::string text = encodeStringBits(grid);
        ASSERT_EQ(text.size(), static_cast<std::size_t>(height) * ((width + 3) / 4));
        ASSERT_EQ(text.find_first_not_of("0123456789abcdef"), std::string::npos) << text;
        ASSERT_EQ(decodeStringBits(text, width, height), grid) << width << "x" << height;
    }
}

TEST(BitmapStringTest, OutsideThePictureIsWhiteAndReadOnly) {
    BitGrid grid(2, 2);
    grid.set(2, 0, true);
    grid.set(-1, 1, true);
    EXPECT_EQ(encodeStringBits(grid), "00");
    EXPECT_FALSE(grid.at(5, 5));
}

TEST(BitmapStringTest, WidthPrefixIsTwoLowerCaseHexDigits) {
    EXPECT_EQ(bitmapWidthPrefix(6), "06");
    EXPECT_EQ(bitmapWidthPrefix(40), "28");
    EXPECT_EQ(bitmapWidthPrefix(0), "00");
    EXPECT_EQ(bitmapWidthPrefix(255), "ff");
    EXPECT_EQ(bitmapWidthPrefix(-3), "00");
}

} // namespace
} // namespace ornadeck
