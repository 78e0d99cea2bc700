#include "commands/CommandTable.h"

#include <array>

namespace ornadeck::app {

namespace {

constexpr std::array kCommands{
    // File
    CommandInfo{CommandId::NewProject, "mnuNewProject", "&New Project...", "Ctrl+N",
                "Create a new project", "New Project", "new-project.svg"},
    CommandInfo{CommandId::SaveProject, "mnuSaveProject", "&Save Project", "Ctrl+S",
                "Save the project", "Save Project", "save-project.svg"},
    CommandInfo{CommandId::SaveProjectAs, "mnuSaveProjectAs", "Save Project &As...", "Ctrl+A",
                "Save the project under another name", "", ""},
    CommandInfo{CommandId::OpenProject, "mnuFileOpenProject", "&Open Project...", "Ctrl+O",
                "Open an existing project", "Open Project", "open-project.svg"},
    CommandInfo{CommandId::NewForm, "mnuNewForm", "N&ew Form", "", "Create a new blank form",
                "New Form", "new-form.svg"},
    CommandInfo{CommandId::OpenForm, "mnuFileOpenForm", "Open &Form...", "",
                "Open an existing form", "Open Form", "open-form.svg"},
    CommandInfo{CommandId::CloseForm, "mnuCloseForm", "&Close Form", "", "Close current form", "",
                ""},
    CommandInfo{CommandId::SaveForm, "mnuSaveForm", "Sa&ve Form", "", "Save current form",
                "Save Form", "save-form.svg"},
    CommandInfo{CommandId::SaveFormAs, "mnuSaveFormAs", "Sav&e Form As...", "",
                "Save current file as...", "", ""},
    CommandInfo{CommandId::CloseAll, "mnuCloseAll", "C&lose All", "",
                "Close the project and every form", "", ""},
    CommandInfo{CommandId::ExportPicture, "mnuExportPicture", "Export &Picture...", "",
                "Write the active form's picture as a PNG file", "", ""},
    CommandInfo{CommandId::Exit, "mnuExit", "E&xit", "", "Exit the application", "", ""},
    // Edit
    CommandInfo{CommandId::Undo, "mnuUndo", "&Undo", "Ctrl+Z", "Undo the last change of the form",
                "Undo", "undo.svg"},
    CommandInfo{CommandId::Redo, "mnuRedo", "&Redo", "Ctrl+Shift+Z;Ctrl+Y",
                "Redo the change last undone", "Redo", "redo.svg"},
    CommandInfo{CommandId::Cut, "mnuCut", "Cu&t", "Ctrl+X", "Cut to clipboard", "Cut", "cut.svg"},
    CommandInfo{CommandId::Copy, "mnuCopy", "&Copy", "Ctrl+C", "Copy to clipboard", "Copy",
                "copy.svg"},
    CommandInfo{CommandId::Paste, "mnuPaste", "&Paste", "Ctrl+V", "Paste from clipboard", "Paste",
                "paste.svg"},
    // View
    CommandInfo{CommandId::ZoomWindow, "mnuZoom", "&Zoom", "", "Show or hide the zoom window", "",
                "", true},
    CommandInfo{CommandId::PropertiesEditor, "mnuProperties", "&Properties Editor", "",
                "Show or hide the properties editor", "", "", true},
    CommandInfo{CommandId::ZoomIn, "mnuZoomIn", "Zoom &In", "Ctrl++", "Show the form larger", "",
                "zoom-in.svg"},
    CommandInfo{CommandId::ZoomOut, "mnuZoomOut", "Zoom &Out", "Ctrl+-", "Show the form smaller",
                "", "zoom-out.svg"},
    CommandInfo{CommandId::ActualSize, "mnuActualSize", "&Actual Size", "Ctrl+0",
                "Show the form at its own size", "", "zoom-actual.svg"},
    CommandInfo{CommandId::Grid, "mnuGrid", "&Grid", "", "Show the grid and snap controls to it",
                "", "", true},
    // Project
    CommandInfo{CommandId::GenerateCode, "mnuProjectGenerateCode", "&Generate Code...", "F7",
                "Generate the PocketC source of the project", "Generate Code", "generate-code.svg"},
    CommandInfo{CommandId::Preview, "mnuPreview", "&Preview", "Ctrl+R",
                "Try the project's forms as on the handheld", "Preview", "preview.svg"},
    CommandInfo{CommandId::Check, "mnuCheck", "&Check", "Ctrl+Shift+K",
                "Find what will not compile or not show on the handheld", "Check", "checks.svg"},
    CommandInfo{CommandId::ShortNames, "mnuShortNames", "&Short names", "",
                "Give new controls and forms short names", "", "", true},
    // Tools (hidden)
    CommandInfo{CommandId::Options, "mnuOptions", "&Options...", "", "Program options", "", ""},
    // Help
    CommandInfo{CommandId::HelpContents, "mnuHelpContents", "Ornadeck...", "F1", "Help topics", "",
                "help.svg"},
    CommandInfo{CommandId::About, "mnuAbout", "A&bout Ornadeck...", "", "About Ornadeck", "", ""},
    // Recent projects
    CommandInfo{CommandId::ClearRecent, "mnuClearRecent", "&Clear List", "",
                "Forget every recent project", "", ""},
    CommandInfo{CommandId::RemoveObsoleteRecent, "mnuRemoveObsolete", "&Remove Obsolete", "",
                "Forget recent projects whose file is gone", "", ""},
    // Popup menu and the Align & Size toolbar
    CommandInfo{CommandId::AlignLeft, "mnuALeft", "Align &Left", "", "Align the left edges",
                "Align Left", "align-left.svg"},
    CommandInfo{CommandId::AlignRight, "mnuARight", "Align &Right", "", "Align the right edges",
                "Align Right", "align-right.svg"},
    CommandInfo{CommandId::AlignTop, "mnuATop", "Align &Top", "", "Align the top edges",
                "Align Top", "align-top.svg"},
    CommandInfo{CommandId::AlignBottom, "mnuABottom", "Align &Bottom", "", "Align the bottom edges",
                "Align Bottom", "align-bottom.svg"},
    CommandInfo{CommandId::SameWidth, "mnuSWidth", "Same &Widht", "",
                "Give the controls the same width", "Same Width", "same-width.svg"},
    CommandInfo{CommandId::SameHeight, "mnuSHeight", "Same &Height", "",
                "Give the controls the same height", "Same Height", "same-height.svg"},
    CommandInfo{CommandId::CenterHorizontally, "mnuCHoriz", "Center H&orizontally", "",
                "Center horizontally in form or dialog", "Center horizontally\nin form or dialog",
                "center-horizontally.svg"},
    CommandInfo{CommandId::CenterVertically, "mnuCVertic", "Center &Vertically", "",
                "Center vertically in form or dialog", "Center vertically\nin form or dialog",
                "center-vertically.svg"},
    CommandInfo{CommandId::SpaceHorizontally, "mnuEHoriz", "Space = Horizontally", "",
                "Space controls equally, horizontally", "Space controls equally,\nhorizontally",
                "space-horizontally.svg"},
    CommandInfo{CommandId::SpaceVertically, "mnuEVertic", "Space = Vertically", "",
                "Space controls equally, vertically", "Space controls equally,\nvertically",
                "space-vertically.svg"},
    CommandInfo{CommandId::BringToFront, "mnuBringtoFront", "Bring to &Front", "",
                "Bring the control to the front", "", "bring-to-front.svg"},
    CommandInfo{CommandId::SendToBack, "mnuSendtoBack", "Send to &Back", "",
                "Send the control to the back", "", "send-to-back.svg"},
    CommandInfo{CommandId::Delete, "mnuDelete", "&Delete control", "Del",
                "Delete the selected control", "", "delete.svg"},
};

constexpr std::array kFileBar{
    CommandId::NewProject,   CommandId::OpenProject, CommandId::SaveProject, CommandId::Separator,
    CommandId::NewForm,      CommandId::OpenForm,    CommandId::SaveForm,    CommandId::Separator,
    CommandId::GenerateCode, CommandId::Preview};
constexpr std::array kEditBar{CommandId::Cut,       CommandId::Copy, CommandId::Paste,
                              CommandId::Separator, CommandId::Undo, CommandId::Redo};
constexpr std::array kAlignBar{
    CommandId::AlignLeft,        CommandId::AlignRight, CommandId::AlignTop,
    CommandId::AlignBottom,      CommandId::Separator,  CommandId::SameHeight,
    CommandId::SameWidth,        CommandId::Separator,  CommandId::CenterHorizontally,
    CommandId::CenterVertically, CommandId::Separator,  CommandId::SpaceHorizontally,
    CommandId::SpaceVertically};
// The control toolbar's buttons are made from the library configuration, not from here.
constexpr std::array<CommandId, 0> kControlsBar{};

// The table is indexed by id: each entry must stand at its own id's place.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
    return kCommands.size() == kCommandCount;
}
static_assert(inIdOrder(), "the command table is out of CommandId order");

constexpr std::array kToolBars{
    ToolBarInfo{"tbFile", "File", kFileBar, false, 0},
    ToolBarInfo{"tbEdit", "Edit", kEditBar, true, 0},
    ToolBarInfo{"tbAlign", "Align & Size", kAlignBar, true, 0},
    ToolBarInfo{"tbControls", "Controls", kControlsBar, false, 1},
};

constexpr std::array kPopup{
    CommandId::AlignLeft,        CommandId::AlignRight, CommandId::AlignTop,
    CommandId::AlignBottom,      CommandId::Separator,  CommandId::SameWidth,
    CommandId::SameHeight,       CommandId::Separator,  CommandId::CenterHorizontally,
    CommandId::CenterVertically, CommandId::Separator,  CommandId::SpaceHorizontally,
    CommandId::SpaceVertically,  CommandId::Separator,  CommandId::BringToFront,
    CommandId::SendToBack,       CommandId::Separator,  CommandId::Delete};

} // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo& commandInfo(CommandId id) { return kCommands[static_cast<std::size_t>(id)]; }

const CommandInfo* findCommand(std::string_view name) {
    for (const CommandInfo& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

std::span<const ToolBarInfo> toolBarTable() { return kToolBars; }

std::span<const CommandId> popupMenuItems() { return kPopup; }

} // namespace ornadeck::app
