#include "model/NameIndex.h"

#include "model/IniFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

// Both sides of the scan limit: a short list is scanned, a long one uses the table.
TEST(NameIndexTest, FindsEveryNameWithoutRegardToCaseAtAnySize) {
    for (int size : {1, 16, 17, 40, 1000}) {
        std::vector<std::string> names;
        NameIndex index;
        for (int i = 0; i < size; ++i) {
            names.push_back("Item" + std::to_string(i));
            index.append(names.back());
        }
        auto nameAt = [&](std::size_t i) { return std::string_view(names[i]); };
        for (int i = 0; i < size; ++i)
            ASSERT_EQ(index.find("iTEM" + std::to_string(i), nameAt), std::size_t(i)) << size;
        EXPECT_FALSE(index.find("Item" + std::to_string(size), nameAt)) << size;
        EXPECT_FALSE(index.find("Item", nameAt)) << size;
    }
}

TEST(NameIndexTest, PunctuationThatHashesLikeLettersStillDiffers) {
    // Bit 5 folds '@' with '`' and '[' with '{' in the hash; only letters compare equal.
    const std::vector<std::string> names{"a@b", "x[y", "LongerThanEight@Chars"};
    NameIndex index;
    for (const auto& n : names)
        index.append(n);
    auto nameAt = [&](std::size_t i) { return std::string_view(names[i]); };
    EXPECT_EQ(index.find("A@B", nameAt), 0u);
    EXPECT_FALSE(index.find("a`b", nameAt));
    EXPECT_FALSE(index.find("x{y", nameAt));
    EXPECT_EQ(index.find("longerthaneight@chars", nameAt), 2u);
    EXPECT_FALSE(index.find("LongerThanEight`Chars", nameAt));
}

TEST(NameIndexTest, ManyKeysAndSectionsSurviveErasing) {
    std::string text;
    for (int s = 0; s < 40; ++s) {
        text += "[S" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 30; ++k)
            text += "K" + std::to_string(k) + "=" + std::to_string(s * 100 + k) + "\r\n";
        text += "k0=repeated\r\n"; // a repeated key keeps its first value
    }
    IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.readInt("s39", "k29", -1), 3929);
    EXPECT_EQ(ini.readString("S7", "K0", ""), "700");
    ini.eraseSection("S0");
    ini.deleteKey("S1", "K0");
    EXPECT_FALSE(ini.hasSection("S0"));
    EXPECT_FALSE(ini.hasKey("S1", "K0"));
    for (int s = 1; s < 40; ++s)
        for (int k = (s == 1 ? 1 : 0); k < 30; ++k)
            ASSERT_EQ(ini.readInt("S" + std::to_string(s), "k" + std::to_string(k), -1),
                      s * 100 + k);
    ini.writeString("S1", "K0", "back");
    EXPECT_EQ(ini.keyNames("S1").back(), "K0");
    EXPECT_EQ(ini.readString("s1", "k0", ""), "back");
}

} // namespace
} // namespace ornadeck
