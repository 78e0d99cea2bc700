#include "workbench/PreviewSession.h"

#include "codegen/GenerationSettings.h"
#include "designer/FormSnapshot.h"
#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "render/DevicePicture.h"
#include "render/FormRenderer.h"

#include <algorithm>

namespace ornadeck {

namespace {

constexpr const char* kNone = "(None)";
// The band of a form's title at the top of the screen: a tap there opens the menu bar.
constexpr int kTitleHeight = 13;

bool isToggle(const Control& c) {
    switch (c.classId()) {
    case ClassId::CCCheckbox:
    case ClassId::CCSwitch: // a CControls switch, a PToolboxLib push button
    case ClassId::PTCheckbox:
        return true;
    default:
        return false;
    }
}

bool contains(const Control& c, Point p) {
    return p.x >= c.left() && p.y >= c.top() && p.x < c.left() + c.width() &&
           p.y < c.top() + c.height();
}

} // namespace

PreviewSession::PreviewSession(const Workspace& design, const LibraryKits& designKits,
                               const std::string& firstForm)
    : kits_(workspace_, ui_) {
    workspace_.library = design.library;
    workspace_.metrics = design.metrics;
    const FormSections& designSections = *designKits.current().sections;
    const LibraryKit& kit = kits_.current();
    for (const auto& source : design.forms) {
        // A closed form is no part of the generated program.
        if (!source->visible()) continue;
        const FormSnapshot snapshot = captureForm(*source, design, designSections);
        auto copy = std::make_unique<Form>(source->name(), design.metrics);
        SectionReadContext context{*copy, workspace_, *kit.engine};
        // A form that does not read whole still shows what it holds.
        (void)restoreForm(snapshot, *kit.sections, context);
        kit.engine->clearSelection(*copy);
        copy->setCurrentDialog(nullptr);
        for (const auto& child : copy->surface().children())
            if (child->isDialog()) child->setVisible(false);
        // The menu bar shows only when the user asks for it.
        for (const auto& child : copy->windowChildren())
            child->setVisible(false);
        workspace_.forms.push_back(std::move(copy));
    }
    Form* first = formNamed(firstForm);
    if (!first && design.activeForm) first = formNamed(design.activeForm->name());
    if (!first && !workspace_.forms.empty()) first = workspace_.forms.front().get();
    if (first) show(*first);
}

PreviewSession::~PreviewSession() = default;

std::string PreviewSession::firstFormOf(const Workspace& design) {
    IniFile ini;
    // A project never saved, or unreadable, names none.
    if (design.projectPath.empty() || !ini.load(design.projectPath)) return {};
    return GenerationSettings::read(ini, "").firstForm;
}

Form* PreviewSession::formNamed(const std::string& name) const {
    for (const auto& form : workspace_.forms)
        if (form->name() == name) return form.get();
    return nullptr;
}

const Form* PreviewSession::shownForm() const { return ended_ ? nullptr : shown_; }

std::string PreviewSession::caption() const {
    return "Preview - " + (shown_ ? shown_->name() : std::string());
}

Control* PreviewSession::dialogOpen() const {
    if (!shown_) return nullptr;
    for (const auto& child : shown_->surface().children())
        if (child->isDialog() && child->visible()) return child.get();
    return nullptr;
}

// The topmost shown control under the point; while a dialog is open, only its controls
// answer, as a modal form's do.
Control* PreviewSession::controlAt(Point p) const {
    if (Control* dialog = dialogOpen()) {
        if (!contains(*dialog, p)) return nullptr;
        const Point inside{p.x - dialog->left(), p.y - dialog->top()};
        const auto& children = dialog->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if ((*it)->visible() && contains(**it, inside)) return it->get();
        return nullptr;
    }
    const auto& children = shown_->surface().children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->visible() && !(*it)->isDialog() && contains(**it, p)) return it->get();
    return nullptr;
}

void PreviewSession::show(Form& form) {
    shown_ = &form;
    workspace_.activeForm = &form;
}

