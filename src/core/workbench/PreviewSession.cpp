#include "workbench/PreviewSession.h"

#include "cclib/TCCDropDown.h"
#include "codegen/GenerationSettings.h"
#include "designer/FormSnapshot.h"
#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/ItemsControl.h"
#include "model/TextMetrics.h"
#include "ptlib/TPTList.h"
#include "render/DevicePicture.h"
#include "render/FormRenderer.h"

#include <algorithm>

namespace ornadeck {

namespace {

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

// A control's top-left corner on the screen: a dialog's controls stand in the dialog.
Point screenOrigin(const Control& c) {
    Point at{c.left(), c.top()};
    if (const Control* parent = c.parent(); parent && parent->isDialog())
        at = {at.x + parent->left(), at.y + parent->top()};
    return at;
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
        // A list with a pop trigger shows only when its trigger is tapped.
        for (const auto& child : copy->surface().children())
            if (auto* list = dynamic_cast<TPTList*>(child.get());
                list && !list->trigger().empty() && list->trigger() != kNone)
                list->setVisible(false);
        // A drop-down starts closed; the GSI shows only while Shift is on.
        for (Control* c : copy->surfaceControls()) {
            if (auto* drop = dynamic_cast<TCCDropDown*>(c)) drop->setTestItems(0);
            if (c->classId() == ClassId::PTGsi) c->setVisible(false);
        }
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
    focused_ = nullptr;
    flashing_ = nullptr;
    showShift();
    workspace_.activeForm = &form;
}

void PreviewSession::tap(Point onScreen) {
    if (ended_ || !shown_) return;
    status_.clear();
    focused_ = nullptr;
    flashing_ = nullptr;
    const int x = onScreen.x + DevicePicture::kScreenLeft,
              y = onScreen.y + DevicePicture::kScreenTop;
    if (DevicePicture::kHomeIcon.contains(x, y)) return end();
    // An open menu closes at the next tap, wherever it lands, as the handheld's does.
    if (menuOpen()) return showMenu(false);
    const bool onTitle = onScreen.y >= 0 && onScreen.y < kTitleHeight && !dialogOpen();
    if (DevicePicture::kMenuIcon.contains(x, y) || (onTitle && shown_->menuBar()))
        return showMenu(true);
    // An open pop-up list takes the tap, or closes when the tap lands elsewhere.
    for (const auto& child : shown_->surface().children())
        if (auto* list = dynamic_cast<TPTList*>(child.get());
            list && list->visible() && !list->trigger().empty() && list->trigger() != kNone) {
            if (contains(*list, onScreen))
                choose(*list, {onScreen.x - list->left(), onScreen.y - list->top()});
            else
                list->setVisible(false);
            return;
        }
    if (Control* control = controlAt(onScreen)) press(*control, onScreen);
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
    if (focused_) {
        std::string now = property(*focused_, textRow(*focused_));
        if (now.empty()) return;
        // One character, however many bytes it takes.
        std::size_t cut = now.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(now[cut]) & 0xC0) == 0x80)
            --cut;
        now.erase(cut);
        setProperty(*focused_, textRow(*focused_), now);
        return;
    }
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

void PreviewSession::press(Control& control, Point onScreen) {
    if (isToggle(control)) return toggle(control);
    if (dynamic_cast<ItemsControl*>(&control)) {
        const Point origin = screenOrigin(control);
        return choose(control, {onScreen.x - origin.x, onScreen.y - origin.y});
    }
    if (control.classId() == ClassId::PTPopTrigger && openList(control)) return;
    if (takesKeys(control)) {
        focused_ = &control;
        return;
    }
    // A CControls image answers only when it is made clickable.
    if (control.classId() == ClassId::CCBitmap && workspace_.library == Library::CControls) {
        if (control.tag() == 1) runHandler(control);
        return;
    }
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
    runHandler(control);
}

void PreviewSession::runHandler(Control& control) {
    status_ = handlerOf(control);
    flashing_ = &control;
    ++handlerRuns_;
}

void PreviewSession::follow(Control& button, const std::string& target) {
    for (const auto& child : shown_->surface().children())
        if (child->isDialog() && child->name() == target) {
            child->setVisible(true);
            return;
        }
    Form* next = formNamed(target);
    if (!next) return runHandler(button);
    if (Control* dialog = dialogOpen()) dialog->setVisible(false);
    showMenu(false);
    backStack_.push_back(shown_);
    show(*next);
}

std::string PreviewSession::handlerOf(const Control& control) const {
    if (workspace_.library == Library::CControls) return "On" + control.name() + "()";
    return "case " + control.name();
}

Image PreviewSession::screen(const FormRenderer& renderer) const {
    if (!shown_ || ended_) return Image(160, 160, kWhite);
    Image image = renderer.surface(*shown_, FormRenderer::Aids::Hidden);
    if (flashing_) {
        const auto [left, top] = screenOrigin(*flashing_);
        for (int y = top; y < top + flashing_->height(); ++y)
            for (int x = left; x < left + flashing_->width(); ++x)
                if (image.contains(x, y))
                    image.set(x, y, image.at(x, y) == kBlack ? kWhite : kBlack);
    }
    if (focused_ && focused_->visible()) {
        // The caret: a line the font's height after the text, inside the field.
        const Font& font = focused_->font();
        const std::string text = property(*focused_, textRow(*focused_));
        const TextMetrics* metrics = workspace_.metrics;
        const int width = metrics ? metrics->textWidth(font, text) : 0;
        const int height = metrics ? metrics->textHeight(font, "X") : 11;
        const auto [left, top] = screenOrigin(*focused_);
        const int x = left + std::min(1 + width, std::max(focused_->width() - 1, 0));
        for (int y = top + 1; y < top + 1 + height && y < top + focused_->height(); ++y)
            if (image.contains(x, y)) image.set(x, y, kBlack);
    }
    return image;
}

} // namespace ornadeck
