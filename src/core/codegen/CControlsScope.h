#pragma once

#include <string>
#include <vector>

namespace ornadeck {

class Control;
class Form;

// What one set of generated functions covers: a form's surface, or one dialog on it.
struct CControlsScope {
    const Form* form = nullptr;
    const Control* dialog = nullptr; // null: the form itself

    bool isForm() const { return dialog == nullptr; }
    const std::string& name() const;
    const Control& container() const;
    // The children of a dialog sit at its place on the form's surface.
    int offsetX() const;
    int offsetY() const;
};

// The form, then each dialog on its surface in child order.
std::vector<CControlsScope> scopesOf(const Form& form);

} // namespace ornadeck
