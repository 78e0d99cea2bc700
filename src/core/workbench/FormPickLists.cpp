#include "workbench/FormPickLists.h"

#include "model/Control.h"
#include "model/Form.h"
#include "model/Workspace.h"

namespace ornadeck {

namespace {

constexpr const char* kNone = "(None)";

} // namespace

std::vector<std::string> showFormEntries(const Workspace& workspace, const Control* selected) {
    std::vector<std::string> entries{kNone};
    const Control* parent = selected ? selected->parent() : nullptr;
    const bool inDialog = parent && parent->isDialog();
    for (const auto& form : workspace.forms) {
        if (!form->visible()) continue;
        if (parent != &form->surface()) entries.push_back(form->name());
        if (inDialog) continue;
        for (const auto& child : form->surface().children())
            if (child->isDialog()) entries.push_back(child->name());
    }
    return entries;
}

std::vector<std::string> triggerEntries(const Form* form) {
    std::vector<std::string> entries{kNone};
    if (!form) return entries;
    for (const auto& child : form->surface().children())
        if (child->classId() == ClassId::PTPopTrigger) entries.push_back(child->name());
    return entries;
}

} // namespace ornadeck
