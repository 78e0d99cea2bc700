#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

// Strict decimal integer as typed by a user: optional sign, digits, nothing else,
// and within the range of int. Anything else is not a number.
std::optional<int> parseStrictInt(std::string_view text);

// The message the inspector shows for text that is not a whole number.
std::string notAnIntegerMessage(std::string_view text);

// Integer as stored in INI files: decimal, or hexadecimal when the value is longer
// than two characters and starts with 0x / 0X. Surrounding blanks are ignored.
std::optional<int> parseIniInt(std::string_view text);

} // namespace ornadeck
