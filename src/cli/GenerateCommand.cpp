#include "cli/GenerateCommand.h"

#include "check/Checks.h"
#include "codegen/Generation.h"
#include "codegen/GenerationRecords.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "workbench/HeadlessProject.h"
#include "workbench/IconFiles.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace ornadeck::cli {

namespace {

namespace fs = std::filesystem;

// Paths as typed, UTF-8 (the program's code page on Windows too).
struct Options {
    std::string project;
    std::optional<std::string> out;
    bool memos = false;
    bool pde = false;
    bool replace = false;
    std::optional<std::string> first;
};

// What will not compile or will misbehave is told before the code is written, as a warning:
// the code is written all the same. Forms left out were told about while loading. Both only
// read the forms, so the checks run beside the generator.
std::future<std::vector<Finding>> checkForErrors(const HeadlessProject& project) {
    CheckSubject subject = subjectOf(project);
    subject.listed.clear();
    const auto check = [subject = std::move(subject)] { return runErrorChecks(subject); };
    try {
        return std::async(std::launch::async, check);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, check); // no thread to spare: check now
    }
}

int generate(const Options& options, const IconReading& icons, std::ostream& out,
             std::ostream& err) {
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    HeadlessProject project;
    const fs::path projectPath = platform::pathFromUtf8(options.project);
    const Status loaded = loadHeadlessProject(projectPath, workspace, kits, project);
    for (const auto& w : project.warnings)
        err << "ornadeck-cli: warning: " << w << "\n";
    if (!loaded) {
        err << "ornadeck-cli: " << loaded.message() << "\n";
        return 1;
    }

    std::future<std::vector<Finding>> errors = checkForErrors(project);
    auto tellErrors = [&] {
        // Each line has one label, the finding's own ("error").
        for (const Finding& f : errors.get())
            err << "ornadeck-cli: " << findingLine(f) << "\n";
    };

    const fs::path projectFolder = fs::absolute(projectPath).parent_path();
    GenerationSettings settings = GenerationSettings::read(project.ini, "", projectFolder);
    if (options.memos || options.pde) settings.memos = options.memos;
    if (options.first) settings.firstForm = *options.first;
    const fs::path outDir =
        options.out ? platform::pathFromUtf8(*options.out) : settings.outputFolder(projectFolder);

    FormList forms;
    for (const auto& f : project.forms)
        forms.push_back(f.get());
    if (options.first && std::none_of(forms.begin(), forms.end(),
                                      [&](const Form* f) { return f->name() == *options.first; })) {
        tellErrors();
        err << "ornadeck-cli: the project has no form named " << *options.first << "\n";
        return 1;
    }
    const auto generator = makeGenerator(project.library);
    const GeneratedTexts texts =
        generateTexts(*generator, settings,
                      inRecordedOrder(forms, readFormOrder(outDir, project.name)), project.name);
    tellErrors();
    if (!texts.status) {
        err << "ornadeck-cli: " << texts.status.message() << "\n";
        return 1;
    }

    std::error_code ec;
    fs::create_directories(outDir, ec);
    if (ec) {
        err << "ornadeck-cli: cannot create " << outDir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    const SaveReport report =
        saveGeneratedTexts(texts, settings, outDir, project.name, project.library,
                           options.replace ? ReplacePolicy::Overwrite : ReplacePolicy::Merge, ui,
                           bitmapIconWriter(icons.read, icons.formats));
    for (const auto& p : report.written)
        out << platform::utf8Of(p) << "\n";
    for (const auto& w : report.charsetWarnings)
        err << "ornadeck-cli: warning: " << w << "\n";
    for (const auto& e : report.iconErrors)
        err << "ornadeck-cli: " << e << "\n";
    for (const auto& u : report.unresolved)
        err << "ornadeck-cli: " << u << "\n";
    for (const auto& n : report.notes())
        err << "ornadeck-cli: note: " << n << "\n";
    for (const auto& r : report.recordProblems)
        err << "ornadeck-cli: warning: " << r << "\n";
    if (!report.status) {
        err << "ornadeck-cli: " << report.status.message() << "\n";
        return 1;
    }
    for (const std::string* w : {&report.libraryWarning, &report.libraryCaseWarning})
        if (!w->empty()) err << "ornadeck-cli: warning: " << *w << "\n";
    return report.iconErrors.empty() && !report.needsAttention() ? 0 : 1;
}

} // namespace

Command addGenerateCommand(CLI::App& tool, IconReading icons, std::ostream& out,
                           std::ostream& err) {
    auto options = std::make_shared<Options>();
    CLI::App* app = tool.add_subcommand(
        "generate", "Write the project's PocketC source (and icons for the PDE target)");
    app->add_option("project", options->project, "The project file (.ozp)")
        ->type_name("PROJECT.ozp")
        ->required();
    app->add_option("--out", options->out,
                    "Folder for the files (default: the project's Code/Output folder, else "
                    "its own folder)")
        ->type_name("DIR");
    CLI::Option* memos =
        app->add_flag("--memos", options->memos, "Generate for Palm memos (overrides Code/Memo)");
    app->add_flag("--pde", options->pde, "Generate for the PDE target (overrides Code/Memo)")
        ->excludes(memos);
    app->add_flag("--replace", options->replace,
                  "Overwrite the files instead of merging the changes made to them since the "
                  "last generation (no backups)");
    app->add_option("--first", options->first, "The form shown first (overrides Code/FirstForm)")
        ->type_name("FORM");
    return {app, [options, icons = std::move(icons), &out, &err] {
                return generate(*options, icons, out, err);
            }};
}

int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
    const auto add = [](CLI::App& tool, std::ostream& o, std::ostream& e) {
        return addGenerateCommand(tool, {readBmpPicture, "BMP"}, o, e);
    };
    return runCommandAlone(add, "generate", args, out, err);
}

} // namespace ornadeck::cli
