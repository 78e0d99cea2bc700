#include "model/ReadingOrder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ornadeck {
namespace {

TEST(ReadingOrder, CaseAsideAndNumbersByValue) {
    struct Case {
        const char* a;
        const char* b;
        bool before;
    };
    const Case cases[] = {
        {"Button2", "Button10", true},
        {"Button10", "Button2", false},
        {"button2", "Button10", true},
        {"Label1", "button9", false},
        {"Button", "Button1", true},
        {"Button1", "Button", false},
        {"Button007", "Button8", true},
        {"Button10: Button", "Button9: Button", false},
        {"a99999999999999999999", "a100000000000000000000", true},
        {"Fm1", "Fm1", false},
        {"Ok", "OK", false}, // reads the same: by bytes
        {"OK", "Ok", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inReadingOrder(c.a, c.b), c.before) << c.a << " < " << c.b;
    // Views end where they end, whatever follows them in memory.
    const std::string_view a("ab", 1), b("ac", 1);
    EXPECT_FALSE(inReadingOrder(a, b));
    EXPECT_FALSE(inReadingOrder(b, a));
}

// A strict order whatever the mix, so a sort keeps its promises.
TEST(ReadingOrder, SortsAComponentListAsPeopleReadIt) {
    std::vector<std::string> names{"Button10: Button", "form1: Form",     "Button2: Button",
                                   "label3: Label",    "Button1: Button", "Button02: Button"};
    std::sort(names.begin(), names.end(), inReadingOrder);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Button1: Button", "Button02: Button", "Button2: Button",
                                        "Button10: Button", "form1: Form", "label3: Label"}));
}

} // namespace
} // namespace ornadeck
