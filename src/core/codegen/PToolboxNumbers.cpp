#include "codegen/PToolboxNumbers.h"

#include "codegen/PToolboxKinds.h"
#include "model/Control.h"

namespace ornadeck {

std::vector<PtNumberBlock> ptNumbers(const std::vector<PtUnit>& units) {
    std::vector<PtNumberBlock> blocks;
    blocks.reserve(units.size());
    int next = kFirstPtNumber;
    for (const PtUnit& unit : units) {
        PtNumberBlock& block = blocks.emplace_back();
        block.owner = unit.name;
        block.numbers.push_back({std::string(unit.name), next++});
        for (const auto& child : unit.container->children()) {
            const int count = ptNumberCount(*child);
            if (ptKindOf(*child) == PtKind::Radio) {
                for (int i = 0; i < count; ++i)
                    block.numbers.push_back({child->name() + std::to_string(i), next++});
            } else if (count > 0) {
                block.numbers.push_back({child->name(), next++});
            }
        }
    }
    return blocks;
}

} // namespace ornadeck
