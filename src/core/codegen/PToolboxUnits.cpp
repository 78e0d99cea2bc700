#include "codegen/PToolboxUnits.h"

#include "codegen/PToolboxKinds.h"
#include "model/Form.h"

#include <algorithm>

namespace ornadeck {

namespace {

PtUnit unitOf(std::string_view name, const Control& container, bool isDialog) {
    const auto& kids = container.children();
    const bool repeat =
        std::any_of(kids.begin(), kids.end(), [](const auto& c) { return isRepeatButton(*c); });
    return {name, &container, isDialog, repeat};
}

} // namespace

std::vector<PtUnit> ptUnits(const FormList& forms) {
    std::vector<PtUnit> units;
    for (const Form* form : forms) {
        units.push_back(unitOf(form->name(), form->surface(), false));
        for (const auto& child : form->surface().children())
            if (child->isDialog()) units.push_back(unitOf(child->name(), *child, true));
    }
    return units;
}

} // namespace ornadeck
