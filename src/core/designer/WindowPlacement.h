#pragma once

namespace ornadeck {

class Form;
struct Workspace;

// Sizes of the main window's parts that decide where designer windows appear.
struct MainWindowMetrics {
    int inspectorWidth = 0;
    int toolbarDockHeight = 0;
};

// A new form's window goes right of the inspector when the inspector is shown.
void placeNewDesignerWindow(Form& form, const Workspace& workspace, const MainWindowMetrics& m);

// Showing a designer window shows the inspector too, and a window still at the top of the
// client area moves below the toolbars (and right of the inspector if also at the left).
void showDesignerWindow(Form& form, Workspace& workspace, const MainWindowMetrics& m);

// A designer window came on screen wherever it stands (opened, or shown again after Close
// Form): the inspector is shown with it, so the user is never left without one.
void designerWindowShown(Workspace& workspace);

} // namespace ornadeck
