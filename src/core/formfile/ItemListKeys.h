#pragma once

#include "model/IniFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

// Items of a list kind, at the head of its section: Count, then Item0, Item1, ...
// Writing erases the section first so the items come before every other key.
void writeItemList(IniFile& ini, std::string_view section, const std::vector<std::string>& items);

// The items stored in a section, or nothing when it has no Count (the list stays as it was).
// Missing item keys are skipped.
std::optional<std::vector<std::string>> readItemList(const IniFile::SectionKeys& section);

} // namespace ornadeck
