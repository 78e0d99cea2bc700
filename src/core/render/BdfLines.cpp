#include "render/BdfLines.h"

#include <charconv>

namespace ornadeck::bdf {

std::string shown(std::string_view s) {
    constexpr std::size_t kShown = 40;
    // Appended, as `"'" + std::string` trips GCC 12's -Wrestrict at -O3.
    std::string text = "'";
    text += s.substr(0, kShown);
    text += s.size() > kShown ? "...'" : "'";
    return text;
}

std::optional<long long> parseNumber(std::string_view word) {
    long long v = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || end != word.data() + word.size() || v > kMaxNumber || v < -kMaxNumber)
        return std::nullopt;
    return v;
}

void checkRange(const Lines& in, long long value, long long low, long long high,
                const std::string& what) {
    if (value < low || value > high)
        in.fail(what + " is " + std::to_string(value) + ", outside " + std::to_string(low) +
                " to " + std::to_string(high));
}

} // namespace ornadeck::bdf
