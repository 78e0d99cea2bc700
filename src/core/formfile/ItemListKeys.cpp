#include "formfile/ItemListKeys.h"

#include "model/IniFile.h"
#include "model/IntText.h"
#include "model/Names.h"

#include <algorithm>
#include <utility>

namespace ornadeck {

void writeItemList(IniFile& ini, std::string_view section, const std::vector<std::string>& items) {
    ini.eraseSection(section);
    ini.writeInt(section, "Count", static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i)
        ini.writeString(section, "Item" + std::to_string(i), items[i]);
}

std::optional<std::vector<std::string>> readItemList(const IniFile::SectionKeys& section) {
    if (!section.hasKey("Count")) return std::nullopt;
    const int count = section.readInt("Count", 0);
    // Walk the keys the section has rather than 0..Count, so a hostile Count costs nothing.
    std::vector<std::pair<int, std::string>> found;
    for (const auto& [key, value] : section.entries()) {
        if (key.size() < 5 || !sameName(key.substr(0, 4), "Item")) continue;
        const std::string_view digits = key.substr(4);
        if (digits.front() == '-' || digits.front() == '+') continue;
        const auto index = parseStrictInt(digits);
        if (index && *index < count && std::to_string(*index) == digits)
            found.emplace_back(*index, std::string(value));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> items;
    items.reserve(found.size());
    for (auto& [index, text] : found)
        items.push_back(std::move(text));
    return items;
}

} // namespace ornadeck
