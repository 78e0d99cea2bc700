#pragma once

#include "engine/Engine.h"

namespace ornadeck {

class TCCMenu;

// Creates, names and edits the controls of CControls projects.
class CControlsEngine final : public Engine {
  public:
    using Engine::Engine;

    Library library() const override { return Library::CControls; }
    std::string_view kindTag(const Control& control) const override;
    std::string defaultName(Form& form, const Control& control) override;

  protected:
    std::span<const KindRecipe> recipes() const override;
    std::string_view nameClashMessage() const override { return "Duplicate name"; }
    bool placeTool(Form& form, const std::string& tool, int x, int y, Control* target) override;
    const PropertyTable* propertiesOf(const Control& control) const override;
    bool hasEditableItems(const Control& control) const override;
    void beforeShow(Form& form, Control& control) override;
    void readChangingProperties(Form& form, Control& control) override;

  private:
    bool createMenu(Form& form);
    std::string menuBarName(const Form& form) const;
};

} // namespace ornadeck
