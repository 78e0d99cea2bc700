#pragma once

namespace ornadeck {

class Form;
class FormSections;
class Ui;

enum class SaveResult { Saved, Cancelled, Failed };

// The designer window's Save: asks for a file when there is none (or for Save As), asks
// before replacing an existing file on every save, then writes the form file. A failed
// write is reported through the Ui and leaves the old file as it was.
SaveResult saveForm(Form& form, bool saveAs, Ui& ui, const FormSections& sections);

} // namespace ornadeck
