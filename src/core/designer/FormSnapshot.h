#pragma once

#include "model/Library.h"
#include "model/Status.h"

#include <string>
#include <vector>

namespace ornadeck {

class Form;
class FormSections;
struct SectionReadContext;
struct Workspace;

// The designer state of one control that its form-file section does not keep.
struct ControlState {
    std::string name;
    bool visible = true;
    bool selected = false;
    Color selectColor = kBlue;
    int tag = 0;
    int menuTest = 0; // the open state of a menu or the menu bar
};

// A form's whole state: its form file as text, plus what only the designer holds (marks,
// visibility, the tested dialog, the selected control). Undo, redo and recovery carry it.
struct FormSnapshot {
    std::string name;
    std::string formText;
    std::vector<ControlState> controls;
    std::string testedDialog;
    // The selected object when it was on this form: a control's name, empty for the form.
    bool selectedHere = false;
    std::string selectedControl;

    // Whether two snapshots hold the same form; marks and selection alone do not count.
    bool sameContent(const FormSnapshot& other) const;
};

FormSnapshot captureForm(const Form& form, const Workspace& workspace,
                         const FormSections& sections);

// Replaces the form's controls with the snapshot's. The window keeps its place, and the
// name counter never goes back, so default names stay unique across undo. A snapshot not
// made here (a file read again) may fail to read whole: the error is returned.
Status restoreForm(const FormSnapshot& snapshot, const FormSections& sections,
                   SectionReadContext& context);

} // namespace ornadeck