void PreviewSession::tap(Point onScreen) {
    if (ended_ || !shown_) return;
    status_.clear();
    const int x = onScreen.x + DevicePicture::kScreenLeft, y = onScreen.y + DevicePicture::kScreenTop;
    if (DevicePicture::kHomeIcon.contains(x, y)) return end();
    // An open menu closes at the next tap, wherever it lands, as the handheld's does.
    if (menuOpen()) return showMenu(false);
    const bool onTitle = onScreen.y >= 0 && onScreen.y < kTitleHeight && !dialogOpen();
    if (DevicePicture::kMenuIcon.contains(x, y) || (onTitle && shown_->menuBar()))
        return showMenu(true);
    if (Control* control = controlAt(onScreen)) press(*control);
}

bool PreviewSession::menuOpen() const {
    const Control* bar = shown_ ? shown_->menuBar() : nullptr;
    return bar && bar->visible();
}

void PreviewSession::showMenu(bool open) {
    if (!shown_ || !shown_->menuBar()) return;
    for (const auto& child : shown_->windowChildren())
        child->setVisible(open);
}

void PreviewSession::back() {
    if (ended_) return;
    if (menuOpen()) return showMenu(false);
    if (Control* dialog = dialogOpen()) {
        dialog->setVisible(false);
        return;
    }
    if (backStack_.empty()) return;
    show(*backStack_.back());
    backStack_.pop_back();
}

std::string PreviewSession::property(const Control& control, const char* name) const {
    return kits_.current().engine->getProperty(*shown_, const_cast<Control*>(&control), name);
}

void PreviewSession::setProperty(Control& control, const char* name, const std::string& value) {
    (void)kits_.current().engine->setPropertyOf(*shown_, control, name, value, ui_);
}

void PreviewSession::press(Control& control) {
    if (isToggle(control)) return toggle(control);
    const auto names = kits_.current().engine->propertyNames(&control);
    const bool navigates = std::find(names.begin(), names.end(), "ShowForm") != names.end();
    if (!navigates) return;
    const std::string target = property(control, "ShowForm");
    if (!target.empty() && target != kNone) return follow(control, target);
    // A dialog's button without a form to show closes the dialog, as its handler does.
    if (control.parent() && control.parent()->isDialog()) {
        control.parent()->setVisible(false);
        return;
    }
    status_ = handlerOf(control);
}

void PreviewSession::follow(Control& button, const std::string& target) {
    for (const auto& child : shown_->surface().children())
        if (child->isDialog() && child->name() == target) {
            child->setVisible(true);
            return;
        }
    Form* next = formNamed(target);
    if (!next) {
        status_ = handlerOf(button);
        return;
    }
    if (Control* dialog = dialogOpen()) dialog->setVisible(false);
    showMenu(false);
    backStack_.push_back(shown_);
    show(*next);
}

// On is off and off is on; a push button or a check box of a group turns the others of its
// group off, and a push button already on stays on.
void PreviewSession::toggle(Control& control) {
    const bool on = property(control, "State") == "True";
    const bool push =
        workspace_.library == Library::PToolboxLib && control.classId() == ClassId::CCSwitch;
    const std::string group = property(control, "GroupNumber"); // empty for a kind without
    const bool inGroup = !group.empty() && group != "0";
    if (inGroup && control.parent()) {
        if (on && push) return;
        for (const auto& sibling : control.parent()->children())
            if (sibling.get() != &control && sibling->classId() == control.classId() &&
                property(*sibling, "GroupNumber") == group)
                setProperty(*sibling, "State", "False");
    }
    setProperty(control, "State", on ? "False" : "True");
}

std::string PreviewSession::handlerOf(const Control& control) const {
    if (workspace_.library == Library::CControls) return "On" + control.name() + "()";
    return "case " + control.name();
}

Image PreviewSession::screen(const FormRenderer& renderer) const {
    if (!shown_ || ended_) return Image(160, 160, kWhite);
    return renderer.surface(*shown_, FormRenderer::Aids::Hidden);
}

} // namespace ornadeck
