#include "codegen/Generation.h"
#include "codegen/GenerationRecords.h"
#include "codegen/OutputPlan.h"
#include "model/Names.h"
#include "model/TextEncoding.h"
#include "model/Ui.h"
#include "platform/Platform.h"

#include <algorithm>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

// The file of `directory` whose name is `name` in any case, the exact spelling first; empty
// when there is none.
std::string spellingInFolder(const fs::path& directory, std::string_view name) {
    std::error_code ec;
    std::string found;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        std::string file = entry.path().filename().string();
        if (file == name) return file;
        if (found.empty() && sameName(file, name)) found = std::move(file);
    }
    return found;
}

const Lines& linesOf(const GeneratedTexts& texts, std::size_t file) {
    const Lines* files[] = {&texts.main, &texts.forms, &texts.events, &texts.header};
    return *files[file];
}

// The window asks only where an old file is put aside; the merge itself asks nothing.
Answer askToReplace(const fs::path& path, const OutputPlan& plan, ReplacePolicy policy, Ui& ui) {
    if (policy != ReplacePolicy::Ask || plan.action != OutputAction::Backup) return Answer::Yes;
    return ui.ask({path.string() +
                       " already exists. Do you want to replace it?\nThe old file is "
                       "kept as " +
                       plan.backup.filename().string() + ".",
                   "Warning", MessageIcon::Warning, MessageButtons::YesNoCancel, Answer::No});
}

std::string lineList(const std::vector<std::size_t>& lines) {
    std::string out = lines.size() == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? ", " : "") + std::to_string(lines[i]);
    return out;
}

} // namespace

// Code is nearly always ASCII, which needs no converted copy.
std::string generatedFileBytes(const Lines& lines, std::size_t* missing) {
    std::string text = joinCrLf(lines);
    return isAscii(text) ? text : utf8ToWindows1252(text, missing);
}

bool SaveReport::needsAttention() const {
    return !unresolved.empty() ||
           std::any_of(outcomes.begin(), outcomes.end(),
                       [](const FileOutcome& o) { return !o.clashLines.empty(); });
}

std::vector<std::string> SaveReport::notes() const {
    std::vector<std::string> out;
    for (const FileOutcome& o : outcomes) {
        const std::string file = o.path.string();
        if (o.action == OutputAction::Backup)
            out.push_back(file +
                          " was not written by the last generation: the old file is kept "
                          "as " +
                          o.backup.string() + ".");
        for (const KeptLines& k : o.kept)
            out.push_back(file + ": " + std::to_string(k.count) +
                          (k.count == 1 ? " line" : " lines") + " you wrote in " +
                          (k.block.empty() ? std::string("a removed block") : k.block) +
                          ", which the design no longer has, " + (k.count == 1 ? "is" : "are") +
                          " kept at the end of the file.");
        if (!o.clashLines.empty())
            out.push_back(file + ": your changes and the new code clash at " +
                          lineList(o.clashLines) +
                          "; choose between the versions there and remove the markers.");
    }
    return out;
}

std::string_view librarySourceName(Library library) {
    return library == Library::CControls ? "Ccontrols.c" : "Fctl.h";
}

bool librarySourcePresent(const fs::path& directory, Library library) {
    return !spellingInFolder(directory, librarySourceName(library)).empty();
}

std::string librarySourceCaseWarning(const fs::path& directory, Library library) {
    const std::string_view included = librarySourceName(library);
    const std::string found = spellingInFolder(directory, included);
    if (found.empty() || found == included) return {};
    return "The code includes \"" + std::string(included) + "\" but the folder holds " + found +
           ": a system that tells capitals apart will not find it. Rename it " +
           std::string(included) + ".";
}

SaveReport saveGeneratedTexts(const GeneratedTexts& texts, const GenerationSettings& settings,
                              const fs::path& directory, const std::string& project,
                              Library library, ReplacePolicy policy, Ui& ui,
                              const IconFileWriter& writeIcon, const EditedTexts* edited) {
    SaveReport report;
    if (!texts.status) {
        report.status = texts.status;
        return report;
    }
    // Told once all is written, or as far as it went: files already written hold the "?".
    std::vector<std::string> unexplained;
    auto finish = [&]() -> SaveReport {
        if (!unexplained.empty())
            report.charsetWarnings =
                texts.charsetWarnings.empty() ? unexplained : texts.charsetWarnings;
        for (const std::string& w : report.charsetWarnings)
            ui.showWarning(w);
        return report;
    };
    const auto names = generatedFileNames(project);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const fs::path path = directory / platform::pathFromUtf8(names[i]);
        std::size_t missing = 0;
        const std::optional<Lines>* shown = edited ? &(*edited)[i] : nullptr;
        const bool ownText = !shown || !*shown;
        const std::string own = generatedFileBytes(linesOf(texts, i), ownText ? &missing : nullptr);
        OutputPlan plan;
        if (policy == ReplacePolicy::Overwrite)
            plan.text = own;
        else
            plan = planOutput(path, own);
        if (plan.action == OutputAction::Unresolved) {
            report.unresolved.push_back(plan.problem);
            continue;
        }
        const Answer a = askToReplace(path, plan, policy, ui);
        if (a == Answer::Cancel) {
            report.cancelled = true;
            return finish();
        }
        if (a == Answer::No) continue;
        const std::string text =
            ownText ? std::move(plan.text) : generatedFileBytes(**shown, &missing);
        std::string recordProblem;
        report.status = carryOut(path, plan, text, own, recordProblem);
        if (!report.status) return finish();
        if (!recordProblem.empty()) report.recordProblems.push_back(recordProblem);
        report.written.push_back(path);
        report.outcomes.push_back(
            {path, plan.action, plan.backup, std::move(plan.clashLines), std::move(plan.kept)});
        if (missing > 0) unexplained.push_back(charsetWarning(path.string()));
    }
    if (Status s = writeFormOrder(directory, project, texts.formOrder); !s)
        report.recordProblems.push_back(s.message());
    // Icons belong to the desktop compiler's build; memos never name them.
    for (std::size_t i = 0; i < kIconSlots.size() && !settings.memos; ++i) {
        if (settings.icons[i].empty()) continue;
        const fs::path path = directory / kIconSlots[i].fileName;
        if (Status s = writeIcon(platform::pathFromUtf8(settings.icons[i]), path); !s) {
            report.iconErrors.push_back("Icon " + std::string(kIconSlots[i].key) + ": " +
                                        s.message() + "; " + kIconSlots[i].fileName +
                                        " was not written.");
            continue;
        }
        report.written.push_back(path);
    }
    if (!settings.memos) {
        const bool cc = library == Library::CControls;
        if (!librarySourcePresent(directory, library)) {
            report.libraryWarning =
                cc ? "CControls library not found at project source path. You must copy it "
                     "before compile."
                   : "PToolboxLib header file Fctl.h not found at project source path. You must "
                     "copy it before compile.";
            ui.showWarning(report.libraryWarning);
        }
        report.libraryCaseWarning = librarySourceCaseWarning(directory, library);
        if (!report.libraryCaseWarning.empty()) ui.showWarning(report.libraryCaseWarning);
    }
    return finish();
}

} // namespace ornadeck
