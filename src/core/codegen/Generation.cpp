#include "codegen/Generation.h"

#include "model/AtomicFile.h"
#include "model/Control.h"
#include "model/Form.h"
#include "model/Names.h"
#include "model/TextEncoding.h"
#include "model/Ui.h"

#include <algorithm>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

std::string directive(std::string_view name, std::string_view value) {
    return std::string(name) + " \"" + std::string(value) + "\";";
}

const Form& firstFormOf(const FormList& forms, const std::string& name) {
    for (const Form* f : forms)
        if (f->name() == name) return *f;
    return *forms.front();
}

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

std::string charsetWarning(const std::string& where) {
    return where + ": a character without a Windows-1252 code is written as \"?\"";
}

bool allLinesFit(const GeneratedTexts& t) {
    auto fit = [](const Lines& lines) {
        return std::all_of(lines.begin(), lines.end(),
                           [](const std::string& line) { return fitsWindows1252(line); });
    };
    return fit(t.main) && fit(t.forms) && fit(t.events) && fit(t.header);
}

// Only a character that is written can be wrong, so finding the controls to blame, which
// generates each one's texts again, waits until the written texts show that one is.
std::vector<std::string> charsetWarningsOf(const LibraryGenerator& generator, const FormList& forms,
                                           const GeneratedTexts& t) {
    std::vector<std::string> warnings;
    if (allLinesFit(t)) return warnings;
    for (const Form* form : forms) {
        const std::string where = "Form " + form->name();
        if (!fitsWindows1252(form->surface().title())) warnings.push_back(charsetWarning(where));
        form->forEachControl([&](Control& control) {
            Lines own;
            generator.generateControlTexts(own, control);
            if (std::any_of(own.begin(), own.end(),
                            [](const std::string& line) { return !fitsWindows1252(line); }))
                warnings.push_back(charsetWarning(where + ", control " + control.name()));
        });
    }
    return warnings;
}

} // namespace

GeneratedTexts generateTexts(const LibraryGenerator& generator, const GenerationSettings& settings,
                             const FormList& forms, const std::string& project) {
    GeneratedTexts t;
    if (forms.empty()) {
        t.status = Status::fail("The project has no form: there is no code to generate.");
        return t;
    }
    if (settings.memos) {
        t.main.push_back("//Main " + project + ".pc");
    } else {
        t.main.push_back(directive("@cid", settings.creatorId));
        t.main.push_back(directive("@name", settings.appName));
        t.main.push_back(directive("@dbname", settings.appDb));
        t.main.push_back(directive("@ver", settings.version));
        for (std::size_t i = 0; i < kIconSlots.size(); ++i)
            if (!settings.icons[i].empty())
                t.main.push_back(directive(kIconSlots[i].directive, kIconSlots[i].fileName));
    }
    generator.generateMain(t.main, forms, firstFormOf(forms, settings.firstForm), project);
    generator.generateForms(t.forms, settings.memos, forms, project);
    generator.generateEvents(t.events, settings.memos, forms, project);
    generator.generateHeader(t.header, settings.memos, forms, project);
    t.charsetWarnings = charsetWarningsOf(generator, forms, t);
    return t;
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

std::array<std::string, 4> generatedFileNames(const std::string& project) {
    return {project + ".pc", project + "Forms.pc", project + "Events.pc", project + ".h"};
}

std::string joinCrLf(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

SaveReport saveGeneratedTexts(const GeneratedTexts& texts, const GenerationSettings& settings,
                              const fs::path& directory, const std::string& project,
                              Library library, ReplacePolicy policy, Ui& ui,
                              const IconFileWriter& writeIcon) {
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
    const Lines* panes[] = {&texts.main, &texts.forms, &texts.events, &texts.header};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const fs::path path = directory / names[i];
        std::error_code ec;
        if (policy == ReplacePolicy::Ask && fs::exists(path, ec)) {
            const Answer a =
                ui.ask({path.string() + " already exists. Do you want to replace it?", "Warning",
                        MessageIcon::Warning, MessageButtons::YesNoCancel, Answer::No});
            if (a == Answer::Cancel) {
                report.cancelled = true;
                return finish();
            }
            if (a == Answer::No) continue;
        }
        std::size_t missing = 0;
        std::string text = joinCrLf(*panes[i]);
        // Code is nearly always ASCII, which needs no converted copy.
        if (!isAscii(text)) text = utf8ToWindows1252(text, &missing);
        report.status = writeFileAtomically(path, text);
        if (!report.status) return finish();
        report.written.push_back(path);
        if (missing > 0) unexplained.push_back(charsetWarning(path.string()));
    }
    // Icons belong to the desktop compiler's build; memos never name them.
    for (std::size_t i = 0; i < kIconSlots.size() && !settings.memos; ++i) {
        if (settings.icons[i].empty()) continue;
        const fs::path path = directory / kIconSlots[i].fileName;
        if (Status s = writeIcon(settings.icons[i], path); !s) {
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
