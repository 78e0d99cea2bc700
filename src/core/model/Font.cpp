#include "model/Font.h"

#include <array>
#include <utility>

namespace ornadeck {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFaces{{
    {"Standard", "PilotStandard"},
    {"Bold", "PilotBold"},
    {"Large", "PilotLarge"},
    {"LargeBold", "PilotBold12"},
}};

} // namespace

bool isFontName(std::string_view fontName) {
    for (const auto& entry : kFaces)
        if (entry.first == fontName) return true;
    return false;
}

std::string_view fontNameOfFace(std::string_view face) {
    for (const auto& [name, f] : kFaces)
        if (f == face) return name;
    return kFaces[0].first;
}

std::string_view faceOfFontName(std::string_view fontName) {
    for (const auto& [name, f] : kFaces)
        if (name == fontName) return f;
    return kFaces[0].second;
}

} // namespace ornadeck
