#include "designer/WindowPlacement.h"

#include "model/Form.h"
#include "model/Workspace.h"

namespace ornadeck {

void placeNewDesignerWindow(Form& form, const Workspace& workspace, const MainWindowMetrics& m) {
    if (workspace.inspector.shown)
        form.setWindowPosition(workspace.inspector.left + m.inspectorWidth + 2, form.windowTop());
}

void designerWindowShown(Workspace& workspace) { workspace.inspector.shown = true; }

void showDesignerWindow(Form& form, Workspace& workspace, const MainWindowMetrics& m) {
    designerWindowShown(workspace);
    form.setVisible(true);
    int left = form.windowLeft(), top = form.windowTop();
    if (top == 0 && left == 0) left = m.inspectorWidth + 4;
    if (top == 0) top = m.toolbarDockHeight + 4;
    form.setWindowPosition(left, top);
}

} // namespace ornadeck
