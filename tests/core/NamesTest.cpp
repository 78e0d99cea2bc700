#include "model/Names.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

// Case folds exactly A-Z: the characters just outside the letter ranges stay apart, and a
// name set hashes names alike exactly when they compare the same.
TEST(NamesTest, NamesCompareWithoutRegardToAsciiCaseOnly) {
    const struct {
        std::string_view a, b;
        bool same;
    } cases[] = {
        {"AZ", "az", true},      {"Button1", "BUTTON1", true},
        {"@", "`", false},       {"[", "{", false},
        {"_", "_", true},        {"a", "ab", false},
        {"\xC9", "\xE9", false}, // only ASCII folds
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sameName(c.a, c.b), c.same) << c.a << " " << c.b;
        EXPECT_EQ(SameName()(c.a, c.b), c.same) << c.a << " " << c.b;
        if (c.same) {
            EXPECT_EQ(NameHash()(c.a), NameHash()(c.b)) << c.a;
        }
    }
    EXPECT_EQ(lowerAscii("AZaz@[`{"), "azaz@[`{");
}

TEST(NamesTest, IdentifiersStartWithALetterOrUnderscore) {
    for (std::string_view good : {"A", "Z", "a", "z", "_", "a9", "aZ", "Z_0", "_z"})
        EXPECT_TRUE(isValidIdentifier(good)) << good;
    for (std::string_view bad : {"", "9", "@", "[", "`", "{", "a-", "a b", "a\xE9", "9Z"})
        EXPECT_FALSE(isValidIdentifier(bad)) << bad;
}

} // namespace
} // namespace ornadeck
