#pragma once

#include "designer/FormSaving.h"
#include "designer/GrabHandles.h"
#include "designer/MouseInput.h"
#include "model/Status.h"
#include "model/Workspace.h"

#include <filesystem>

namespace ornadeck {

class Control;
class Engine;
class Form;
class LibraryKits;
class Ui;

// What one designer window does, without the window: pointer input on its screen surface,
// selection and marks, delete and restacking, saving, loading and closing its form.
// The view forwards pointer events in surface pixels and draws what the form holds.
class DesignerWindow {
  public:
    // The window must not outlive its form.
    DesignerWindow(Workspace& workspace, Ui& ui, const LibraryKits& kits, Form& form);
    ~DesignerWindow();
    DesignerWindow(const DesignerWindow&) = delete;
    DesignerWindow& operator=(const DesignerWindow&) = delete;

    Form& form() const { return form_; }
    Engine& engine() const;
    // The object last clicked here, shown again when the window is activated; empty for none.
    const Selection& remembered() const { return remembered_; }

    // Pointer input, in surface pixels. Presses and releases carry the buttons held.
    void mousePress(Point onSurface, MouseButton button, ShiftState shift);
    void mouseMove(Point onSurface, ShiftState shift);
    void mouseRelease(Point onSurface, MouseButton button, ShiftState shift);
    PointerShape pointer() const { return pointer_; }
    // Ends whatever a press captured as its release would, at the pointer's last place. For
    // when the release will never come: the view lost the mouse grab or the focus.
    void releaseCapture();

    // The window's own handlers, also reachable directly.
    void activate();
    void presentarPropiedadesForm();
    void mostrarSeleccionado(bool add);
    void controlaResize(Control& control);
    void surfaceMouseDown();
    // A release on the surface, or inside the tested dialog (`clicked` is then the dialog),
    // at (x, y) of `clicked`: places the chosen tool's control there.
    void surfaceMouseUp(Control& clicked, MouseButton button, int x, int y);
    void controlMouseDown(Control& sender, ShiftState shift);
    void controlMouseUp(Control& sender, ShiftState shift, bool inDialog);

    // Popup menu and keyboard commands on the selected control.
    void deleteSelected();
    void bringToFront();
    void sendToBack();
    // Destroys a control of this form (a dialog with its children) and shows the form.
    void removeControl(Control& control);

    SaveResult save(bool saveAs);
    Status load(const std::filesystem::path& path);
    // Asks whether to save first; false, with the window left open, when the user cancels or
    // the save does not happen. Otherwise the form is hidden but kept, with whatever was not
    // saved.
    bool close();

    GrabHandles& snap() { return snap_; }
    GrabHandles& snapDialog() { return snapDialog_; }

  private:
    enum class Capture { None, Outside, Surface, Snap, SnapDialog, Menu };

    Control* selectedHere() const;
    void syncGridSize();
    GrabHandles* capturedHandles();
    Point inCapturedFrame(Point onSurface) const;
    void endCapture();

    Workspace& workspace_;
    Ui& ui_;
    const LibraryKits& kits_;
    Form& form_;
    Selection remembered_;
    GrabHandles snap_;
    GrabHandles snapDialog_;
    Capture capture_ = Capture::None;
    Control* captured_ = nullptr;
    MouseButton capturedButton_ = MouseButton::Left;
    Point lastPoint_;
    PointerShape pointer_ = PointerShape::Arrow;
};

} // namespace ornadeck
