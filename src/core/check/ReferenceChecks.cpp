#include "cclib/TCCButton.h"
#include "check/CheckContext.h"
#include "codegen/GenerationSettings.h"
#include "codegen/PToolboxKinds.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/ProjectPaths.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTList.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace ornadeck {

namespace {

void checkListedForms(CheckContext& ctx) {
    using Kind = ListedFormProblem::Kind;
    for (const ListedFormProblem& p : ctx.subject.listed) {
        switch (p.kind) {
        case Kind::Missing:
            ctx.addForFile(Severity::Error, "references.missing-form", p.path.string(),
                           "the project lists this form file, which does not exist; its form "
                           "is left out of the generated code");
            break;
        case Kind::OtherLibrary:
            ctx.addForFile(Severity::Error, "references.other-library", p.path.string(),
                           "this form is of the other library; it is left out of the generated "
                           "code");
            break;
        case Kind::Unreadable:
        case Kind::PartlyRead:
            ctx.addForFile(Severity::Error, "references.unreadable-form", p.path.string(),
                           p.message);
            break;
        }
    }
}

void checkProjectSettings(CheckContext& ctx, const IniFile& project) {
    const std::string first = project.readString("Code", "FirstForm", "");
    const FormList& forms = ctx.subject.forms;
    const bool found =
        std::any_of(forms.begin(), forms.end(), [&](const Form* f) { return f->name() == first; });
    if (!first.empty() && !found && !forms.empty())
        ctx.addForProject(Severity::Warning, "references.first-form",
                          "FirstForm is " + first +
                              ", which is no form of the project; the "
                              "program will start with " +
                              forms.front()->name());
    for (const IconSlot& slot : kIconSlots) {
        const std::string path = project.readString("Icons", slot.key, "");
        std::error_code ec;
        if (!path.empty() &&
            !std::filesystem::is_regular_file(
                pathFromProjectFile(path, ctx.subject.projectPath.parent_path()), ec))
            ctx.addForProject(Severity::Warning, "references.icon",
                              std::string("the icon ") + slot.key + " is " + path +
                                  ", which does not exist; the program is built without it");
    }
}

// The forms and dialogs a generated call can show.
std::unordered_set<std::string> showableNames(const FormList& forms) {
    std::unordered_set<std::string> names;
    for (const Form* form : forms) {
        names.insert(form->name());
        for (const auto& child : form->surface().children())
            if (child->isDialog()) names.insert(child->name());
    }
    return names;
}

// The form a button shows when tapped, as the library's generator reads it; empty for none.
std::string shownForm(const Control& c, bool cc) {
    if (cc && c.classId() == ClassId::CCButton) return static_cast<const TCCButton&>(c).showForm();
    // A repeat button has no press case, so its ShowForm is never generated.
    if (!cc && c.classId() == ClassId::PTButton && !isRepeatButton(c))
        return static_cast<const TPTButton&>(c).showForm();
    return {};
}

const Control* popTriggerIn(const Control& container, const std::string& name) {
    for (const auto& child : container.children())
        if (child->name() == name && child->classId() == ClassId::PTPopTrigger) return child.get();
    return nullptr;
}

void checkTrigger(CheckContext& ctx, const Form& form, const TPTList& list,
                  const Control& container) {
    const std::string& trigger = list.trigger();
    if (!isLinked(trigger) || popTriggerIn(container, trigger)) return;
    const std::string where = container.isDialog() ? "its dialog" : "the form";
    ctx.add(Severity::Error, "references.trigger", form, &list,
            "Trigger is " + trigger + ", which is no pop trigger on " + where +
                "; the list cannot be opened from it");
}

void checkControlReferences(CheckContext& ctx) {
    const std::unordered_set<std::string> showable = showableNames(ctx.subject.forms);
    for (const Form* form : ctx.subject.forms) {
        forEachPlaced(*form, [&](const Control& c, const Control& container) {
            const std::string target = shownForm(c, ctx.cc());
            if (isLinked(target) && !showable.contains(target))
                ctx.add(Severity::Error, "references.show-form", *form, &c,
                        "ShowForm is " + target + ", which is no form or dialog of the project");
            if (!ctx.cc() && c.classId() == ClassId::PTList)
                checkTrigger(ctx, *form, static_cast<const TPTList&>(c), container);
        });
    }
}

} // namespace

void checkReferences(CheckContext& ctx) {
    checkListedForms(ctx);
    if (ctx.subject.project) checkProjectSettings(ctx, *ctx.subject.project);
    checkControlReferences(ctx);
}

} // namespace ornadeck
