#include "commands/CommandTable.h"

#include <array>

namespace ornadeck::app {

namespace {

using namespace std::string_view_literals;

constexpr std::array kCommands{
    // File
    CommandSpec{"mnuNewProject", "&New Project...", "Ctrl+N", "Create a new project", "New Project",
                "new-project.svg"},
    CommandSpec{"mnuSaveProject", "&Save Project", "Ctrl+S", "Save the project", "Save Project",
                "save-project.svg"},
    CommandSpec{"mnuSaveProjectAs", "Save Project &As...", "Ctrl+A",
                "Save the project under another name", "", ""},
    CommandSpec{"mnuFileOpenProject", "&Open Project...", "Ctrl+O", "Open an existing project",
                "Open Project", "open-project.svg"},
    CommandSpec{"mnuNewForm", "N&ew Form", "", "Create a new blank form", "New Form",
                "new-form.svg"},
    CommandSpec{"mnuFileOpenForm", "Open &Form...", "", "Open an existing form", "Open Form",
                "open-form.svg"},
    CommandSpec{"mnuCloseForm", "&Close Form", "", "Close current form", "", ""},
    CommandSpec{"mnuSaveForm", "Sa&ve Form", "", "Save current form", "Save Form", "save-form.svg"},
    CommandSpec{"mnuSaveFormAs", "Sav&e Form As...", "", "Save current file as...", "", ""},
    CommandSpec{"mnuCloseAll", "C&lose All", "", "Close the project and every form", "", ""},
    CommandSpec{"mnuExportPicture", "Export &Picture...", "",
                "Write the active form's picture as a PNG file", "", ""},
    CommandSpec{"mnuExit", "E&xit", "", "Exit the application", "", ""},
    // Edit
    CommandSpec{"mnuUndo", "&Undo", "Ctrl+Z", "Undo the last change of the form", "Undo",
                "undo.svg"},
    CommandSpec{"mnuRedo", "&Redo", "Ctrl+Shift+Z;Ctrl+Y", "Redo the change last undone", "Redo",
                "redo.svg"},
    CommandSpec{"mnuCut", "Cu&t", "Ctrl+X", "Cut to clipboard", "Cut", "cut.svg"},
    CommandSpec{"mnuCopy", "&Copy", "Ctrl+C", "Copy to clipboard", "Copy", "copy.svg"},
    CommandSpec{"mnuPaste", "&Paste", "Ctrl+V", "Paste from clipboard", "Paste", "paste.svg"},
    // View
    CommandSpec{"mnuZoom", "&Zoom", "", "Show or hide the zoom window", "", "", true},
    CommandSpec{"mnuProperties", "&Properties Editor", "", "Show or hide the properties editor", "",
                "", true},
    CommandSpec{"mnuZoomIn", "Zoom &In", "Ctrl++", "Show the form larger", "", "zoom-in.svg"},
    CommandSpec{"mnuZoomOut", "Zoom &Out", "Ctrl+-", "Show the form smaller", "", "zoom-out.svg"},
    CommandSpec{"mnuActualSize", "&Actual Size", "Ctrl+0", "Show the form at its own size", "",
                "zoom-actual.svg"},
    CommandSpec{"mnuGrid", "&Grid", "", "Show the grid and snap controls to it", "", "", true},
    // Project
    CommandSpec{"mnuProjectGenerateCode", "&Generate Code...", "F7",
                "Generate the PocketC source of the project", "Generate Code", "generate-code.svg"},
    CommandSpec{"mnuCheck", "&Check", "Ctrl+Shift+K",
                "Find what will not compile or not show on the handheld", "Check", "checks.svg"},
    CommandSpec{"mnuShortNames", "&Short names", "", "Give new controls and forms short names", "",
                "", true},
    // Tools (hidden)
    CommandSpec{"mnuOptions", "&Options...", "", "Program options", "", ""},
    // Help
    CommandSpec{"mnuHelpContents", "Ornadeck...", "F1", "Help topics", "", "help.svg"},
    CommandSpec{"mnuAbout", "A&bout Ornadeck...", "", "About Ornadeck", "", ""},
    // Recent projects
    CommandSpec{"mnuClearRecent", "&Clear List", "", "Forget every recent project", "", ""},
    CommandSpec{"mnuRemoveObsolete", "&Remove Obsolete", "",
                "Forget recent projects whose file is gone", "", ""},
    // Popup menu and the Align & Size toolbar
    CommandSpec{"mnuALeft", "Align &Left", "", "Align the left edges", "Align Left",
                "align-left.svg"},
    CommandSpec{"mnuARight", "Align &Right", "", "Align the right edges", "Align Right",
                "align-right.svg"},
    CommandSpec{"mnuATop", "Align &Top", "", "Align the top edges", "Align Top", "align-top.svg"},
    CommandSpec{"mnuABottom", "Align &Bottom", "", "Align the bottom edges", "Align Bottom",
                "align-bottom.svg"},
    CommandSpec{"mnuSWidth", "Same &Widht", "", "Give the controls the same width", "Same Width",
                "same-width.svg"},
    CommandSpec{"mnuSHeight", "Same &Height", "", "Give the controls the same height",
                "Same Height", "same-height.svg"},
    CommandSpec{"mnuCHoriz", "Center H&orizontally", "", "Center horizontally in form or dialog",
                "Center horizontally\nin form or dialog", "center-horizontally.svg"},
    CommandSpec{"mnuCVertic", "Center &Vertically", "", "Center vertically in form or dialog",
                "Center vertically\nin form or dialog", "center-vertically.svg"},
    CommandSpec{"mnuEHoriz", "Space = Horizontally", "", "Space controls equally, horizontally",
                "Space controls equally,\nhorizontally", "space-horizontally.svg"},
    CommandSpec{"mnuEVertic", "Space = Vertically", "", "Space controls equally, vertically",
                "Space controls equally,\nvertically", "space-vertically.svg"},
    CommandSpec{"mnuBringtoFront", "Bring to &Front", "", "Bring the control to the front", "",
                "bring-to-front.svg"},
    CommandSpec{"mnuSendtoBack", "Send to &Back", "", "Send the control to the back", "",
                "send-to-back.svg"},
    CommandSpec{"mnuDelete", "&Delete control", "Del", "Delete the selected control", "",
                "delete.svg"},
};

constexpr std::array kFileBar{"mnuNewProject"sv,
                              "mnuFileOpenProject"sv,
                              "mnuSaveProject"sv,
                              "-"sv,
                              "mnuNewForm"sv,
                              "mnuFileOpenForm"sv,
                              "mnuSaveForm"sv,
                              "-"sv,
                              "mnuProjectGenerateCode"sv};
constexpr std::array kEditBar{"mnuCut"sv, "mnuCopy"sv, "mnuPaste"sv,
                              "-"sv,      "mnuUndo"sv, "mnuRedo"sv};
constexpr std::array kAlignBar{"mnuALeft"sv,  "mnuARight"sv,  "mnuATop"sv,   "mnuABottom"sv,
                               "-"sv,         "mnuSHeight"sv, "mnuSWidth"sv, "-"sv,
                               "mnuCHoriz"sv, "mnuCVertic"sv, "-"sv,         "mnuEHoriz"sv,
                               "mnuEVertic"sv};
// The control toolbar's buttons are made from the library configuration, not from here.
constexpr std::array<std::string_view, 0> kControlsBar{};

constexpr std::array kToolBars{
    ToolBarSpec{"tbFile", "File", kFileBar, false, 0},
    ToolBarSpec{"tbEdit", "Edit", kEditBar, true, 0},
    ToolBarSpec{"tbAlign", "Align & Size", kAlignBar, true, 0},
    ToolBarSpec{"tbControls", "Controls", kControlsBar, false, 1},
};

constexpr std::array kPopup{
    "mnuALeft"sv,   "mnuARight"sv, "mnuATop"sv,         "mnuABottom"sv,    "-"sv, "mnuSWidth"sv,
    "mnuSHeight"sv, "-"sv,         "mnuCHoriz"sv,       "mnuCVertic"sv,    "-"sv, "mnuEHoriz"sv,
    "mnuEVertic"sv, "-"sv,         "mnuBringtoFront"sv, "mnuSendtoBack"sv, "-"sv, "mnuDelete"sv};

} // namespace

std::span<const CommandSpec> commandTable() { return kCommands; }

const CommandSpec* findCommand(std::string_view id) {
    for (const CommandSpec& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::span<const ToolBarSpec> toolBarTable() { return kToolBars; }

std::span<const std::string_view> popupMenuItems() { return kPopup; }

} // namespace ornadeck::app
