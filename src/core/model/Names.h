#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ornadeck {

// Component names compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);
std::string lowerAscii(std::string_view text);

// Hash and equality for a set of names kept as spelled and found in any case, with no
// lower-cased copy per lookup.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct SameName {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return sameName(a, b); }
};

// A letter or underscore, then letters, digits or underscores: the form every component
// name must have, since it becomes a variable of the generated program.
bool isValidIdentifier(std::string_view name);

std::string invalidNameMessage(std::string_view name);
std::string duplicateNameMessage(std::string_view name);

} // namespace ornadeck
