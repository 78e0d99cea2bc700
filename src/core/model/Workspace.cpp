#include "model/Workspace.h"

#include "model/Form.h"

#include <algorithm>

namespace ornadeck {

Workspace::Workspace() = default;
Workspace::~Workspace() = default;

void Workspace::activate(Form& form) {
    auto it =
        std::find_if(forms.begin(), forms.end(), [&](const auto& f) { return f.get() == &form; });
    if (it != forms.end()) std::rotate(forms.begin(), it, it + 1);
    activeForm = &form;
}

void Workspace::closeAllForms() {
    activeForm = nullptr;
    selected = {};
    // Off the list before anyone is told: whatever redraws while a window closes must not
    // find a form that is about to go, and make a new window for it.
    std::vector<std::unique_ptr<Form>> closing = std::move(forms);
    forms.clear();
    if (formClosing)
        for (const auto& form : closing)
            formClosing(*form);
    // A window handing on the focus as it closed may have chosen one of them again.
    activeForm = nullptr;
    selected = {};
}

Form* Workspace::findFormByPath(const std::string& path) const {
    // From the end of the window list to its start, comparing paths exactly.
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (!(*it)->filePath().empty() && (*it)->filePath().string() == path) return it->get();
    return nullptr;
}

} // namespace ornadeck
