#pragma once

namespace ornadeck {

class FormEditor;
class Form;
struct Finding;
struct Workspace;

// The open form a finding is about; null when it concerns the project or the form is gone.
Form* formOfFinding(const Workspace& workspace, const Finding& finding);

// Brings the finding's designer window forward and selects its control, or the form itself
// when the finding is about the form or the control is no longer there.
void showFinding(FormEditor& designer, const Finding& finding);

} // namespace ornadeck
