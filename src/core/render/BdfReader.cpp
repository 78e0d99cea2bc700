#include "render/BdfReader.h"

#include "render/BdfLines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <map>
#include <vector>

namespace ornadeck {

namespace {

using namespace bdf;

// Far beyond any screen font; they keep hostile numbers from turning into huge loops or
// allocations.
constexpr long long kMaxLineHeight = 256;
constexpr long long kMaxGlyphSide = 4096;
constexpr long long kMaxOffset = 4096;
constexpr long long kMaxAdvance = 1024;
constexpr long long kMaxChars = 0x110000;
constexpr std::uintmax_t kMaxFileSize = 16u << 20;

struct Property {
    std::string value;
    int line = 0;
};
using Properties = std::map<std::string, Property, std::less<>>;

// A property's value: a quoted string with "" for a quote, or the bare text.
std::string propertyValue(std::string_view raw) {
    if (raw.empty() || raw.front() != '"') return std::string(raw);
    std::string value;
    for (std::size_t i = 1; i < raw.size(); ++i) {
        if (raw[i] != '"') {
            value += raw[i];
        } else if (i + 1 < raw.size() && raw[i + 1] == '"') {
            value += '"';
            ++i;
        } else {
            break;
        }
    }
    return value;
}

void readProperties(Lines& in, Properties& properties) {
    for (;;) {
        in.expect("inside STARTPROPERTIES");
        const std::string_view key = in.keyword();
        if (key == "ENDPROPERTIES") return;
        if (key == "CHARS" || key == "STARTCHAR" || key == "ENDFONT")
            in.fail(std::string(key) + " before ENDPROPERTIES");
        properties[std::string(key)] = {propertyValue(in.rest()), in.number()};
    }
}

// A numeric property; `strict` makes a malformed value an error rather than absent.
std::optional<long long> numberProperty(const Properties& properties, std::string_view name,
                                        bool strict) {
    const auto it = properties.find(name);
    if (it == properties.end()) return std::nullopt;
    const auto v = parseNumber(it->second.value);
    if (!v && strict)
        throw BdfError{"line " + std::to_string(it->second.line) + ": " + std::string(name) + " " +
                       shown(it->second.value) + " is not a usable whole number"};
    return v;
}

std::string faceOf(const Properties& properties) {
    for (const char* name : {"FACE_NAME", "FAMILY_NAME"})
        if (auto it = properties.find(name); it != properties.end() && !it->second.value.empty())
            return it->second.value;
    return {};
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct GlyphHeader {
    std::string name;
    std::optional<long long> encoding;
    std::optional<long long> advance;
    std::optional<std::array<long long, 4>> box; // width, height, x offset, y offset
};

GlyphHeader readGlyphHeader(Lines& in) {
    GlyphHeader h;
    h.name = shown(in.rest());
    for (;;) {
        in.expect("inside glyph " + h.name);
        const std::string_view key = in.keyword();
        if (key == "BITMAP") break;
        if (key == "ENCODING") {
            h.encoding = numbers<1>(in)[0];
        } else if (key == "DWIDTH") {
            h.advance = numbers<1>(in)[0];
            checkRange(in, *h.advance, 0, kMaxAdvance, "the DWIDTH of glyph " + h.name);
        } else if (key == "BBX") {
            h.box = numbers<4>(in);
            const auto [w, ht, x, y] = *h.box;
            checkRange(in, w, 0, kMaxGlyphSide, "the BBX width of glyph " + h.name);
            checkRange(in, ht, 0, kMaxGlyphSide, "the BBX height of glyph " + h.name);
            checkRange(in, x, -kMaxOffset, kMaxOffset, "the BBX x offset of glyph " + h.name);
            checkRange(in, y, -kMaxOffset, kMaxOffset, "the BBX y offset of glyph " + h.name);
        } else if (key == "STARTCHAR" || key == "ENDCHAR" || key == "ENDFONT") {
            in.fail("glyph " + h.name + " has no BITMAP");
        }
    }
    if (!h.encoding) in.fail("glyph " + h.name + " has no ENCODING");
    if (!h.advance) in.fail("glyph " + h.name + " has no DWIDTH");
    if (!h.box) in.fail("glyph " + h.name + " has no BBX");
    checkRange(in, *h.encoding, -kMaxNumber, 0x10FFFF, "the ENCODING of glyph " + h.name);
    return h;
}

// Reads one glyph, from the line after STARTCHAR to ENDCHAR, into the font; an encoding
// of -1 (a glyph with no standard code) is read and dropped.
void readGlyph(Lines& in, BitmapFont& font) {
    const GlyphHeader h = readGlyphHeader(in);
    const auto [width, height, left, bottom] = *h.box;
    const std::size_t digits = static_cast<std::size_t>((width + 7) / 8 * 2);
    Glyph glyph{static_cast<int>(*h.advance), std::vector<std::uint32_t>(font.height(), 0)};
    const long long top = font.ascent() - (bottom + height);
    // Only columns landing in 0..31 of the cell are looked at.
    const long long firstColumn = std::max(0LL, -left);
    const long long endColumn = std::min(width, 32 - left);
    for (long long row = 0; row < height; ++row) {
        in.expect("inside the bitmap of glyph " + h.name);
        const std::string_view key = in.keyword();
        if (key == "ENDCHAR" || key == "STARTCHAR" || key == "ENDFONT")
            in.fail("glyph " + h.name + " has " + std::to_string(row) +
                    " bitmap rows, its BBX says " + std::to_string(height));
        const std::string_view hex = key;
        if (in.words().size() != 1 || hex.size() < digits)
            in.fail("bitmap row " + shown(hex) + " of glyph " + h.name + " is not " +
                    std::to_string(digits) + " hex digits");
        for (char c : hex)
            if (hexDigit(c) < 0)
                in.fail("bitmap row " + shown(hex) + " of glyph " + h.name +
                        " has a character that is not a hex digit");
        const long long y = top + row;
        if (y < 0 || y >= font.height()) continue;
        for (long long col = firstColumn; col < endColumn; ++col)
            if ((hexDigit(hex[col / 4]) >> (3 - col % 4)) & 1)
                glyph.rows[y] |= 1u << (31 - (left + col));
    }
    in.expect("inside glyph " + h.name);
    if (in.keyword() != "ENDCHAR")
        in.fail("glyph " + h.name + " has more bitmap rows than its BBX says, or no ENDCHAR");
    if (*h.encoding >= 0) font.addGlyph(static_cast<char32_t>(*h.encoding), std::move(glyph));
}

// CAP_HEIGHT, else the height of 'H', else three quarters of the ascent.
int capHeightOf(const BitmapFont& font, const Properties& properties) {
    const auto cap = numberProperty(properties, "CAP_HEIGHT", false);
    if (cap && *cap >= 1 && *cap <= font.ascent()) return static_cast<int>(*cap);
    if (font.has(U'H')) {
        const auto& rows = font.glyph(U'H').rows;
        for (int y = 0; y < font.ascent(); ++y)
            if (rows[y] != 0) return font.ascent() - y;
    }
    return std::max(1, (font.ascent() * 3 + 2) / 4);
}

BitmapFont parse(std::string_view text) {
    Lines in(text);
    if (!in.next() || in.keyword() != "STARTFONT")
        throw BdfError{"not a BDF font: it does not begin with STARTFONT"};

    Properties properties;
    std::optional<std::array<long long, 4>> boundingBox;
    long long declared = 0;
    for (;;) {
        in.expect("before CHARS");
        const std::string_view key = in.keyword();
        if (key == "FONTBOUNDINGBOX") {
            boundingBox = numbers<4>(in);
        } else if (key == "STARTPROPERTIES") {
            readProperties(in, properties);
        } else if (key == "CHARS") {
            declared = numbers<1>(in)[0];
            checkRange(in, declared, 0, kMaxChars, "CHARS");
            break;
        } else if (key == "STARTCHAR" || key == "ENDFONT") {
            in.fail(std::string(key) + " before CHARS");
        }
    }

    auto ascent = numberProperty(properties, "FONT_ASCENT", true);
    auto descent = numberProperty(properties, "FONT_DESCENT", true);
    if (!ascent || !descent) {
        if (!boundingBox)
            throw BdfError{"the font has neither FONT_ASCENT and FONT_DESCENT nor "
                           "FONTBOUNDINGBOX, so its line height is unknown"};
        if (!ascent) ascent = (*boundingBox)[1] + (*boundingBox)[3];
        if (!descent) descent = -(*boundingBox)[3];
    }
    if (*ascent < 0 || *descent < 0 || *ascent + *descent < 1 ||
        *ascent + *descent > kMaxLineHeight)
        throw BdfError{"ascent " + std::to_string(*ascent) + " and descent " +
                       std::to_string(*descent) + " do not make a line 1 to " +
                       std::to_string(kMaxLineHeight) + " pixels high"};

    BitmapFont font(faceOf(properties), static_cast<int>(*ascent + *descent),
                    static_cast<int>(*ascent));
    long long count = 0;
    for (;;) {
        in.expect("without ENDFONT");
        const std::string_view key = in.keyword();
        if (key == "ENDFONT") break;
        if (key != "STARTCHAR") in.fail("expected STARTCHAR or ENDFONT, not " + shown(key));
        readGlyph(in, font);
        ++count;
    }
    if (count != declared)
        throw BdfError{"CHARS says " + std::to_string(declared) + " glyphs but the font has " +
                       std::to_string(count)};

    const int cap = capHeightOf(font, properties);
    font.setReplacement(boxGlyph(font.height(), font.ascent(), cap, (cap * 5 + 3) / 7));
    return font;
}

} // namespace

BdfResult readBdf(std::string_view text) {
    try {
        return {parse(text), {}};
    } catch (const BdfError& e) {
        return {std::nullopt, e.message};
    }
}

BdfResult readBdfFile(const std::filesystem::path& file) {
    const std::string name = file.string();
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return {std::nullopt, name + ": " + ec.message()};
    if (size > kMaxFileSize)
        return {std::nullopt,
                name + ": " + std::to_string(size) + " bytes is far too large for a screen font"};
    std::ifstream in(file, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(size)))
        return {std::nullopt, name + ": cannot be read"};
    BdfResult result = readBdf(text);
    if (!result.font) result.error = name + ", " + result.error;
    return result;
}

Glyph boxGlyph(int height, int ascent, int tall, int width) {
    Glyph g;
    g.rows.assign(std::max(height, 0), 0);
    width = std::clamp(width, 3, 31);
    g.advance = width + 1;
    tall = std::clamp(tall, 1, std::max(height, 1));
    const int top = std::clamp(ascent - tall, 0, std::max(height - tall, 0));
    const std::uint32_t edge = ~0u << (32 - width);
    const std::uint32_t sides = (1u << 31) | (1u << (32 - width));
    for (int y = top; y < top + tall && y < height; ++y)
        g.rows[y] = (y == top || y == top + tall - 1) ? edge : sides;
    return g;
}

} // namespace ornadeck
