#include "workbench/PreviewSession.h"

#include "cclib/TCCDropDown.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "codegen/GenerationSettings.h"
#include "designer/FormSnapshot.h"
#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/IntText.h"
#include "model/TextMetrics.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTList.h"
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

const char* PreviewSession::textRow(const Control& control) {
    return control.classId() == ClassId::CCEdit ? "Content" : "Text";
}

bool PreviewSession::takesKeys(const Control& control) const {
    if (control.classId() == ClassId::CCEdit) return true;
    return control.classId() == ClassId::PTEdit && property(control, "Editable") == "True";
}

void PreviewSession::shift() {
    shifted_ = !shifted_;
    showShift();
}

void PreviewSession::showShift() {
    if (!shown_) return;
    for (Control* c : shown_->surfaceControls())
        if (c->classId() == ClassId::PTGsi) c->setVisible(shifted_);
}

bool PreviewSession::repeatsAt(Point onScreen) const {
    if (ended_ || !shown_ || menuOpen()) return false;
    const Control* control = controlAt(onScreen);
    const auto* button = dynamic_cast<const TPTButton*>(control);
    return button && button->buttonType() == TPTButton::kRepeat;
}

void PreviewSession::type(std::string_view text) {
    if (ended_ || !focused_ || text.empty()) return;
    std::string typed(text);
    // A shifted letter is a capital, and the shift is used up.
    if (shifted_) {
        if (typed.size() == 1 && typed[0] >= 'a' && typed[0] <= 'z')
            typed[0] = static_cast<char>(typed[0] - 'a' + 'A');
        shifted_ = false;
        showShift();
    }
    std::string now = property(*focused_, textRow(*focused_)) + typed;
    const std::string limit = property(*focused_, "MaxChars"); // empty for a kind without
    const int most = parseStrictInt(limit).value_or(0);
    const auto characters = std::count_if(now.begin(), now.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (most > 0 && characters > most) return;
    setProperty(*focused_, textRow(*focused_), now);
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

namespace {

// How many rows a list shows at once; 0 for anything that does not scroll.
int rowsShown(const Control& control) {
    if (const auto* list = dynamic_cast<const TPTList*>(&control)) return list->maxItems();
    if (const auto* box = dynamic_cast<const TCCListBox*>(&control)) return box->visibleItems();
    if (const auto* drop = dynamic_cast<const DropListControl*>(&control))
        return drop->visibleItems();
    return 0;
}

// A tap on a list's scroll arrow, in the right-hand corner its arrow is drawn in: the rows
// move by one. False when the tap was not on an arrow that shows.
bool scrolled(ItemsControl& list, Point inControl) {
    const int rows = rowsShown(list);
    if (rows <= 0 || inControl.x < list.width() - 10) return false;
    if (inControl.y < 9 && list.firstShown() > 0) {
        list.setFirstShown(list.firstShown() - 1);
        return true;
    }
    if (inControl.y >= list.height() - 11 && list.firstShown() + rows < list.itemCount()) {
        list.setFirstShown(list.firstShown() + 1);
        return true;
    }
    return false;
}

} // namespace

// The row of a list, or the button of a radio group, under a point of the control.
int PreviewSession::itemAt(const Control& control, Point inControl) {
    const auto* items = dynamic_cast<const ItemsControl*>(&control);
    if (!items || items->itemCount() == 0) return -1;
    int row = -1;
    if (const auto* radio = dynamic_cast<const TCCRadio*>(&control)) {
        const bool across = radio->orientation() == 0;
        const int extent = across ? control.width() : control.height();
        const int along = across ? inControl.x : inControl.y;
        row = extent > 0 ? along * items->itemCount() / extent : -1;
    } else if (const auto* list = dynamic_cast<const TPTList*>(&control)) {
        row = (inControl.y - 1) / std::max(list->rowHeight(), 1);
    } else if (dynamic_cast<const TCCListBox*>(&control)) {
        row = (inControl.y - 1) / TCCListBox::kRowHeight;
    } else if (dynamic_cast<const DropListControl*>(&control)) {
        row = (inControl.y - 1) / DropListControl::kRowHeight;
    }
    if (row < 0) return -1;
    const int shown = rowsShown(control);
    if (shown > 0 && row >= shown) return -1;
    const int item = row + items->firstShown();
    return item < items->itemCount() ? item : -1;
}

void PreviewSession::choose(Control& control, Point inControl) {
    // A closed drop-down opens at the first tap, and closes on the item chosen next.
    auto* drop = dynamic_cast<TCCDropDown*>(&control);
    if (drop && drop->testItems() == 0) return drop->setTestItems(1);
    if (scrolled(static_cast<ItemsControl&>(control), inControl)) return;
    const int item = itemAt(control, inControl);
    if (item < 0) return;
    auto& items = static_cast<ItemsControl&>(control);
    if (drop) drop->setTestItems(0);
    if (auto* popUp = dynamic_cast<TCCPopUp*>(&control)) popUp->setTest(0);
    items.setSelectedItem(item);
    // A pop-up list puts the chosen item on its trigger and closes.
    auto* list = dynamic_cast<TPTList*>(&control);
    if (!list || list->trigger().empty() || list->trigger() == kNone || !control.parent()) return;
    for (const auto& sibling : control.parent()->children())
        if (sibling->name() == list->trigger())
            setProperty(*sibling, "Text", items.items()[static_cast<std::size_t>(item)]);
    control.setVisible(false);
}

// A pop trigger opens the list it triggers.
bool PreviewSession::openList(Control& trigger) {
    if (!trigger.parent()) return false;
    for (const auto& sibling : trigger.parent()->children())
        if (auto* list = dynamic_cast<TPTList*>(sibling.get());
            list && list->trigger() == trigger.name()) {
            list->setVisible(true);
            trigger.parent()->bringChildToFront(list);
            return true;
        }
    return false;
}

void PreviewSession::press(Control& control, Point onScreen) {
    if (isToggle(control)) return toggle(control);
    if (dynamic_cast<ItemsControl*>(&control)) {
        Point at{onScreen.x - control.left(), onScreen.y - control.top()};
        if (const Control* dialog = control.parent(); dialog && dialog->isDialog())
            at = {at.x - dialog->left(), at.y - dialog->top()};
        return choose(control, at);
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
    Image image = renderer.surface(*shown_, FormRenderer::Aids::Hidden);
    if (flashing_) {
        int left = flashing_->left(), top = flashing_->top();
        if (const Control* parent = flashing_->parent(); parent && parent->isDialog()) {
            left += parent->left();
            top += parent->top();
        }
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
        int left = focused_->left(), top = focused_->top();
        if (const Control* parent = focused_->parent(); parent && parent->isDialog()) {
            left += parent->left();
            top += parent->top();
        }
        const int x = left + std::min(1 + width, std::max(focused_->width() - 1, 0));
        for (int y = top + 1; y < top + 1 + height && y < top + focused_->height(); ++y)
            if (image.contains(x, y)) image.set(x, y, kBlack);
    }
    return image;
}

} // namespace ornadeck
