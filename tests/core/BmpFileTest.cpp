#include "render/BmpFile.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

std::uint32_t field(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

// Exact bytes of a 3 x 2 black and white icon: 1 bit, black first in the palette, bottom
// row first, each row padded to four bytes.
TEST(BmpFile, ABlackAndWhitePictureIsOneBitPerPixel) {
    Image picture(3, 2, kWhite);
    picture.set(0, 0, kBlack);
    picture.set(2, 1, kBlack);
    const std::string bytes = bmpFileBytes(picture);
    ASSERT_EQ(bytes.size(), 14u + 40 + 8 + 2 * 4);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(field(bytes, 2, 4), bytes.size());
    EXPECT_EQ(field(bytes, 10, 4), 62u); // pixels after both headers and the palette
    EXPECT_EQ(field(bytes, 18, 4), 3u);
    EXPECT_EQ(field(bytes, 22, 4), 2u);
    EXPECT_EQ(field(bytes, 28, 2), 1u);
    EXPECT_EQ(field(bytes, 46, 4), 2u);
    EXPECT_EQ(bytes.substr(54, 8), std::string("\0\0\0\0\xFF\xFF\xFF\0", 8));
    EXPECT_EQ(bytes.substr(62), std::string("\xC0\0\0\0\x60\0\0\0", 8)); // 110, then 011
    EXPECT_EQ(decodeBmp(bytes), picture);
}

TEST(BmpFile, AnyOtherColourMakesItTwentyFourBits) {
    Image picture(2, 2, kWhite);
    picture.set(1, 0, 0x00336699); // red 0x99, green 0x66, blue 0x33
    const std::string bytes = bmpFileBytes(picture);
    EXPECT_EQ(field(bytes, 28, 2), 24u);
    EXPECT_EQ(bytes.size(), 14u + 40 + 2 * 8);
    // The top row is the last: white, then blue-green-red of the colour, then padding.
    EXPECT_EQ(bytes.substr(62), std::string("\xFF\xFF\xFF\x33\x66\x99\0\0", 8));
    EXPECT_EQ(decodeBmp(bytes), picture);
}

// Bitmaps from other programs: palettes of 4 and 8 bits, 32-bit pixels, rows top down.
TEST(BmpFile, ReadsTheUncompressedKindsOtherProgramsWrite) {
    auto header = [](int width, int height, int bits, std::uint32_t colours, std::size_t pixels) {
        std::string h = bmpFileBytes(Image(1, 1, 0x123456)).substr(0, 54);
        auto put = [&](std::size_t at, std::uint32_t v, int size) {
            for (int i = 0; i < size; ++i)
                h[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        put(10, static_cast<std::uint32_t>(54 + colours * 4), 4);
        put(2, static_cast<std::uint32_t>(54 + colours * 4 + pixels), 4);
        put(18, static_cast<std::uint32_t>(width), 4);
        put(22, static_cast<std::uint32_t>(height), 4);
        put(28, static_cast<std::uint32_t>(bits), 2);
        put(46, colours, 4);
        return h;
    };
    const std::string red("\0\0\xFF\0", 4), green("\0\xFF\0\0", 4);
    // 4 bits, two colours, 2 x 1: index 1 then index 0.
    const auto four = decodeBmp(header(2, 1, 4, 2, 4) + red + green + std::string("\x10\0\0\0", 4));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->at(0, 0), 0x00FF00u);
    EXPECT_EQ(four->at(1, 0), 0x0000FFu);
    // 8 bits, 1 x 2 top down (negative height): red above green.
    const auto eight =
        decodeBmp(header(1, -2, 8, 2, 8) + red + green + std::string("\0\0\0\0\x01\0\0\0", 8));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->at(0, 0), 0x0000FFu);
    EXPECT_EQ(eight->at(0, 1), 0x00FF00u);
    // 32 bits: blue, green, red, unused.
    const auto wide = decodeBmp(header(1, 1, 32, 0, 4) + std::string("\x33\x66\x99\xFF", 4));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->at(0, 0), 0x336699u);
}

TEST(BmpFile, RefusesWhatItCannotReadWholly) {
    const std::string good = bmpFileBytes(Image(4, 4, kWhite));
    auto with = [&](std::size_t at, std::string_view bytes) {
        std::string s = good;
        s.replace(at, bytes.size(), bytes);
        return s;
    };
    // 8 bits with a palette of 256 colours, in a file that ends after one pixel row.
    std::string palettePastTheEnd = bmpFileBytes(Image(1, 1, 0x010203));
    palettePastTheEnd.replace(28, 2, std::string("\x08\0", 2));
    palettePastTheEnd.replace(46, 4, std::string("\0\x01\0\0", 4));
    const std::pair<const char*, std::string> cases[] = {
        {"not a bitmap", "GIF89a" + good.substr(6)},
        {"cut short", good.substr(0, good.size() - 1)},
        {"headers only", good.substr(0, 30)},
        {"compressed", with(30, std::string("\x01\0\0\0", 4))},
        {"16 bits", with(28, std::string("\x10\0", 2))},
        {"no width", with(18, std::string("\0\0\0\0", 4))},
        {"huge", with(18, std::string("\0\0\x01\0", 4))},
        {"pixels past the end", with(10, std::string("\xF0\xFF\0\0", 4))},
        {"palette index past its colours", with(46, std::string("\x01\0\0\0", 4))},
        {"palette past the end", palettePastTheEnd},
    };
    for (const auto& [why, bytes] : cases)
        EXPECT_FALSE(decodeBmp(bytes)) << why;
    EXPECT_TRUE(decodeBmp(good));
}

} // namespace
} // namespace ornadeck
