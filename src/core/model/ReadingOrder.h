#pragma once

#include <string_view>

namespace ornadeck {

// The order people read names in: letters without regard to case, and runs of digits by
// their value, so "button2" comes before "Button10". Names that read the same keep a fixed
// order by their bytes.
bool inReadingOrder(std::string_view a, std::string_view b);

} // namespace ornadeck
