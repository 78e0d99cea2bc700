#pragma once

#include <string>
#include <vector>

namespace ornadeck {

class Control;
class Form;
struct Workspace;

// The pick lists whose entries are the names of open forms and of their controls. Both
// start with "(None)".

// "ShowForm": for each visible designer window in window order, its form name (unless the
// selected control stands directly on that form's surface: a control never offers its own
// form), then, unless the selected control lies inside a dialog, the names of the dialogs
// on that surface in control-list order.
std::vector<std::string> showFormEntries(const Workspace& workspace, const Control* selected);

// "Trigger": the pop triggers standing directly on the form's surface, in control-list order.
std::vector<std::string> triggerEntries(const Form* form);

} // namespace ornadeck
