#include "codegen/CControlsScope.h"

#include "model/Form.h"

namespace ornadeck {

const std::string& CControlsScope::name() const { return dialog ? dialog->name() : form->name(); }

const Control& CControlsScope::container() const { return dialog ? *dialog : form->surface(); }

int CControlsScope::offsetX() const { return dialog ? dialog->left() : 0; }

int CControlsScope::offsetY() const { return dialog ? dialog->top() : 0; }

std::vector<CControlsScope> scopesOf(const Form& form) {
    std::vector<CControlsScope> scopes{{&form, nullptr}};
    for (const auto& child : form.surface().children())
        if (child->isDialog()) scopes.push_back({&form, child.get()});
    return scopes;
}

} // namespace ornadeck
