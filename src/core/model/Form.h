#pragma once

#include "model/Control.h"
#include "model/FileStamp.h"
#include "model/Names.h"
#include "model/Status.h"
#include "model/TCCForm.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace ornadeck {

class TPTDialog;
class TextMetrics;

// One entry of a form's component list: "Name: Kind", with the object it stands for
// (null for the form itself).
struct ComponentEntry {
    std::string text;
    Control* control = nullptr;
};

// One form: what its designer window holds. Every component of the window shares one
// name space, the fixed components of the window included.
class Form {
  public:
    static constexpr std::array<std::string_view, 7> kFixedNames{
        "panScreen", "imgPalm", "popMenu", "snap", "snapDialog", "sthControls", "sthLoad"};

    explicit Form(std::string name = "Form1", const TextMetrics* metrics = nullptr);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const std::filesystem::path& filePath() const { return filePath_; }
    // Also sets the caption to the file's name, as a saved or loaded form shows.
    void setFilePath(std::filesystem::path p);
    // The file is gone: the form is shown as a new one, whose Save asks for a place.
    void forgetFile();
    // The designer window's caption: the form file's name, or the form name + ".ozf".
    const std::string& caption() const { return caption_; }
    // A closed designer window is hidden, not destroyed: its form stays in memory.
    bool visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }
    // Counts the saves of the form file, so whatever tracks changes learns of every save,
    // whoever made it (Save Form, Save Project).
    int saveCount() const { return saveCount_; }
    void noteSaved() { ++saveCount_; }
    // What the form's file held when last read or written, to tell changes made by others.
    DiskRecord& disk() { return disk_; }
    const DiskRecord& disk() const { return disk_; }
    // A form made from a recovery file has changes no file holds yet.
    bool startsModified() const { return startsModified_; }
    void setStartsModified(bool on) { startsModified_ = on; }
    // Position of the designer window in the main window's client area.
    int windowLeft() const { return windowLeft_; }
    int windowTop() const { return windowTop_; }
    void setWindowPosition(int left, int top);

    TCCForm& surface() { return *surface_; }
    const TCCForm& surface() const { return *surface_; }
    // Children of the designer window itself: the menu bar and the menus.
    const std::vector<std::unique_ptr<Control>>& windowChildren() const { return windowChildren_; }
    Control* menuBar() const;
    void bringWindowChildToFront(Control* child);
    std::vector<Control*> menus() const;

    // Off while a command changes several controls, so that a size change does not re-mark
    // the selection before the command has reached every marked control.
    bool resizeNotifications() const { return resizeNotifications_; }
    void setResizeNotifications(bool on) { resizeNotifications_ = on; }
    // Told whenever a control's size changes, however it changed, while notifications are on.
    void setResizeHandler(std::function<void(Control&)> handler) {
        resizeHandler_ = std::move(handler);
    }
    void notifyResized(Control& control) {
        if (resizeNotifications_ && resizeHandler_) resizeHandler_(control);
    }

    TPTDialog* currentDialog() const { return currentDialog_; }
    void setCurrentDialog(TPTDialog* dialog) { currentDialog_ = dialog; }

    const TextMetrics& metrics() const { return *metrics_; }
    void setMetrics(const TextMetrics* metrics);

    // Names.
    bool isNameTaken(std::string_view name, const Control* except = nullptr) const;
    Status checkName(std::string_view name, const Control* self) const;
    Status rename(Control& control, std::string name);
    // Prefix plus the next counter value that no non-dialog control uses.
    std::string nextDefaultName(std::string_view prefix, int& counter) const;

    // Adds a new control under `parent` (null: the designer window) after checking its name.
    // On failure the control is discarded and nothing changes.
    Control* add(std::unique_ptr<Control> control, Control* parent, std::string name,
                 Status& status);
    template <class T>
    T* add(std::unique_ptr<T> control, Control* parent, std::string name, Status& status) {
        return static_cast<T*>(
            add(std::unique_ptr<Control>(std::move(control)), parent, std::move(name), status));
    }
    void reparent(Control& control, Control* newParent);
    void destroy(Control* control);
    // Every control at once, the menus too: what undo does before rebuilding the form.
    void destroyAll();

    // Parent for a name read from a form file: a dialog on the surface, else the surface.
    Control& parentForName(std::string_view name);
    Control* findByName(std::string_view name) const;
    bool contains(const Control* control) const;
    // Every control of the form, surface children (dialog children right after their
    // dialog) then the window's own children; the surface itself is not visited.
    void forEachControl(const std::function<void(Control&)>& visit) const;
    // The controls a selection or a default name can concern: those on the surface and
    // those inside its dialogs.
    std::vector<Control*> surfaceControls() const;

    std::vector<ComponentEntry>& components() { return components_; }
    const std::vector<ComponentEntry>& components() const { return components_; }

  private:
    std::vector<std::unique_ptr<Control>>& childListOf(Control* parent);
    std::unique_ptr<Control> detach(Control& control);

    std::string name_;
    std::filesystem::path filePath_;
    DiskRecord disk_;
    std::string caption_;
    int windowLeft_ = 0, windowTop_ = 0;
    bool visible_ = true;
    int saveCount_ = 0;
    bool startsModified_ = false;
    const TextMetrics* metrics_;
    std::unique_ptr<TCCForm> surface_;
    std::vector<std::unique_ptr<Control>> windowChildren_;
    TPTDialog* currentDialog_ = nullptr;
    bool resizeNotifications_ = true;
    std::function<void(Control&)> resizeHandler_;
    std::vector<ComponentEntry> components_;
    // The name of every control, so a name check costs the same on any form size.
    std::unordered_set<std::string, NameHash, SameName> names_;
    void forgetName(std::string_view name);
};

} // namespace ornadeck
