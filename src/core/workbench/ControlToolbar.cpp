#include "workbench/ControlToolbar.h"

namespace ornadeck {

namespace {

// Per button: the CControls kind and hint, then the PToolboxLib ones; an empty kind hides
// the button for that library.
struct Row {
    std::string_view id;
    std::string_view ccKind, ccHint;
    std::string_view ptKind, ptHint;
};

constexpr std::array<Row, kControlToolIds.size()> kRows{{
    {"spbButton", "Button", "Button", "Button", "Button"},
    {"spbSelect", "", "Select Box", "Select", "Select Box"},
    {"spbPush", "", "Push Button", "Push", "Push Button"},
    {"spbLabel", "Label", "Label", "Label", "Label"},
    {"spbEditLine", "EditLine", "Edit Line", "", "Edit Line"},
    {"spbEdit", "Edit", "Edit", "Field", "Field"},
    {"spbCheckBox", "CheckBox", "CheckBox", "CheckBox", "CheckBox"},
    {"spbSwitch", "Switch", "Switch Button", "", "Switch Button"},
    {"spbPop", "", "PopTrigger", "PopTrigger", "PopTrigger"},
    {"spbPopUp", "PopUp", "PopUp", "", "PopUp"},
    {"spbListBox", "ListBox", "ListBox", "List", "List"},
    {"spbDropDown", "DropDown", "DropDown", "", "DropDown"},
    {"spbRadio", "Radio", "Radio Buttons", "Radio", "Radio Buttons"},
    {"spbMenu", "Menu", "Menu", "", "Menu"},
    {"spbBitmap", "Image", "Image", "Bitmap", "Bitmap"},
    {"spbGSI", "", "GSI", "GSI", "GSI"},
    {"spbDialog", "Dialog", "Dialog", "Dialog", "Dialog"},
}};

} // namespace

ControlToolButton controlToolButton(Library library, std::string_view id) {
    for (const Row& row : kRows) {
        if (row.id != id) continue;
        const bool cc = library == Library::CControls;
        const std::string_view kind = cc ? row.ccKind : row.ptKind;
        return {row.id, !kind.empty(), cc ? row.ccHint : row.ptHint, kind};
    }
    return {id, false, {}, {}};
}

std::string_view libraryStatusText(Library library) {
    return library == Library::CControls ? "CControls" : "PToolboxLib";
}

} // namespace ornadeck
