#pragma once

#include <string>

namespace ornadeck {

class Control;

// The PToolboxLib kind a design control stands for in generated code.
enum class PtKind {
    Button,
    Push,
    Select,
    CheckBox,
    Label,
    List,
    PopTrigger,
    Field,
    Dialog,
    Gsi,
    Bitmap,
    Radio,
    Other, // a class the library has no kind for: generates nothing
};

PtKind ptKindOf(const Control& control);

// A Button of Type "Repeat": handled by the repeat handler instead of the event loop.
bool isRepeatButton(const Control& control);

// How many control numbers the control takes: one per item for a Radio, none for the kinds
// the library does not address by number.
int ptNumberCount(const Control& control);

// A group number in upper-case hex, as many digits as needed.
std::string groupHex(int group);

// "(None)" and an empty name both mean no form or trigger is linked.
bool isLinked(const std::string& name);

} // namespace ornadeck
