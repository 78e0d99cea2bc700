#pragma once

#include "model/Status.h"

#include <string>
#include <string_view>

namespace ornadeck {

class Control;
class FormSections;
struct SectionReadContext;

// The system clipboard type under which a copied control travels.
inline constexpr std::string_view kControlMimeType = "application/x-ornadeck-control";

// One control as clipboard text: its form-file section (a dialog's children follow it), so
// it carries its kind and everything a form file keeps of it. Empty for a control the
// library does not file this way, such as a menu.
std::string serializeControl(const Control& control, const FormSections& sections);

// Creates the control held by clipboard text in the context's form, under `target` (the
// surface or a dialog; a dialog always goes on the surface), and returns it. It and a
// dialog's children are named by their kind word and the name counter, skipping every name
// the form refuses. Returns null, changing nothing, for text of another library or without a
// control. A pasted dialog becomes the tested one.
Control* pasteControl(std::string_view text, Control& target, const FormSections& sections,
                      SectionReadContext& context);

} // namespace ornadeck
