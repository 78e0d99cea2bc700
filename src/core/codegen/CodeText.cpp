#include "codegen/CodeText.h"

#include "codegen/BitmapString.h"

#include <algorithm>

namespace ornadeck {

std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        if (c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

int fontNumber(std::string_view face) {
    if (face == "PilotBold") return 1;
    if (face == "PilotLarge") return 2;
    if (face == "PilotBold12") return 7;
    return 0;
}

std::string bitmapLiterals(int width, std::string_view bits) {
    constexpr std::size_t kLiteralLimit = 255;
    std::string out = quoted(bitmapWidthPrefix(width));
    // An empty picture still writes its (empty) literal of bits.
    do {
        const std::size_t n = std::min(bits.size(), kLiteralLimit);
        out += " + " + quoted(bits.substr(0, n));
        bits.remove_prefix(n);
    } while (!bits.empty());
    return out;
}

} // namespace ornadeck
