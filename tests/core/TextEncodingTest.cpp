#include "model/TextEncoding.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(TextEncodingTest, Utf8Validation) {
    const std::pair<std::string_view, bool> cases[] = {
        {"", true},
        {"plain", true},
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC", true},     // euro sign
        {"\xF0\x9F\x98\x80", true}, // outside the BMP
        {std::string_view("a\0b", 3), true},
        {"caf\xE9", false},          // Windows-1252 e-acute
        {"\xC3", false},             // truncated
        {"\xE2\x82", false},         // truncated
        {"\x80", false},             // stray continuation
        {"\xC0\xAF", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xC3\x28", false}, // bad continuation
    };
    for (const auto& [bytes, valid] : cases) {
        EXPECT_EQ(isValidUtf8(bytes), valid) << testing::PrintToString(std::string(bytes));
    }
    // Cut short by the view's end, with the rest of the sequence in memory right after it.
    const std::string whole = "a\xE2\x82\xAC";
    for (std::size_t cut = 2; cut < whole.size(); ++cut)
        EXPECT_FALSE(isValidUtf8(std::string_view(whole).substr(0, cut))) << cut;
}

TEST(TextEncodingTest, Windows1252Bytes) {
    const std::pair<char, std::string_view> cases[] = {
        {'\x41', "A"},
        {'\x80', "\xE2\x82\xAC"}, // euro sign
        {'\x81', "\xC2\x81"},     // undefined: same-numbered control
        {'\x8A', "\xC5\xA0"},     // S caron
        {'\x8D', "\xC2\x8D"},
        {'\x92', "\xE2\x80\x99"}, // right single quote
        {'\x97', "\xE2\x80\x94"}, // em dash
        {'\x99', "\xE2\x84\xA2"}, // trade mark
        {'\x9F', "\xC5\xB8"},     // Y diaeresis
        {'\xA0', "\xC2\xA0"},
        {'\xE9', "\xC3\xA9"}, // e acute
        {'\xFF', "\xC3\xBF"},
    };
    for (const auto& [byte, utf8] : cases) {
        EXPECT_EQ(windows1252ToUtf8(std::string(1, byte)), utf8) << int(byte & 0xFF);
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_TRUE(isValidUtf8(windows1252ToUtf8(all)));
}

TEST(TextEncodingTest, Utf8ToWindows1252) {
    const struct {
        std::string_view utf8, bytes;
        std::size_t missing;
    } cases[] = {
        {"Caf\xC3\xA9", "Caf\xE9", 0},
        {"\xE2\x82\xAC 5", "\x80 5", 0},
        {"\xC2\x81", "\x81", 0}, // the undefined byte's stand-in goes back
        {"\xC2\x80", "?", 1},    // a C1 control that has no byte
        {"a\xE2\x86\x92"
         "b\xF0\x9F\x98\x80",
         "a?b?", 2},           // arrow, emoji
        {"\xFF\xC3", "??", 2}, // no UTF-8 at all
        {"", "", 0},
    };
    for (const auto& c : cases) {
        std::size_t missing = 99;
        EXPECT_EQ(utf8ToWindows1252(c.utf8, &missing), c.bytes) << c.utf8;
        EXPECT_EQ(missing, c.missing) << c.utf8;
        EXPECT_EQ(fitsWindows1252(c.utf8), c.missing == 0) << c.utf8;
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    EXPECT_EQ(codePointCount("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF"), 5u);
}

// ASCII is passed over eight bytes at a time: a character that is not ASCII must be found
// wherever it falls against those words, including in the last, short one.
TEST(TextEncodingTest, OneCharacterAnywhereInLongAsciiText) {
    const struct {
        std::string_view utf8, bytes;
        bool valid;
    } marks[] = {
        {"\xC3\xA9", "\xE9", true},  // fits
        {"\xE2\x86\x92", "?", true}, // has no byte
        {"\xE9", "?", false},        // not UTF-8
        {"\xC3", "?", false},        // cut short
    };
    for (const auto& mark : marks) {
        for (std::size_t at = 0; at <= 17; ++at) {
            const std::string before(at, 'a'), after(17 - at, 'b');
            const std::string text = before + std::string(mark.utf8) + after;
            const std::string expected = before + std::string(mark.bytes) + after;
            std::size_t missing = 99;
            EXPECT_EQ(utf8ToWindows1252(text, &missing), expected) << at;
            EXPECT_EQ(missing, mark.bytes == "?" ? 1u : 0u) << at;
            EXPECT_EQ(fitsWindows1252(text), mark.bytes != "?") << at;
            EXPECT_EQ(isValidUtf8(text), mark.valid) << at;
            EXPECT_FALSE(isAscii(text)) << at;
            EXPECT_TRUE(isAscii(before + after)) << at;
        }
    }
}

TEST(TextEncodingTest, DecodeFileText) {
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF[S]\r\nk=caf\xC3\xA9"), "[S]\r\nk=caf\xC3\xA9");
    EXPECT_EQ(decodeFileText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeFileText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(decodeFileText(""), "");
    // A BOM in front of Windows-1252 text is still dropped.
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF\xE9"), "\xC3\xA9");
}

} // namespace
} // namespace ornadeck
