#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

// The items editor's box: one item per line. A line break at the very end closes the last
// line rather than starting an empty one, so "\n" is one empty item and "" none.
std::vector<std::string> itemsFromText(std::string_view text);
std::string textFromItems(const std::vector<std::string>& items);
// The editor's counter: "3 items", "0 items".
std::string itemsCounterText(std::size_t count);

} // namespace ornadeck
