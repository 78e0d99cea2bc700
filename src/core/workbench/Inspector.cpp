#include "workbench/Inspector.h"

#include "cclib/TCCBitmap.h"
#include "designer/FormEditor.h"
#include "engine/LibraryKit.h"
#include "model/ReadingOrder.h"
#include "model/Ui.h"
#include "workbench/FormPickLists.h"
#include "workbench/MultiEdit.h"

#include <algorithm>

namespace ornadeck {

Inspector::Inspector(Workspace& workspace, Ui& ui, const LibraryKits& kits, EditorLookup editorOf)
    : workspace_(workspace), ui_(ui), kits_(kits), editorOf_(std::move(editorOf)) {}

Engine& Inspector::engine() const { return *kits_.current().engine; }

bool Inspector::current() const {
    const Selection& s = workspace_.selected;
    return shownCount_ && s.form == shown_.form && s.control == shown_.control &&
           controlsEditedTogether(s) == together_;
}

bool Inspector::sync() {
    if (current() && *shownCount_ == workspace_.propertiesShown) return false;
    reload();
    return true;
}

void Inspector::take(std::vector<PropertyRow> rows) {
    rows_ = std::move(rows);
    shown_ = workspace_.selected;
    shownCount_ = workspace_.propertiesShown;
}

std::string Inspector::togetherText() const {
    return together_.empty() ? std::string() : std::to_string(together_.size()) + " controls";
}

std::vector<PropertyRow> Inspector::rowsTogether() const {
    return commonRows(engine(), *shown_.form, together_,
                      [this](Control& c, std::string_view name) { return entriesFor(&c, name); });
}

void Inspector::reload() {
    const Selection s = workspace_.selected;
    together_ = controlsEditedTogether(s);
    if (!together_.empty()) {
        shown_ = s; // the rows read below belong to it
        take(rowsTogether());
        return;
    }
    std::vector<PropertyRow> rows;
    if (!s.empty() && (!s.control || s.form->contains(s.control))) {
        Engine& e = engine();
        for (std::string_view name : e.propertyNames(s.control))
            rows.push_back({std::string(name), e.getProperty(*s.form, s.control, name)});
    }
    take(std::move(rows));
}

std::vector<ComponentEntry> Inspector::components() const {
    if (!workspace_.activeForm) return {};
    std::vector<ComponentEntry> list = workspace_.activeForm->components();
    std::stable_sort(list.begin(), list.end(),
                     [](const ComponentEntry& a, const ComponentEntry& b) {
                         return inReadingOrder(a.text, b.text);
                     });
    return list;
}

void Inspector::chooseComponent(const ComponentEntry& entry, FormEditor* designer) {
    Form* form = workspace_.activeForm;
    if (!form) return;
    // An entry of a control deleted since the combo was filled chooses nothing.
    if (entry.control && !form->contains(entry.control)) return;
    engine().showWithoutRows(*form, entry.control);
    if (designer && &designer->form() == form) designer->markSelection(false);
    reload();
}

std::vector<std::string> Inspector::entries(std::size_t row) const {
    // Rows read before an undo made every control anew point at controls that are gone.
    if (row >= rows_.size() || !current()) return {};
    return entriesFor(shown_.control, rows_[row].name);
}

std::vector<std::string> Inspector::entriesFor(Control* control, std::string_view name) const {
    if (name == "ShowForm") return showFormEntries(workspace_, control);
    if (name == "Trigger")
        return triggerEntries(workspace_.activeForm ? workspace_.activeForm : shown_.form);
    return fixedPickList(name, control).value_or(std::vector<std::string>{});
}

ValueEditor Inspector::editorOf(std::size_t row) const {
    if (row >= rows_.size()) return ValueEditor::Text;
    return editorFor(rows_[row].name, !entries(row).empty());
}

bool Inspector::appliesWhenEditEnds(std::size_t row) const {
    return row < rows_.size() && rows_[row].name == "Name";
}

Inspector::Sent Inspector::type(std::size_t row, std::string_view text) {
    if (row >= rows_.size()) return Sent::No;
    rows_[row].value = std::string(text);
    if (appliesWhenEditEnds(row)) return Sent::No;
    return send(row, text);
}

Inspector::Sent Inspector::finish(std::size_t row, std::string_view text) {
    // Rows of an object no longer selected must not write into the one that is.
    if (row >= rows_.size() || !current()) return Sent::No;
    const std::string& name = rows_[row].name;
    Engine& e = engine();
    Sent sent = Sent::No;
    if (appliesWhenEditEnds(row) && text != e.getProperty(*shown_.form, shown_.control, name))
        sent = send(row, text);
    if (!together_.empty()) {
        rows_ = rowsTogether();
        return sent;
    }
    for (PropertyRow& r : rows_)
        r.value = e.getProperty(*shown_.form, shown_.control, r.name);
    return sent;
}

Inspector::Sent Inspector::send(std::size_t row, std::string_view text) {
    // Rows of an object no longer selected must not write into the one that is.
    if (!current() || !isSendable(rows_[row].name, text)) return Sent::No;
    FormEditor* d = formEditor();
    if (!d) return Sent::No;
    if (!together_.empty())
        return setOnEach(*d, engine(), ui_, together_, rows_[row].name, text) > 0 ? Sent::Applied
                                                                                  : Sent::Rejected;
    if (Status s = d->setProperty(rows_[row].name, text); !s) {
        ui_.showError(s.message());
        return Sent::Rejected;
    }
    return Sent::Applied;
}

Inspector::Sent Inspector::pick(std::size_t row, std::string_view text) {
    const Sent sent = type(row, text);
    const Selection s = workspace_.selected;
    if (!current() || s.empty()) return sent;
    if (together_.empty())
        take(engine().showProperties(*s.form, s.control));
    else
        take(rowsTogether());
    return sent;
}

bool Inspector::editItems() {
    if (!current()) return false;
    FormEditor* d = formEditor();
    return d && d->editItems();
}

FormEditor* Inspector::formEditor() const {
    Form* form = workspace_.selected.form;
    return form ? editorOf_(*form) : nullptr;
}

TCCBitmap* Inspector::picture() const {
    Control* c = workspace_.selected.control;
    if (!current() || !c || c->classId() != ClassId::CCBitmap) return nullptr;
    if (!workspace_.selected.form->contains(c)) return nullptr;
    return static_cast<TCCBitmap*>(c);
}

std::optional<BitmapEditor> Inspector::openBitmap() {
    TCCBitmap* p = picture();
    if (!p) return std::nullopt;
    if (std::string why = BitmapEditor::refusal(p->width(), p->height()); !why.empty()) {
        ui_.showError(why);
        return std::nullopt;
    }
    return BitmapEditor(*p);
}

bool Inspector::storeBitmap(const BitmapEditor& editor) {
    TCCBitmap* p = picture();
    FormEditor* d = formEditor();
    if (!d || !p || p->width() != editor.width() || p->height() != editor.height()) return false;
    d->edit("Edit Bitmap " + p->name(), [&] { editor.store(*p); });
    return true;
}

} // namespace ornadeck
