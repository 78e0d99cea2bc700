#include "workbench/RecoveryOffer.h"

#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "workbench/ProjectCommands.h"
#include "workbench/RecoveryFiles.h"

namespace ornadeck {

namespace {

std::string listing(const std::vector<RecoveryEntry>& entries) {
    std::string text;
    for (const RecoveryEntry& e : entries)
        text += "\n" + e.formName + "  (" +
                (e.originalPath.empty() ? "never saved" : e.originalPath) + ")  " + e.time;
    return text;
}

} // namespace

std::vector<Form*> offerRecovery(const RecoveryFiles& files, ProjectCommands& projects,
                                 Workspace& workspace, const LibraryKits& kits, Ui& ui) {
    std::vector<RecoveryEntry> entries;
    for (RecoveryEntry& e : files.found())
        if (e.library == workspace.library) entries.push_back(std::move(e));
    if (entries.empty()) return {};
    const Answer recover =
        ui.ask({"Ornadeck did not end normally. These forms had changes "
                "that were not saved:\n" +
                    listing(entries) + "\n\nRecover them?",
                "Recover Forms", MessageIcon::Question, MessageButtons::YesNo, Answer::Yes});
    if (recover != Answer::Yes) {
        const Answer drop =
            ui.ask({"Delete the recovered changes for good? They cannot be "
                    "recovered afterwards.",
                    "Recover Forms", MessageIcon::Warning, MessageButtons::YesNo, Answer::No});
        if (drop == Answer::Yes)
            for (const RecoveryEntry& e : entries)
                RecoveryFiles::discard(e);
        return {};
    }
    std::vector<Form*> recovered;
    const LibraryKit& kit = kits.current();
    for (const RecoveryEntry& e : entries) {
        IniFile ini;
        if (Status s = RecoveryFiles::readForm(e, ini); !s) {
            ui.showError(s.message());
            continue;
        }
        Form& form = projects.createForm(e.formName);
        SectionReadContext context{form, workspace, *kit.engine};
        if (Status s = loadFormIni(ini, *kit.sections, context); !s) ui.showError(s.message());
        if (!e.originalPath.empty()) form.setFilePath(e.originalPath);
        form.setStartsModified(true);
        // Its new run writes a recovery file of its own as soon as it is shown.
        RecoveryFiles::discard(e);
        recovered.push_back(&form);
    }
    return recovered;
}

} // namespace ornadeck
