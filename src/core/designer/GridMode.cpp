#include "designer/GridMode.h"

#include "model/Form.h"
#include "model/TPTDialog.h"
#include "model/Workspace.h"

namespace ornadeck {

void setGridMode(Workspace& workspace, bool on) {
    workspace.gridMode = on;
    for (const auto& form : workspace.forms) {
        TCCForm& surface = form->surface();
        surface.setGridVisible(on ? 1 : 0);
        if (on) surface.setGridSpace(6);
        for (const auto& c : surface.children()) {
            if (!c->isDialog()) continue;
            auto& dialog = static_cast<TPTDialog&>(*c);
            dialog.setGridVisible(on ? 1 : 0);
            if (on) dialog.setGridSpace(6);
        }
    }
}

} // namespace ornadeck
