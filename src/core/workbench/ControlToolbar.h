#pragma once

#include "model/Library.h"

#include <array>
#include <string_view>

namespace ornadeck {

// One button of the control toolbar as a library shows it: whether it is there, the hint
// it gives, and the kind tag the engine places while it is down.
struct ControlToolButton {
    std::string_view id;
    bool visible = false;
    std::string_view hint;
    std::string_view kindTag;
};

// The control toolbar's buttons, left to right.
inline constexpr std::array<std::string_view, 17> kControlToolIds{
    "spbButton",   "spbSelect", "spbPush",   "spbLabel", "spbEditLine", "spbEdit",
    "spbCheckBox", "spbSwitch", "spbPop",    "spbPopUp", "spbListBox",  "spbDropDown",
    "spbRadio",    "spbMenu",   "spbBitmap", "spbGSI",   "spbDialog"};

// How `library` configures the button `id`; an unknown id is invisible with no kind.
ControlToolButton controlToolButton(Library library, std::string_view id);

// What status panel 0 shows for the library.
std::string_view libraryStatusText(Library library);

} // namespace ornadeck
