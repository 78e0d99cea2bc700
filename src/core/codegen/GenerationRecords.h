#pragma once

#include "model/Status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

// What Ornadeck last wrote to each generated file: the generator's own text, kept in a
// hidden folder ".ornadeck" beside the outputs. It is the base of the next merge, so it
// travels with the files (a copied folder, a clone, the command-line tool on a build
// server) and the files themselves carry no markers.
std::filesystem::path recordPath(const std::filesystem::path& output);
std::optional<std::string> readRecord(const std::filesystem::path& output);
// On failure no record is left for the file, so that a stale one never serves as a base.
Status writeRecord(const std::filesystem::path& output, std::string_view generated);

// The order the forms were generated in last time, kept beside the records as
// ".ornadeck/PROJECT.forms": the window lists forms most recently activated first, and
// generating them in another order each time would move whole blocks of every file.
std::vector<std::string> readFormOrder(const std::filesystem::path& directory,
                                       const std::string& project);
Status writeFormOrder(const std::filesystem::path& directory, const std::string& project,
                      const std::vector<std::string>& names);

} // namespace ornadeck
