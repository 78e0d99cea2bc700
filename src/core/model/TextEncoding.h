#pragma once

#include <string>
#include <string_view>

namespace ornadeck {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Every byte maps to one code point; the five bytes Windows leaves undefined
// (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 control with the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// Text of a file written by us (UTF-8, maybe with a BOM) or by older tools
// (Windows-1252): anything that is not valid UTF-8 is taken as Windows-1252.
std::string decodeFileText(std::string_view bytes);

} // namespace ornadeck
