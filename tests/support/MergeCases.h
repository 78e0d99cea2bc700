#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace ornadeck::test {

// Lines joined with CR LF, a break after each.
inline std::string crLfText(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines)
        out += std::string(l) + "\r\n";
    return out;
}

// Merges of generated code whose result is known: changes on both sides that do not
// contradict each other, each combined.
struct MergeCase {
    const char* what;
    std::string base, ours, theirs, merged;
    std::size_t kept; // the user's lines moved out of a removed block
};

inline std::vector<MergeCase> combinedMerges() {
    const auto text = crLfText;
    const std::string handler = text({"OnOk(){", "}", "", "OnGo(){", "}"});
    return {
        {"the user changed nothing", handler, handler, text({"OnGo(){", "}"}),
         text({"OnGo(){", "}"}), 0},
        {"only the user changed", handler, text({"OnOk(){", "  a;", "}", "", "OnGo(){", "}"}),
         handler, text({"OnOk(){", "  a;", "}", "", "OnGo(){", "}"}), 0},
        {"both added at the end", text({"x"}), text({"x", "mine"}), text({"x", "new"}),
         text({"x", "mine", "new"}), 0},
        {"a body inside a renamed handler", handler,
         text({"OnOk(){", "  a;", "}", "", "OnGo(){", "}"}),
         text({"OnYes(){", "}", "", "OnGo(){", "}"}),
         text({"OnYes(){", "  a;", "}", "", "OnGo(){", "}"}), 0},
        {"a line the user rewrote beside the generator's insertion", text({"a", "b", "c"}),
         text({"a", "B!", "c"}), text({"a", "b", "new", "c"}), text({"a", "B!", "new", "c"}), 0},
        {"changes apart from each other", text({"a", "b", "c", "d", "e"}),
         text({"a", "A!", "b", "c", "d", "e"}), text({"a", "b", "c", "d", "E!"}),
         text({"a", "A!", "b", "c", "d", "E!"}), 0},
        {"the same change on both sides", text({"a", "b"}), text({"a", "B"}), text({"a", "B"}),
         text({"a", "B"}), 0},
        {"a body inside a removed handler", handler,
         text({"OnOk(){", "  a;", "  b;", "}", "", "OnGo(){", "}"}), text({"OnGo(){", "}"}),
         text({"OnGo(){", "}", "// Kept from OnOk(), which the design no longer has:", "  a;",
               "  b;"}),
         2},
        {"a case block removed", text({"    case Ok:", "    break;", "", "    case Go:"}),
         text({"    case Ok:", "      go();", "    break;", "", "    case Go:"}),
         text({"    case Go:"}),
         text({"    case Go:", "// Kept from case Ok, which the design no longer has:",
               "      go();"}),
         1},
    };
}

} // namespace ornadeck::test
