#include "model/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace ornadeck {

namespace {

// Code points for 0x80..0x9F, the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Nothing in the table reaches past the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at `i`, or 0 when there is none.
std::size_t sequenceLength(std::string_view bytes, std::size_t i) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    if (lead < 0x80) return 1;
    std::size_t extra = 0;
    std::uint8_t lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        if (lead == 0xE0) lo = 0xA0; // overlong
        if (lead == 0xED) hi = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        if (lead == 0xF0) lo = 0x90; // overlong
        if (lead == 0xF4) hi = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() - i <= extra) return 0;
    const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
    if (second < lo || second > hi) return 0;
    for (std::size_t k = 2; k <= extra; ++k)
        if ((static_cast<std::uint8_t>(bytes[i + k]) & 0xC0) != 0x80) return 0;
    return extra + 1;
}

// The end of the run of ASCII bytes from `i`, found eight bytes at a time: nearly all text
// here is ASCII, and every file and generated line passes through these functions.
std::size_t asciiRunEnd(std::string_view bytes, std::size_t i) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    while (bytes.size() - i >= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & kHighBits) break;
        i += 8;
    }
    while (i < bytes.size() && static_cast<std::uint8_t>(bytes[i]) < 0x80)
        ++i;
    return i;
}

// The Windows-1252 byte of a code point, or nothing.
std::optional<char> windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

bool isAscii(std::string_view bytes) { return asciiRunEnd(bytes, 0) == bytes.size(); }

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = asciiRunEnd(bytes, 0); i < bytes.size(); i = asciiRunEnd(bytes, i)) {
        const std::size_t n = sequenceLength(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const std::size_t n = sequenceLength(text, pos);
    if (n == 0) {
        ++pos;
        return kReplacementCharacter;
    }
    char32_t cp = static_cast<std::uint8_t>(text[pos]);
    if (n > 1) cp &= 0x3Fu >> (n - 1); // the lead byte's payload bits
    for (std::size_t k = 1; k < n; ++k)
        cp = (cp << 6) | (static_cast<std::uint8_t>(text[pos + k]) & 0x3Fu);
    pos += n;
    return cp;
}

std::size_t codePointCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        nextCodePoint(text, i);
    return count;
}

std::string utf8ToWindows1252(std::string_view text, std::size_t* unencodable) {
    std::string out;
    out.reserve(text.size());
    std::size_t missing = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t run = asciiRunEnd(text, i);
        out.append(text.substr(i, run - i));
        i = run;
        if (i == text.size()) break;
        const std::optional<char> b = windows1252Byte(nextCodePoint(text, i));
        out += b.value_or('?');
        if (!b) ++missing;
    }
    if (unencodable) *unencodable = missing;
    return out;
}

bool fitsWindows1252(std::string_view text) {
    for (std::size_t i = asciiRunEnd(text, 0); i < text.size(); i = asciiRunEnd(text, i))
        if (!windows1252Byte(nextCodePoint(text, i))) return false;
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b >= 0x80 && b <= 0x9F) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string decodeFileText(std::string_view bytes) {
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    return windows1252ToUtf8(bytes);
}

} // namespace ornadeck
