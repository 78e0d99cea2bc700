#include "codegen/CodeText.h"

#include "codegen/BitmapString.h"
#include "model/TextEncoding.h"

#include <algorithm>

namespace ornadeck {

std::string concat(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts)
        size += part.size();
    std::string out;
    out.reserve(size);
    for (std::string_view part : parts)
        out += part;
    return out;
}

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
    // As many literals as the bits need, each at most 255 characters as the handheld counts
    // them, never cutting one in two; an empty picture still writes its empty literal.
    do {
        std::size_t cut = 0;
        for (std::size_t n = 0; n < kLiteralLimit && cut < bits.size(); ++n)
            nextCodePoint(bits, cut);
        out += " + " + quoted(bits.substr(0, cut));
        bits.remove_prefix(cut);
    } while (!bits.empty());
    return out;
}

} // namespace ornadeck
