#pragma once

#include <cstdint>

namespace ornadeck {

// The PocketC control library a project targets; the numbers are stored in files.
enum class Library { CControls = 1, PToolboxLib = 2 };

// Colours are kept as the toolkit's 0x00BBGGRR integers and converted only at the screen.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kNavy = 0x800000;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kMaroon = 0x000080;
inline constexpr Color kGray = 0x808080;
// A system colour reference (text colour of windows), the default colour of a font.
inline constexpr Color kWindowText = 0x80000008;

} // namespace ornadeck
