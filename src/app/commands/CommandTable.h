#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace ornadeck::app {

// Every command of the menus, toolbars and popup, in command-table order. Code names a
// command by this id; the action's object name (`CommandInfo::name`) is what tests and
// stored toolbar layouts see.
enum class CommandId {
    NewProject,
    SaveProject,
    SaveProjectAs,
    OpenProject,
    NewForm,
    OpenForm,
    CloseForm,
    SaveForm,
    SaveFormAs,
    CloseAll,
    ExportPicture,
    Exit,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    ZoomWindow,
    PropertiesEditor,
    ZoomIn,
    ZoomOut,
    ActualSize,
    Grid,
    GenerateCode,
    Preview,
    Check,
    ShortNames,
    Options,
    HelpContents,
    About,
    ClearRecent,
    RemoveObsoleteRecent,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SameWidth,
    SameHeight,
    CenterHorizontally,
    CenterVertically,
    SpaceHorizontally,
    SpaceVertically,
    BringToFront,
    SendToBack,
    Delete,
    // Not a command: a separator in a toolbar or menu layout.
    Separator,
};

constexpr std::size_t kCommandCount = static_cast<std::size_t>(CommandId::Separator);

// One command: the text it shows everywhere, so that a caption, shortcut or hint lives in
// one place.
struct CommandInfo {
    CommandId id;
    std::string_view name;     // object name of its action, e.g. "mnuNewProject"
    std::string_view caption;  // menu text with its '&'
    std::string_view shortcut; // portable key text ("Ctrl+N"); several separated by ';'
    std::string_view hint;     // status-bar hint of the menu item
    std::string_view tip;      // toolbar hint (tooltip and accessible name); may be empty
    std::string_view icon;     // resource name under :/icons, empty for none
    bool checkable = false;
};

std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(CommandId id);
// Null for an unknown object name.
const CommandInfo* findCommand(std::string_view name);

// A toolbar layout: command ids, `CommandId::Separator` for a separator.
struct ToolBarInfo {
    std::string_view name;    // object name, also the options.ini section
    std::string_view caption; // window title
    std::span<const CommandId> items;
    bool closable;
    int row; // default dock row
};

std::span<const ToolBarInfo> toolBarTable();

// The designer window's popup menu, in order.
std::span<const CommandId> popupMenuItems();

} // namespace ornadeck::app
