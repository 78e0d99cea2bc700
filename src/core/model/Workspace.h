#pragma once

#include "model/Library.h"

#include <memory>
#include <string>
#include <vector>

namespace ornadeck {

class Control;
class Form;

// The object whose properties the inspector shows: a control, or a form itself when
// `control` is null.
struct Selection {
    Form* form = nullptr;
    Control* control = nullptr;

    bool empty() const { return form == nullptr; }
    bool isForm() const { return form != nullptr && control == nullptr; }
};

// Program-wide design state shared by the engines and windows.
struct Workspace {
    Library library = Library::CControls;
    // Never reset while the program runs, so numbers in default names keep rising.
    int nameCounter = 0;
    int formCounter = 0;
    bool shortNames = false;
    Color surfaceColor = kWhite;
    // Kind tag of the tool chosen on the control toolbar; empty for the pointer.
    std::string tool;
    Selection selected;
    // The inspector row the user is on; showing a closed menu opens it unless this is "Test".
    std::string inspectorRow;
};

} // namespace ornadeck
