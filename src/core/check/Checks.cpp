#include "check/Checks.h"

#include "check/CheckContext.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "workbench/HeadlessProject.h"

#include <algorithm>
#include <unordered_map>

namespace ornadeck {

void CheckContext::add(Severity severity, std::string_view id, const Form& form,
                       const Control* control, std::string message) {
    Finding& f = findings_.emplace_back();
    f.severity = severity;
    f.checkId = std::string(id);
    // A form never saved has no file yet: its caption names the file it would be.
    f.file = form.filePath().empty() ? form.caption() : form.filePath().string();
    f.form = form.name();
    if (control) f.control = control->name();
    f.message = std::move(message);
    f.source = &form;
}

void CheckContext::addForProject(Severity severity, std::string_view id, std::string message) {
    addForFile(severity, id, subject.projectPath.string(), std::move(message));
}

void CheckContext::addForFile(Severity severity, std::string_view id, std::string file,
                              std::string message) {
    Finding& f = findings_.emplace_back();
    f.severity = severity;
    f.checkId = std::string(id);
    f.file = std::move(file);
    f.message = std::move(message);
}

void forEachPlaced(const Form& form,
                   const std::function<void(const Control&, const Control&)>& visit) {
    for (const auto& child : form.surface().children()) {
        visit(*child, form.surface());
        if (child->isDialog())
            for (const auto& inner : child->children())
                visit(*inner, *child);
    }
}

CheckSubject subjectOf(const HeadlessProject& project) {
    CheckSubject s;
    s.library = project.library;
    for (const auto& form : project.forms)
        s.forms.push_back(form.get());
    // Forms given without a project have no settings to check.
    if (!project.path.empty()) {
        s.projectPath = project.path;
        s.project = &project.ini;
    }
    s.listed = project.problems;
    return s;
}

CheckSubject subjectOf(const Workspace& workspace, const IniFile* projectFile) {
    CheckSubject s;
    s.library = workspace.library;
    for (const auto& form : workspace.forms)
        if (form->visible()) s.forms.push_back(form.get());
    if (projectFile && !workspace.projectPath.empty()) {
        s.projectPath = workspace.projectPath;
        s.project = projectFile;
    }
    return s;
}

namespace {

std::vector<Finding> inFormOrder(const CheckSubject& subject, CheckContext& context) {
    std::vector<Finding>& found = context.findings();
    // Project first, then form by form, each family's findings in the order they came.
    std::unordered_map<const Form*, std::size_t> order;
    for (std::size_t i = 0; i < subject.forms.size(); ++i)
        order.emplace(subject.forms[i], i + 1);
    auto rank = [&](const Finding& f) { return f.source ? order[f.source] : 0; };
    std::stable_sort(found.begin(), found.end(),
                     [&](const Finding& a, const Finding& b) { return rank(a) < rank(b); });
    return std::move(found);
}

} // namespace

std::vector<Finding> runChecks(const CheckSubject& subject, const TextGauge& gauge) {
    CheckContext context(subject, gauge);
    checkReferences(context);
    checkLibrarySource(context);
    checkNames(context);
    checkGeometry(context);
    checkContent(context);
    return inFormOrder(subject, context);
}

// Geometry, text fit and the library's source find nothing worse than a warning, and they
// are most of a run's time.
std::vector<Finding> runErrorChecks(const CheckSubject& subject) {
    const TextGauge gauge;
    CheckContext context(subject, gauge);
    checkReferences(context);
    checkNames(context);
    checkContent(context);
    std::erase_if(context.findings(),
                  [](const Finding& f) { return f.severity != Severity::Error; });
    return inFormOrder(subject, context);
}

bool hasSeverity(const std::vector<Finding>& findings, Severity severity) {
    return std::any_of(findings.begin(), findings.end(),
                       [severity](const Finding& f) { return f.severity == severity; });
}

} // namespace ornadeck
