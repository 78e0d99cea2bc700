#include "formfile/FontText.h"

#include "model/IntText.h"
#include "model/Names.h"

#include <array>
#include <cstdio>
#include <utility>

namespace ornadeck {

namespace {

constexpr Color kSystem = 0x80000000;

constexpr std::array<std::pair<std::string_view, Color>, 47> kColorNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", kSystem + 0},
    {"clBackground", kSystem + 1},
    {"clActiveCaption", kSystem + 2},
    {"clInactiveCaption", kSystem + 3},
    {"clMenu", kSystem + 4},
    {"clWindow", kSystem + 5},
    {"clWindowFrame", kSystem + 6},
    {"clMenuText", kSystem + 7},
    {"clWindowText", kSystem + 8},
    {"clCaptionText", kSystem + 9},
    {"clActiveBorder", kSystem + 10},
    {"clInactiveBorder", kSystem + 11},
    {"clAppWorkSpace", kSystem + 12},
    {"clHighlight", kSystem + 13},
    {"clHighlightText", kSystem + 14},
    {"clBtnFace", kSystem + 15},
    {"clBtnShadow", kSystem + 16},
    {"clGrayText", kSystem + 17},
    {"clBtnText", kSystem + 18},
    {"clInactiveCaptionText", kSystem + 19},
    {"clBtnHighlight", kSystem + 20},
    {"cl3DDkShadow", kSystem + 21},
    {"cl3DLight", kSystem + 22},
    {"clInfoText", kSystem + 23},
    {"clInfoBk", kSystem + 24},
}};

// Blanks and control characters both count as space around a field.
bool isSpace(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// The six fields a font text has; anything after the sixth is ignored.
struct FontFields {
    std::array<std::string_view, 6> at;
    std::size_t size = 0;
};

FontFields splitFields(std::string_view text) {
    FontFields fields;
    while (fields.size < fields.at.size()) {
        const auto comma = text.find(',');
        fields.at[fields.size++] = trim(text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return fields;
}

bool hasLetter(std::string_view field, char upper) {
    for (char c : field)
        if (c == upper || c == upper - 'A' + 'a') return true;
    return false;
}

} // namespace

std::string colorToText(Color color) {
    for (const auto& [name, value] : kColorNames)
        if (value == color) return std::string(name);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
    return buffer;
}

bool colorFromText(std::string_view text, Color& color) {
    for (const auto& [name, value] : kColorNames)
        if (sameName(name, text)) {
            color = value;
            return true;
        }
    std::optional<int> number;
    if (text.size() > 1 && text.front() == '$')
        number = parseIniInt("0x" + std::string(text.substr(1)));
    else
        number = parseIniInt(text);
    if (!number) return false;
    color = static_cast<Color>(*number);
    return true;
}

std::string fontToText(const Font& font) {
    std::string styles;
    if (font.bold) styles += 'B';
    if (font.italic) styles += 'I';
    if (font.underline) styles += 'U';
    if (font.strikeOut) styles += 'S';
    return font.face + "," + std::to_string(font.size) + "," + styles + "," +
           std::to_string(static_cast<int>(font.pitch)) + "," + colorToText(font.color) + "," +
           std::to_string(font.charset);
}

void applyFontText(Font& font, std::string_view text) {
    if (text.empty()) return;
    const FontFields fields = splitFields(text);
    auto number = [&](std::size_t i, auto apply) {
        if (i < fields.size)
            if (auto v = parseIniInt(fields.at[i])) apply(*v);
    };
    font.face = fields.at[0];
    number(1, [&](int v) { font.size = v; });
    if (fields.size > 2) {
        font.bold = hasLetter(fields.at[2], 'B');
        font.italic = hasLetter(fields.at[2], 'I');
        font.underline = hasLetter(fields.at[2], 'U');
        font.strikeOut = hasLetter(fields.at[2], 'S');
    }
    number(3, [&](int v) {
        if (v >= 0 && v <= 2) font.pitch = static_cast<FontPitch>(v);
    });
    if (fields.size > 4) colorFromText(fields.at[4], font.color);
    number(5, [&](int v) { font.charset = v; });
}

} // namespace ornadeck
