#include "engine/TestedDialog.h"

#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck {

void putAwayTestedDialog(Form& form) {
    if (TPTDialog* shown = form.currentDialog()) {
        shown->setTag(0);
        shown->setVisible(false);
        form.setCurrentDialog(nullptr);
    }
}

void testPlacedDialog(Form& form, TPTDialog& dialog) {
    form.surface().bringChildToFront(&dialog);
    dialog.setGridSpace(form.surface().gridSpace());
    dialog.setGridVisible(form.surface().gridVisible());
    dialog.setTag(1);
    dialog.setVisible(true);
    form.setCurrentDialog(&dialog);
}

} // namespace ornadeck
