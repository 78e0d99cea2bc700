#include "cli/CheckCommand.h"

#include "check/Checks.h"
#include "engine/LibraryKit.h"
#include "model/Names.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "render/PalmFonts.h"
#include "workbench/HeadlessProject.h"

namespace ornadeck::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: ornadeck-cli check PROJECT.ozp | FORM.ozf ... [--format text|json] [--werror]\n";

bool isProjectFile(const fs::path& path) { return sameName(path.extension().string(), ".ozp"); }

std::optional<std::string> setFormat(std::string_view value, CheckOptions& o) {
    if (value != "text" && value != "json") return "--format takes text or json";
    o.json = value == "json";
    return std::nullopt;
}

} // namespace

std::optional<std::string> parseCheckArgs(const std::vector<std::string_view>& args,
                                          CheckOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a == "--werror") {
            o.werror = true;
        } else if (a == "--format") {
            if (i + 1 >= args.size()) return "--format needs a value";
            if (auto problem = setFormat(args[++i], o)) return problem;
        } else if (a.starts_with("--format=")) {
            if (auto problem = setFormat(a.substr(9), o)) return problem;
        } else if (!a.empty() && a.front() == '-') {
            return "unknown option " + std::string(a);
        } else {
            o.inputs.push_back(platform::pathFromUtf8(a));
        }
    }
    if (o.inputs.empty()) return "no project or form given";
    const bool project = std::any_of(o.inputs.begin(), o.inputs.end(), isProjectFile);
    if (project && o.inputs.size() > 1) return "give one project, or form files";
    return std::nullopt;
}

int runCheck(const std::vector<std::string_view>& args, const fs::path& fontFolder,
             std::ostream& out, std::ostream& err) {
    CheckOptions options;
    if (auto problem = parseCheckArgs(args, options)) {
        err << "ornadeck-cli check: " << *problem << "\n" << kUsage;
        return 2;
    }
    SilentUi ui;
    const PalmFonts fonts = PalmFonts::load(fontFolder, ui);
    if (!fonts.loadProblems().empty())
        err << "ornadeck-cli: warning: the Palm fonts are missing from " << fontFolder.string()
            << "; text widths are estimated\n";
    Workspace workspace;
    workspace.metrics = &fonts;
    LibraryKits kits(workspace, ui);
    HeadlessProject project;
    const Status loaded =
        isProjectFile(options.inputs.front())
            ? loadHeadlessProject(options.inputs.front(), workspace, kits, project)
            : loadHeadlessForms(options.inputs, workspace, kits, project);
    // A project read in part still has findings about what it lists.
    const std::vector<Finding> findings = runChecks(subjectOf(project), TextGauge(fonts));
    if (options.json)
        out << findingsJson(findings);
    else
        for (const Finding& f : findings)
            out << findingLine(f) << "\n";
    if (!loaded) {
        err << "ornadeck-cli: " << loaded.message() << "\n";
        return 1;
    }
    const bool failed = hasSeverity(findings, Severity::Error) ||
                        (options.werror && hasSeverity(findings, Severity::Warning));
    return failed ? 1 : 0;
}

} // namespace ornadeck::cli
