#pragma once

#include "codegen/LibraryGenerator.h"

#include <string_view>
#include <vector>

namespace ornadeck {

class Control;

// A form or one of its dialogs: each gets its own functions and its own block of numbers.
struct PtUnit {
    std::string_view name;
    const Control* container = nullptr; // the form's surface, or the dialog
    bool isDialog = false;
    bool hasRepeat = false; // holds at least one repeat button
};

// Every form in list order, each followed by the dialogs on its surface in child order.
std::vector<PtUnit> ptUnits(const FormList& forms);

} // namespace ornadeck
