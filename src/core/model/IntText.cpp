#include "model/IntText.h"

#include <charconv>
#include <cstdint>

namespace ornadeck {

namespace {

std::optional<int> parseDigits(std::string_view text, int base) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    if (magnitude > static_cast<std::uint64_t>(limit)) return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<int>(negative ? -value : value);
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<int> parseStrictInt(std::string_view text) { return parseDigits(text, 10); }

std::string notAnIntegerMessage(std::string_view text) {
    // Appended, as `"'" + std::string` trips GCC 12's -Wrestrict at -O3.
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}

std::optional<int> parseIniInt(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal values are bit patterns: 0xFFFFFFFF reads as -1.
        text.remove_prefix(2);
        std::uint32_t bits = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
        return static_cast<int>(bits);
    }
    return parseDigits(text, 10);
}

} // namespace ornadeck
