#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ornadeck {

// Whether every byte is below 0x80: the same text in UTF-8 and in Windows-1252.
bool isAscii(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
// The code point at `pos`, moving `pos` past it. A byte that starts no well-formed sequence
// is one character of its own, U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);
std::size_t codePointCount(std::string_view text);

// UTF-8 text as Windows-1252 bytes; a character without a code there is written as "?"
// and counted in `unencodable`. The C1 controls that stand for the five undefined bytes
// go back to those bytes.
std::string utf8ToWindows1252(std::string_view text, std::size_t* unencodable = nullptr);
bool fitsWindows1252(std::string_view text);

// Every byte maps to one code point; the five bytes Windows leaves undefined
// (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 control with the same number.
std::string windows1252ToUtf8(std::string_view bytes);

// Text of a file written by us (UTF-8, maybe with a BOM) or by older tools
// (Windows-1252): anything that is not valid UTF-8 is taken as Windows-1252.
std::string decodeFileText(std::string_view bytes);

} // namespace ornadeck
