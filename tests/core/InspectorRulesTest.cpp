#include "workbench/InspectorRules.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(InspectorRules, NumericRowsHoldBackPartialNumbers) {
    struct Case {
        std::string_view name;
        std::string_view value;
        bool sent;
    };
    const Case cases[] = {
        {"Left", "--", true},
        {"MaxChars", "", false},
        {"GroupNumber", "-", false},
        {"TopicWidth", "", false},
        {"SelectedItem", "", false},
        // Names inside the numeric list text count as numeric too.
        {"Topic", "", false},
        {"Items", "", false},
        {"Width", "", false},
        {"Text", "", true},
        {"Name", "-", true},
        {"Content", "", true},
        {"ShowForm", "", true},
        {"Title", "", true},
        {"Font", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isSendable(c.name, c.value), c.sent) << c.name << " = '" << c.value << "'";
}

} // namespace
} // namespace ornadeck
