#pragma once

#include <filesystem>

namespace ornadeck {

// Where a program in `programFolder` finds the Palm fonts: beside itself in a build tree,
// else in ../share/ornadeck/fonts once installed. When neither holds a font, the folder
// beside the program, so the missing faces are reported from there.
std::filesystem::path fontFolderFor(const std::filesystem::path& programFolder);

} // namespace ornadeck
