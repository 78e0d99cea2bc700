#include "check/FindingNavigation.h"

#include "check/Finding.h"
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "model/Workspace.h"

namespace ornadeck {

Form* formOfFinding(const Workspace& workspace, const Finding& finding) {
    if (!finding.source) return nullptr;
    for (const auto& form : workspace.forms)
        if (form.get() == finding.source) return form.get();
    return nullptr;
}

void showFinding(FormEditor& designer, const Finding& finding) {
    Form& form = designer.form();
    designer.activate();
    Control* control = finding.control.empty() ? nullptr : form.findByName(finding.control);
    if (!control) {
        designer.showFormProperties();
        return;
    }
    designer.engine().showProperties(form, control);
    designer.markSelection(false);
}

} // namespace ornadeck
