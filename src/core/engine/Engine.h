#pragma once

#include "engine/KindRecipe.h"
#include "engine/PropertyTable.h"
#include "model/Library.h"
#include "model/Status.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornadeck {

class Control;
class Form;
class Ui;
struct Workspace;

// One row of the inspector: a property's name and the text of its value.
struct PropertyRow {
    std::string name;
    std::string value;

    bool operator==(const PropertyRow&) const = default;
};

// What both libraries' engines do alike: property access by name through the kind's
// table, the inspector rows, selection marks and the component list. Each library adds its
// kinds, their tables and how they are created.
class Engine {
  public:
    Engine(Workspace& workspace, Ui& ui) : workspace_(workspace), ui_(ui) {}
    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    virtual Library library() const = 0;
    // The kind tag of a control of this library, empty for any other object.
    virtual std::string_view kindTag(const Control& control) const = 0;
    // Places a control of the chosen tool's kind at (x, y) of `target` (the surface or a
    // dialog). Returns whether a control was made. One press of a tool places one
    // control; a locked tool stays chosen.
    // A control of the tool's kind as a click at (0, 0) would make it, on no form: for
    // measuring where one would fit. Null for a tool without a recipe.
    std::unique_ptr<Control> sampleOf(const std::string& tool) const;
    bool createControl(Form& form, int x, int y, Control* target);

    // The inspector's rows for a control, or for the form itself when `control` is null.
    std::vector<std::string_view> propertyNames(const Control* control) const;
    std::string getProperty(Form& form, Control* control, std::string_view name);
    // Acts on the selected object. A failure changes nothing and says why.
    Status setProperty(std::string_view name, std::string_view text);
    // The same on any control of a form, whatever is selected; what the property has to say
    // on the way (a value cut back to its limit) goes to `ui`.
    Status setPropertyOf(Form& form, Control& control, std::string_view name, std::string_view text,
                         Ui& ui);
    // Makes the object the selected one and returns its rows with their values.
    std::vector<PropertyRow> showProperties(Form& form, Control* control);
    // Showing without the rows, as reading a file shows each control it makes: what showing
    // does to the control happens, but no text is made for rows nobody looks at.
    void showWithoutRows(Form& form, Control* control);

    void rebuildComponentList(Form& form) const;
    // Deletes a control (a dialog with its children); the form stands selected if it was.
    void destroyControl(Form& form, Control* control);

    // Selection marks: blue on the surface, red inside a dialog; a darker shade for a
    // control added to a selection that already holds one of the same parent.
    void setSelected(Control& control, bool on, bool adding) const;
    void clearSelection(Form& form) const;

    // Runs the items editor on the selected control's items; true when they changed.
    bool editItems();

    // The name a new control of this one's kind would get on the form (the counter moves).
    virtual std::string defaultName(Form& form, const Control& control);

  protected:
    // The selection and the notice of a show, shared by both kinds of show.
    void markShown(Form& form, Control* control);
    // The kinds the toolbar places, and the message when a default name clashes.
    virtual std::span<const KindRecipe> recipes() const = 0;
    virtual std::string_view nameClashMessage() const = 0;
    // Places the tool's control; a library with tools beyond its recipes extends this.
    virtual bool placeTool(Form& form, const std::string& tool, int x, int y, Control* target);
    std::string_view prefix(std::string_view longPrefix, std::string_view shortPrefix) const;

    virtual const PropertyTable* propertiesOf(const Control& control) const = 0;
    virtual bool hasEditableItems(const Control& control) const = 0;
    // A chance to prepare a control before the inspector shows it.
    virtual void beforeShow(Form&, Control&) {}
    // Reads the properties whose reading changes the control, for a show without rows.
    virtual void readChangingProperties(Form&, Control&) {}
    // Finishes a new control like every created one: listed, selected, shown.
    void finishCreated(Form& form, Control& control);

    Workspace& workspace_;
    Ui& ui_;
};

} // namespace ornadeck
