#pragma once

#include "check/Checks.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <vector>

namespace ornadeck::fuzz {

// Reads a form file's contents twice, as two forms of one project of `library`, and runs
// every check over them (or only those that find errors), so the checks across forms run too.
inline std::vector<Finding> checkAsTwoForms(const IniFile& ini, Library library,
                                            bool errorsOnly = false) {
    Workspace workspace;
    workspace.library = library;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form first("First"), second("Second");
    for (Form* form : {&first, &second}) {
        SectionReadContext ctx{*form, workspace, *kits.current().engine};
        (void)loadFormIni(ini, *kits.current().sections, ctx);
    }
    CheckSubject subject;
    subject.library = library;
    subject.forms = {&first, &second};
    return errorsOnly ? runErrorChecks(subject) : runChecks(subject, TextGauge());
}

} // namespace ornadeck::fuzz
