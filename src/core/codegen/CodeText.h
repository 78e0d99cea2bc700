#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ornadeck {

// The parts one after the other, in one allocation: generated lines are built this way by
// the thousand.
std::string concat(std::initializer_list<std::string_view> parts);

// Text between double quotes for a PocketC string literal. A double quote inside is written
// as \" so that it cannot end the literal early; every other character stays as typed.
std::string quoted(std::string_view text);

// Palm OS font number of a face: 0 standard, 1 bold, 2 large, 7 large bold; anything
// else counts as standard.
int fontNumber(std::string_view face);

// A picture as generated: its width in two hex digits, then its bits, as string literals
// joined by " + ". Bits longer than 255 characters are split after every 255th into a
// further literal, since one PocketC literal holds at most 255.
std::string bitmapLiterals(int width, std::string_view bits);

} // namespace ornadeck
