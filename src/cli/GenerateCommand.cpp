#include "cli/GenerateCommand.h"

#include "check/Checks.h"
#include "codegen/Generation.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "shell/HeadlessProject.h"
#include "shell/LibraryKit.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

namespace ornadeck::cli {

namespace {

namespace fs = std::filesystem;

struct Options {
    fs::path project;
    std::optional<fs::path> out;
    std::optional<bool> memos;
    std::optional<std::string> first;
};

// Parses the arguments; an error message when they are wrong.
std::optional<std::string> parse(const std::vector<std::string_view>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return std::string(args[++i]);
        };
        if (a == "--out" || a == "--first") {
            auto v = value();
            if (!v) return std::string(a) + " needs a value";
            if (a == "--out")
                o.out = *v;
            else
                o.first = *v;
        } else if (a == "--memos" || a == "--pde") {
            if (o.memos && *o.memos != (a == "--memos")) return "choose one of --memos and --pde";
            o.memos = a == "--memos";
        } else if (!a.empty() && a.front() == '-') {
            return "unknown option " + std::string(a);
        } else if (o.project.empty()) {
            o.project = std::string(a);
        } else {
            return "more than one project given";
        }
    }
    if (o.project.empty()) return "no project given";
    return std::nullopt;
}

// What will not compile or will misbehave is told before the code is written, as a warning:
// the code is written all the same. Forms left out were told about while loading.
void warnOfErrors(const HeadlessProject& project, std::ostream& err) {
    CheckSubject subject = subjectOf(project);
    subject.listed.clear();
    for (const Finding& f : runChecks(subject, TextGauge()))
        if (f.severity == Severity::Error)
            err << "ornadeck-cli: warning: " << findingLine(f) << "\n";
}

} // namespace

int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (auto problem = parse(args, options)) {
        err << "ornadeck-cli generate: " << *problem << "\n"
            << "usage: ornadeck-cli generate PROJECT.ozp [--out DIR] [--memos | --pde] "
               "[--first FORM]\n";
        return 2;
    }
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    HeadlessProject project;
    const Status loaded = loadHeadlessProject(options.project, workspace, kits, project);
    for (const auto& w : project.warnings)
        err << "ornadeck-cli: warning: " << w << "\n";
    if (!loaded) {
        err << "ornadeck-cli: " << loaded.message() << "\n";
        return 1;
    }

    warnOfErrors(project, err);

    const fs::path projectFolder = fs::absolute(options.project).parent_path();
    GenerationSettings settings = GenerationSettings::read(project.ini, "");
    if (options.memos) settings.memos = *options.memos;
    if (options.first) settings.firstForm = *options.first;
    const fs::path outDir = options.out ? *options.out : settings.outputFolder(projectFolder);

    FormList forms;
    for (const auto& f : project.forms)
        forms.push_back(f.get());
    if (options.first && std::none_of(forms.begin(), forms.end(),
                                      [&](const Form* f) { return f->name() == *options.first; })) {
        err << "ornadeck-cli: the project has no form named " << *options.first << "\n";
        return 1;
    }
    const auto generator = makeGenerator(project.library);
    const GeneratedTexts texts = generateTexts(*generator, settings, forms, project.name);

    std::error_code ec;
    fs::create_directories(outDir, ec);
    if (ec) {
        err << "ornadeck-cli: cannot create " << outDir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    const SaveReport report = saveGeneratedTexts(texts, settings, outDir, project.name,
                                                 project.library, ReplacePolicy::Overwrite, ui);
    for (const auto& p : report.written)
        out << p.string() << "\n";
    if (!report.status) {
        err << "ornadeck-cli: " << report.status.message() << "\n";
        return 1;
    }
    if (!report.libraryWarning.empty())
        err << "ornadeck-cli: warning: " << report.libraryWarning << "\n";
    return 0;
}

} // namespace ornadeck::cli
