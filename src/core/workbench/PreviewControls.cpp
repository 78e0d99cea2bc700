// What the preview's controls do with a tap or a key: toggles, lists and their scrolling,
// pop-up lists, fields and the shift.
#include "cclib/TCCDropDown.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "engine/Engine.h"
#include "model/Form.h"
#include "model/IntText.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTList.h"
#include "workbench/PreviewSession.h"

#include <algorithm>

namespace ornadeck {

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

} // namespace ornadeck
