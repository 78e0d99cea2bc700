#pragma once

#include <span>
#include <string_view>

namespace ornadeck::app {

// One command of the menus, toolbars and popup: the text it shows everywhere, so that a
// caption, shortcut or hint lives in one place. Tests trigger a command by its id.
struct CommandInfo {
    std::string_view id;       // object name of its action, e.g. "mnuNewProject"
    std::string_view caption;  // menu text with its '&'
    std::string_view shortcut; // portable key text ("Ctrl+N"); several separated by ';'
    std::string_view hint;     // status-bar hint of the menu item
    std::string_view tip;      // toolbar hint (tooltip and accessible name); may be empty
    std::string_view icon;     // resource name under :/icons, empty for none
    bool checkable = false;
};

std::span<const CommandInfo> commandTable();
// Null for an unknown id.
const CommandInfo* findCommand(std::string_view id);

// A toolbar or menu layout: command ids, "-" for a separator.
struct ToolBarInfo {
    std::string_view name;    // object name, also the options.ini section
    std::string_view caption; // window title
    std::span<const std::string_view> items;
    bool closable;
    int row; // default dock row
};

std::span<const ToolBarInfo> toolBarTable();

// The designer window's popup menu, in order.
std::span<const std::string_view> popupMenuItems();

} // namespace ornadeck::app
