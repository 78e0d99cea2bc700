#include "workbench/ItemsText.h"

namespace ornadeck {

std::vector<std::string> itemsFromText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        items.emplace_back(line);
        start = end + 1;
    }
    return items;
}

std::string textFromItems(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += '\n';
        text += items[i];
    }
    // A last empty item needs its line break, or it would read back as no item at all.
    if (!items.empty() && items.back().empty()) text += '\n';
    return text;
}

std::string itemsCounterText(std::size_t count) { return std::to_string(count) + " items"; }

} // namespace ornadeck
