#pragma once

#include "model/FileStamp.h"
#include "model/Library.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ornadeck {

class Control;
class Form;
class TextMetrics;

// The object whose properties the inspector shows: a control, or a form itself when
// `control` is null.
struct Selection {
    Form* form = nullptr;
    Control* control = nullptr;

    bool empty() const { return form == nullptr; }
    bool isForm() const { return form != nullptr && control == nullptr; }
};

// Where a tool window stands and whether it is shown.
struct ToolWindowState {
    bool shown = false;
    int left = 0;
    int top = 0;
};

// Program-wide design state shared by the engines, the commands and the windows.
struct Workspace {
    Workspace();
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Library library = Library::CControls;
    // Never reset while the program runs, so numbers in default names keep rising.
    int nameCounter = 0;
    int formCounter = 0;
    bool shortNames = false;
    bool gridMode = false;
    Color surfaceColor = kWhite;
    // Kind tag of the tool chosen on the control toolbar; empty for the pointer.
    std::string tool;
    // A locked tool stays chosen after each placement, until it is raised or replaced.
    bool toolLocked = false;
    Selection selected;
    // The inspector row the user is on; showing a closed menu opens it unless this is "Test".
    std::string inspectorRow;
    // Raised each time an engine shows an object's properties, so the inspector knows when
    // its rows are out of date without reading every value again.
    unsigned propertiesShown = 0;

    // The open project: an empty name means none is open.
    std::string projectName;
    std::string projectPath;
    std::string caption = "Ornadeck 1.1";
    bool generateEnabled = false;
    // What the project file held when last read or written.
    DiskRecord projectDisk;
    // Opened while another copy of the program had it: nothing of it may be saved.
    bool readOnly = false;
    ToolWindowState inspector;
    ToolWindowState zoom;

    // Designer windows in window-list order, the most recently activated first.
    std::vector<std::unique_ptr<Form>> forms;
    Form* activeForm = nullptr;

    // What new forms measure their texts with (the Palm fonts); null for the fallback.
    const TextMetrics* metrics = nullptr;
    // Told before each form is destroyed, so that whatever shows it can let go first.
    std::function<void(Form&)> formClosing;

    // Chooses a tool (empty: the pointer); only a real tool can be locked.
    void chooseTool(std::string tag, bool locked) {
        tool = std::move(tag);
        toolLocked = locked && !tool.empty();
    }

    bool projectOpen() const { return !projectName.empty(); }
    // Destroys every form, telling `formClosing` about each one first, once no longer listed:
    // a window redrawn while another closes must not find a form that is about to go.
    void closeAllForms();
    // Moves a form to the front of the window list and makes it the active one.
    void activate(Form& form);
    Form* findFormByPath(const std::string& path) const;
};

} // namespace ornadeck
