#include "codegen/Generation.h"

#include "model/Control.h"
#include "model/Form.h"
#include "model/TextEncoding.h"

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

std::string charsetWarning(const std::string& where) {
    return where + ": a character without a Windows-1252 code is written as \"?\"";
}

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
    for (const Form* form : forms)
        t.formOrder.push_back(form->name());
    return t;
}

FormList inRecordedOrder(const FormList& forms, const std::vector<std::string>& recorded) {
    FormList ordered;
    ordered.reserve(forms.size());
    for (const std::string& name : recorded)
        for (const Form* form : forms)
            if (form->name() == name &&
                std::find(ordered.begin(), ordered.end(), form) == ordered.end()) {
                ordered.push_back(form);
                break;
            }
    for (const Form* form : forms)
        if (std::find(ordered.begin(), ordered.end(), form) == ordered.end())
            ordered.push_back(form);
    return ordered;
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

} // namespace ornadeck
