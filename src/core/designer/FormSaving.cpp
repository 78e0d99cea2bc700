#include "designer/FormSaving.h"

#include "formfile/FormFile.h"
#include "model/ChangedFileGuard.h"
#include "model/Form.h"
#include "model/Ui.h"

#include <system_error>

namespace ornadeck {

SaveResult saveForm(Form& form, bool saveAs, Ui& ui, const FormSections& sections) {
    std::filesystem::path path = form.filePath();
    if (saveAs || path.empty()) {
        const std::filesystem::path proposed =
            path.empty() ? std::filesystem::path(form.caption()) : path;
        auto chosen = ui.chooseSaveFile("Save Form", "Ornadeck form (*.ozf)|*.ozf", proposed);
        if (!chosen) return SaveResult::Cancelled;
        path = *chosen;
        if (!path.has_extension()) path += ".ozf";
    }
    std::error_code ec;
    // The form's own file, changed by someone else, gets the sharper question instead.
    const bool ownFile = path == form.filePath();
    if (ownFile && changedBehindOurBack(path, form.disk())) {
        if (!askOverwriteChanged(path, ui)) return SaveResult::Cancelled;
    } else if (std::filesystem::exists(path, ec)) {
        const Message question{path.string() + " already exists. Do you want to replace it?",
                               "Save form", MessageIcon::Exclamation, MessageButtons::YesNo,
                               Answer::No};
        if (ui.ask(question) != Answer::Yes) return SaveResult::Cancelled;
    }
    FileStamp written;
    if (Status status = saveFormFile(form, path, sections, &written); !status) {
        ui.showError(status.message());
        return SaveResult::Failed;
    }
    form.setFilePath(path);
    form.disk().note(written);
    form.noteSaved();
    return SaveResult::Saved;
}

} // namespace ornadeck
