#include "engine/PropertyTable.h"

namespace ornadeck {

PropertyTable::PropertyTable(std::initializer_list<std::string_view> listed,
                             std::vector<Property> all)
    : listed_(listed), all_(std::move(all)) {}

const Property* PropertyTable::find(std::string_view name) const {
    for (const auto& p : all_)
        if (p.name == name) return &p;
    return nullptr;
}

} // namespace ornadeck
