#include "engine/Engine.h"

#include "engine/TestedDialog.h"
#include "model/Control.h"
#include "model/Form.h"
#include "model/ItemsControl.h"
#include "model/Names.h"
#include "model/TPTDialog.h"
#include "model/Ui.h"
#include "model/Workspace.h"

#include <algorithm>

namespace ornadeck {

namespace {

constexpr std::string_view kFormRows[] = {"Name", "Title"};

bool anyOtherSelected(const Control& parent, const Control& self) {
    return std::any_of(parent.children().begin(), parent.children().end(),
                       [&](const auto& c) { return c.get() != &self && c->selected(); });
}

} // namespace

std::vector<std::string_view> Engine::propertyNames(const Control* control) const {
    if (!control) return {std::begin(kFormRows), std::end(kFormRows)};
    const PropertyTable* table = propertiesOf(*control);
    return table ? table->listed() : std::vector<std::string_view>{};
}

std::string Engine::getProperty(Form& form, Control* control, std::string_view name) {
    if (!control) {
        if (name == "Name") return form.name();
        if (name == "Title") return form.surface().title();
        return {};
    }
    const PropertyTable* table = propertiesOf(*control);
    const Property* property = table ? table->find(name) : nullptr;
    if (!property) return {};
    PropertyContext context{form, workspace_, ui_};
    return property->get(*control, context);
}

Status Engine::setProperty(std::string_view name, std::string_view text) {
    const Selection selected = workspace_.selected;
    if (selected.empty()) return {};
    Form& form = *selected.form;
    if (selected.isForm()) {
        if (name == "Name") {
            // It becomes part of generated function names and of the menu bar's name.
            if (!isValidIdentifier(text)) return Status::fail(invalidNameMessage(text));
            form.setName(std::string(text));
            rebuildComponentList(form);
        }
        if (name == "Title") form.surface().setTitle(std::string(text));
        return {};
    }
    return setPropertyOf(form, *selected.control, name, text, ui_);
}

Status Engine::setPropertyOf(Form& form, Control& control, std::string_view name,
                             std::string_view text, Ui& ui) {
    if (!form.contains(&control)) return {}; // deleted since it was shown
    const PropertyTable* table = propertiesOf(control);
    const Property* property = table ? table->find(name) : nullptr;
    if (!property) return {};
    PropertyContext context{form, workspace_, ui};
    Status status = property->set(control, text, context);
    if (status && name == "Name") rebuildComponentList(form);
    control.repaint();
    return status;
}

void Engine::markShown(Form& form, Control* control) {
    if (control) beforeShow(form, *control);
    workspace_.selected = Selection{&form, control};
    ++workspace_.propertiesShown;
}

void Engine::showWithoutRows(Form& form, Control* control) {
    markShown(form, control);
    if (control) readChangingProperties(form, *control);
}

std::vector<PropertyRow> Engine::showProperties(Form& form, Control* control) {
    markShown(form, control);
    const std::vector<std::string_view> names = propertyNames(control);
    std::vector<PropertyRow> rows;
    rows.reserve(names.size());
    for (std::string_view name : names)
        rows.push_back({std::string(name), getProperty(form, control, name)});
    return rows;
}

void Engine::rebuildComponentList(Form& form) const {
    auto& list = form.components();
    list.clear();
    auto entry = [&](Control& c) {
        list.push_back({c.name() + ": " + std::string(kindTag(c)), &c});
    };
    for (const auto& c : form.surface().children()) {
        if (c->isDialog())
            for (const auto& child : c->children())
                entry(*child);
        entry(*c);
    }
    list.push_back({form.name() + ": Form", nullptr});
    for (const auto& c : form.windowChildren())
        entry(*c);
}

void Engine::setSelected(Control& control, bool on, bool adding) const {
    Control* parent = control.parent();
    Color color = kBlue;
    if (parent && parent->isDialog()) {
        parent->setSelected(false);
        color = adding && anyOtherSelected(*parent, control) ? kMaroon : kRed;
    } else if (parent) {
        color = adding && anyOtherSelected(*parent, control) ? kNavy : kBlue;
    }
    control.setSelected(on);
    if (!control.isDialog()) control.setSelectColor(color);
}

void Engine::clearSelection(Form& form) const {
    for (Control* c : form.surfaceControls())
        setSelected(*c, false, false);
}

bool Engine::editItems() {
    Control* control = workspace_.selected.control;
    if (!control || !workspace_.selected.form->contains(control) || !hasEditableItems(*control))
        return false;
    auto& holder = static_cast<ItemsControl&>(*control);
    std::vector<std::string> items = holder.items();
    if (!ui_.editItems(items)) return false;
    holder.setItems(std::move(items));
    return true;
}

void Engine::destroyControl(Form& form, Control* control) {
    Control* selected = workspace_.selected.control;
    if (selected && (selected == control || selected->parent() == control))
        workspace_.selected = Selection{&form, nullptr};
    form.destroy(control);
    rebuildComponentList(form);
}

std::unique_ptr<Control> Engine::sampleOf(const std::string& tool) const {
    const KindRecipe* recipe = findRecipe(recipes(), tool);
    // Named after its kind, so a picture of it says what it is ("Button", not a made-up name).
    return recipe ? recipe->make(tool, 0, 0) : nullptr;
}

bool Engine::createControl(Form& form, int x, int y, Control* target) {
    const std::string tool = workspace_.tool;
    if (tool.empty()) return false;
    clearSelection(form);
    if (!workspace_.toolLocked) workspace_.tool.clear();
    return placeTool(form, tool, x, y, target);
}

bool Engine::placeTool(Form& form, const std::string& tool, int x, int y, Control* target) {
    const KindRecipe* recipe = findRecipe(recipes(), tool);
    if (!recipe) return false;
    const bool dialog = tool == "Dialog";
    if (dialog) putAwayTestedDialog(form);
    // Only a dialog of this very form can take the new control.
    const bool inDialog = target && target->isDialog() && !dialog && target->owner() == &form;
    Control* parent = inDialog ? target : &form.surface();
    const std::string name = form.nextDefaultName(prefix(recipe->longPrefix, recipe->shortPrefix),
                                                  workspace_.nameCounter);
    std::unique_ptr<Control> made = recipe->make(name, x, y);
    made->setColor(workspace_.surfaceColor);
    // Default names skip only controls, so a dialog the user renamed can still clash; the
    // half-made control is then dropped rather than left nameless on the form.
    Status status;
    Control* control = form.add(std::move(made), parent, name, status);
    if (!control) {
        ui_.showError(std::string(nameClashMessage()));
        return false;
    }
    if (dialog) testPlacedDialog(form, static_cast<TPTDialog&>(*control));
    finishCreated(form, *control);
    return true;
}

std::string Engine::defaultName(Form& form, const Control& control) {
    const std::string_view tag = kindTag(control);
    const KindRecipe* recipe = findRecipe(recipes(), tag);
    const std::string_view prefixText =
        recipe ? prefix(recipe->longPrefix, recipe->shortPrefix) : tag;
    return form.nextDefaultName(prefixText, workspace_.nameCounter);
}

std::string_view Engine::prefix(std::string_view longPrefix, std::string_view shortPrefix) const {
    return workspace_.shortNames ? shortPrefix : longPrefix;
}

void Engine::finishCreated(Form& form, Control& control) {
    showProperties(form, &control);
    form.components().push_back({control.name() + ": " + std::string(kindTag(control)), &control});
}

} // namespace ornadeck
