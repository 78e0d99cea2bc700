#pragma once

#include "designer/FormSaving.h"
#include "designer/FormUndo.h"
#include "designer/GrabHandles.h"
#include "designer/MouseInput.h"
#include "designer/RubberBand.h"
#include "model/Status.h"
#include "model/Workspace.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;
class Engine;
class Form;
class LibraryKits;
class Ui;

// The keys a designer window acts on; Shift and Ctrl come with them as a ShiftState.
enum class DesignerKey { Left, Right, Up, Down, Escape, Tab, Delete };

// The editing state of one form: what its designer window does, without the window. Pointer
// input on its screen surface, selection and marks, delete and restacking, undo, saving,
// loading and closing its form. The view forwards pointer events in surface pixels and
// draws what the form holds.
class FormEditor {
  public:
    // The editor must not outlive its form.
    FormEditor(Workspace& workspace, Ui& ui, const LibraryKits& kits, Form& form);
    ~FormEditor();
    FormEditor(const FormEditor&) = delete;
    FormEditor& operator=(const FormEditor&) = delete;

    Form& form() const { return form_; }
    Engine& engine() const;
    // The object last clicked here, shown again when the window is activated; empty for none.
    const Selection& remembered() const { return remembered_; }

    // Pointer input, in surface pixels. Presses and releases carry the buttons held.
    void mousePress(Point onSurface, MouseButton button, ShiftState shift);
    void mouseMove(Point onSurface, ShiftState shift);
    void mouseRelease(Point onSurface, MouseButton button, ShiftState shift);
    PointerShape pointer() const { return pointer_; }
    // The rubber band being dragged over the bare surface, for the view to draw.
    std::optional<BandRect> rubberBand() const;
    // The alignment guides of the control being dragged, in surface pixels, for the view to
    // draw; none when nothing is dragged.
    std::vector<Guide> guides() const;
    // Ends whatever a press captured as its release would, at the pointer's last place. For
    // when the release will never come: the view lost the mouse grab or the focus.
    void releaseCapture();
    // Whether the last release ended a right click on a control that has the popup menu (a
    // control of the surface or of the tested dialog, never a menu, the bar or the bare
    // screen); asking clears it, so one click opens one popup.
    bool takePopupRequest();

    // The window's own handlers, also reachable directly.
    void activate();
    void showFormProperties();
    void markSelection(bool add);
    void onControlResized(Control& control);
    void surfaceMouseDown();
    // A release on the surface, or inside the tested dialog (`clicked` is then the dialog),
    // at (x, y) of `clicked`: places the chosen tool's control there.
    void surfaceMouseUp(Control& clicked, MouseButton button, int x, int y);
    void controlMouseDown(Control& sender, ShiftState shift);
    void controlMouseUp(Control& sender, ShiftState shift, bool inDialog);

    // Edit > Insert Control: places a control of the tool's kind as a click with its button
    // down would, at the first free point of a 4-pixel grid from the top left (below the
    // title), inside the tested dialog when one is shown and the kind may go there; on a full
    // screen at the first point. The chosen tool stays as it was.
    void insertControl(const std::string& tool);
    // A tool dropped at a point of the surface places its control there as a click with the
    // tool down would (snapped to the grid; inside the tested dialog when dropped on it and
    // the kind may go there). A drop outside the screen places nothing; the chosen tool stays.
    bool dropControl(const std::string& tool, Point onSurface);
    // Whether a drop at the point would place anything.
    bool acceptsDrop(Point onSurface) const;

    // Popup menu and keyboard commands on the selected control.
    void deleteSelected();
    void bringToFront();
    void sendToBack();
    // Destroys a control of this form (a dialog with its children) and shows the form.
    void removeControl(Control& control);

    // The Objects tree's commands. Choosing makes `current` the selected object (the form for
    // none) and marks exactly `marked`, in order.
    void chooseControls(Control* current, const std::vector<Control*>& marked);
    // The inspector's Name row on a control (the form for none): the same rules and
    // messages, one undo step.
    Status rename(Control* control, std::string_view name);
    // Deletes every control of the list still on this form as one undo step.
    void deleteControls(const std::vector<Control*>& controls);
    // Puts a control at `index` of its parent's stacking order as one undo step; false when
    // nothing moved. Menus and the menu bar keep their order.
    bool moveInStack(Control& control, int index);

    // Arrows move the marked controls (Shift: size them; Ctrl: by one pixel even in grid
    // mode), Escape raises the tool, Tab and Shift+Tab select the next and previous control.
    // Returns whether the key did anything here.
    bool keyPress(DesignerKey key, ShiftState shift);

    // Undo and redo. Every user command that changes the form runs through edit(), which
    // keeps the form's state before it as one step named `label` ("Align Left") when it
    // changed something. Commands with the same non-empty mergeKey in a row make one step.
    //
    // The inspector sets a property through setProperty() below; other callers that change
    // the form (layout commands, the items and bitmap editors) wrap their call in edit().
    void edit(const std::string& label, const std::function<void()>& command,
              const std::string& mergeKey = {});
    // Engine::setProperty on the selected object as one step; typing on in the same cell
    // of the same object joins that step.
    Status setProperty(std::string_view name, std::string_view text);
    // The items editor on the selected control, as one step when the user pressed OK.
    bool editItems();
    bool undo();
    bool redo();
    const FormHistory& history() const { return undo_.history(); }
    FormUndo& undoStack() { return undo_; }
    // Whether the form has changes its file does not hold.
    bool modified() { return undo_.modified(); }

    SaveResult save(bool saveAs);
    Status load(const std::filesystem::path& path);
    // Reads the form's file again, changed by someone else, as one undo step, so undo brings
    // back what was shown. A file that cannot be read, or not whole, changes nothing.
    Status reloadFromDisk();
    // Asks whether to save first; false, with the window left open, when the user cancels or
    // the save does not happen. Otherwise the form is hidden but kept, with whatever was not
    // saved.
    bool close();

    GrabHandles& handles() { return handles_; }
    GrabHandles& dialogHandles() { return dialogHandles_; }

  private:
    enum class Capture { None, Outside, Surface, Snap, SnapDialog, Menu };

    Control* selectedHere() const;
    void syncGridSize();
    GrabHandles* capturedHandles();
    Point inCapturedFrame(Point onSurface) const;
    void endCapture();
    void closeDragStep();
    void finishBand(ShiftState shift);
    void afterRestore();
    void nudge(DesignerKey key, ShiftState shift);
    void selectNeighbour(bool backwards);
    // Places a control of the tool at `at` of `parent` as a click would; the chosen tool
    // stays as it was.
    void placeWithTool(const std::string& tool, Control& parent, Point at);

    Workspace& workspace_;
    Ui& ui_;
    const LibraryKits& kits_;
    Form& form_;
    FormUndo undo_;
    Selection remembered_;
    GrabHandles handles_;
    GrabHandles dialogHandles_;
    Capture capture_ = Capture::None;
    Control* captured_ = nullptr;
    bool popupRequested_ = false;
    MouseButton capturedButton_ = MouseButton::Left;
    Point lastPoint_;
    PointerShape pointer_ = PointerShape::Arrow;
    // The step a drag of a control makes, open from the press to the release.
    std::optional<std::string> dragStep_;
    // A press on the bare surface without a tool: where it started, and the selected
    // control at that moment (the press itself selects the form).
    std::optional<Point> bandStart_;
    Control* bandPrevious_ = nullptr;
};

} // namespace ornadeck
