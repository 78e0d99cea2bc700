#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ornadeck {

// How a project file names the files it lists (forms, icons, the output folder): relative to
// the project's folder, with "/" on every system, when the file lies in that folder or
// below, so that a copied or cloned project finds its files; absolute otherwise.
std::string pathForProjectFile(const std::filesystem::path& file,
                               const std::filesystem::path& projectFolder);
// A path as a project file names it, relative ones taken from the project's folder; either
// separator and an absolute path of any form are accepted.
std::filesystem::path pathFromProjectFile(std::string_view written,
                                          const std::filesystem::path& projectFolder);

} // namespace ornadeck
