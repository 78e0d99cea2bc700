#include "commands/CommandTable.h"

#include <array>

namespace ornadeck::app {

namespace {

using namespace std::string_view_literals;

constexpr std::array kCommands{
    // File
    CommandInfo{"mnuNewProject", "&New Project...", "Ctrl+N", "Create a new project", "New Project",
                "new-project.svg"},
    CommandInfo{"mnuSaveProject", "&Save Project", "Ctrl+S", "Save the project", "Save Project",
                "save-project.svg"},
    CommandInfo{"mnuSaveProjectAs", "Save Project &As...", "Ctrl+A",
                "Save the project under another name", "", ""},
    CommandInfo{"mnuFileOpenProject", "&Open Project...", "Ctrl+O", "Open an existing project",
                "Open Project", "open-project.svg"},
    CommandInfo{"mnuNewForm", "N&ew Form", "", "Create a new blank form", "New Form",
                "new-form.svg"},
    CommandInfo{"mnuFileOpenForm", "Open &Form...", "", "Open an existing form", "Open Form",
                "open-form.svg"},
    CommandInfo{"mnuCloseForm", "&Close Form", "", "Close current form", "", ""},
    CommandInfo{"mnuSaveForm", "Sa&ve Form", "", "Save current form", "Save Form", "save-form.svg"},
    CommandInfo{"mnuSaveFormAs", "Sav&e Form As...", "", "Save current file as...", "", ""},
    CommandInfo{"mnuCloseAll", "C&lose All", "", "Close the project and every form", "", ""},
    CommandInfo{"mnuExportPicture", "Export &Picture...", "",
                "Write the active form's picture as a PNG file", "", ""},
    CommandInfo{"mnuExit", "E&xit", "", "Exit the application", "", ""},
    // Edit
    CommandInfo{"mnuUndo", "&Undo", "Ctrl+Z", "Undo the last change of the form", "Undo",
                "undo.svg"},
    CommandInfo{"mnuRedo", "&Redo", "Ctrl+Shift+Z;Ctrl+Y", "Redo the change last undone", "Redo",
                "redo.svg"},
    CommandInfo{"mnuCut", "Cu&t", "Ctrl+X", "Cut to clipboard", "Cut", "cut.svg"},
    CommandInfo{"mnuCopy", "&Copy", "Ctrl+C", "Copy to clipboard", "Copy", "copy.svg"},
    CommandInfo{"mnuPaste", "&Paste", "Ctrl+V", "Paste from clipboard", "Paste", "paste.svg"},
    // View
    CommandInfo{"mnuZoom", "&Zoom", "", "Show or hide the zoom window", "", "", true},
    CommandInfo{"mnuProperties", "&Properties Editor", "", "Show or hide the properties editor", "",
                "", true},
    CommandInfo{"mnuZoomIn", "Zoom &In", "Ctrl++", "Show the form larger", "", "zoom-in.svg"},
    CommandInfo{"mnuZoomOut", "Zoom &Out", "Ctrl+-", "Show the form smaller", "", "zoom-out.svg"},
    CommandInfo{"mnuActualSize", "&Actual Size", "Ctrl+0", "Show the form at its own size", "",
                "zoom-actual.svg"},
    CommandInfo{"mnuGrid", "&Grid", "", "Show the grid and snap controls to it", "", "", true},
    // Project
    CommandInfo{"mnuProjectGenerateCode", "&Generate Code...", "F7",
                "Generate the PocketC source of the project", "Generate Code", "generate-code.svg"},
    CommandInfo{"mnuCheck", "&Check", "Ctrl+Shift+K",
                "Find what will not compile or not show on the handheld", "Check", "checks.svg"},
    CommandInfo{"mnuShortNames", "&Short names", "", "Give new controls and forms short names", "",
                "", true},
    // Tools (hidden)
    CommandInfo{"mnuOptions", "&Options...", "", "Program options", "", ""},
    // Help
    CommandInfo{"mnuHelpContents", "Ornadeck...", "F1", "Help topics", "", "help.svg"},
    CommandInfo{"mnuAbout", "A&bout Ornadeck...", "", "About Ornadeck", "", ""},
    // Recent projects
    CommandInfo{"mnuClearRecent", "&Clear List", "", "Forget every recent project", "", ""},
    CommandInfo{"mnuRemoveObsolete", "&Remove Obsolete", "",
                "Forget recent projects whose file is gone", "", ""},
    // Popup menu and the Align & Size toolbar
    CommandInfo{"mnuALeft", "Align &Left", "", "Align the left edges", "Align Left",
                "align-left.svg"},
    CommandInfo{"mnuARight", "Align &Right", "", "Align the right edges", "Align Right",
                "align-right.svg"},
    CommandInfo{"mnuATop", "Align &Top", "", "Align the top edges", "Align Top", "align-top.svg"},
    CommandInfo{"mnuABottom", "Align &Bottom", "", "Align the bottom edges", "Align Bottom",
                "align-bottom.svg"},
    CommandInfo{"mnuSWidth", "Same &Widht", "", "Give the controls the same width", "Same Width",
                "same-width.svg"},
    CommandInfo{"mnuSHeight", "Same &Height", "", "Give the controls the same height",
                "Same Height", "same-height.svg"},
    CommandInfo{"mnuCHoriz", "Center H&orizontally", "", "Center horizontally in form or dialog",
                "Center horizontally\nin form or dialog", "center-horizontally.svg"},
    CommandInfo{"mnuCVertic", "Center &Vertically", "", "Center vertically in form or dialog",
                "Center vertically\nin form or dialog", "center-vertically.svg"},
    CommandInfo{"mnuEHoriz", "Space = Horizontally", "", "Space controls equally, horizontally",
                "Space controls equally,\nhorizontally", "space-horizontally.svg"},
    CommandInfo{"mnuEVertic", "Space = Vertically", "", "Space controls equally, vertically",
                "Space controls equally,\nvertically", "space-vertically.svg"},
    CommandInfo{"mnuBringtoFront", "Bring to &Front", "", "Bring the control to the front", "",
                "bring-to-front.svg"},
    CommandInfo{"mnuSendtoBack", "Send to &Back", "", "Send the control to the back", "",
                "send-to-back.svg"},
    CommandInfo{"mnuDelete", "&Delete control", "Del", "Delete the selected control", "",
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
    ToolBarInfo{"tbFile", "File", kFileBar, false, 0},
    ToolBarInfo{"tbEdit", "Edit", kEditBar, true, 0},
    ToolBarInfo{"tbAlign", "Align & Size", kAlignBar, true, 0},
    ToolBarInfo{"tbControls", "Controls", kControlsBar, false, 1},
};

constexpr std::array kPopup{
    "mnuALeft"sv,   "mnuARight"sv, "mnuATop"sv,         "mnuABottom"sv,    "-"sv, "mnuSWidth"sv,
    "mnuSHeight"sv, "-"sv,         "mnuCHoriz"sv,       "mnuCVertic"sv,    "-"sv, "mnuEHoriz"sv,
    "mnuEVertic"sv, "-"sv,         "mnuBringtoFront"sv, "mnuSendtoBack"sv, "-"sv, "mnuDelete"sv};

} // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo* findCommand(std::string_view id) {
    for (const CommandInfo& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::span<const ToolBarInfo> toolBarTable() { return kToolBars; }

std::span<const std::string_view> popupMenuItems() { return kPopup; }

} // namespace ornadeck::app
