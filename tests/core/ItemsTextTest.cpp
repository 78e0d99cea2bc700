#include "workbench/ItemsText.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

using Items = std::vector<std::string>;

TEST(ItemsText, LinesBecomeItemsEmptyLinesIncluded) {
    struct Case {
        std::string_view text;
        Items items;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"One", {"One"}},
        {"One\nTwo\n", {"One", "Two"}},
        {"One\n\nThree", {"One", "", "Three"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"\n\n", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(itemsFromText(c.text), c.items);
    }
}

TEST(ItemsText, ItemsSurviveTheBoxUnchanged) {
    for (const Items& items :
         {Items{}, Items{""}, Items{"", ""}, Items{"A", "", "C"}, Items{"One", "Two", "Three"}}) {
        EXPECT_EQ(itemsFromText(textFromItems(items)), items);
    }
    EXPECT_EQ(itemsCounterText(0), "0 items");
    EXPECT_EQ(itemsCounterText(3), "3 items");
}

} // namespace
} // namespace ornadeck
