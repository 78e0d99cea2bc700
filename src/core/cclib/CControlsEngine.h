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
    bool createControl(Form& form, int x, int y, Control* target) override;

  protected:
    const PropertyTable* propertiesOf(const Control& control) const override;
    bool hasEditableItems(const Control& control) const override;
    void beforeShow(Form& form, Control& control) override;

  private:
    bool createMenu(Form& form);
    std::string_view prefix(std::string_view longPrefix, std::string_view shortPrefix) const;
};

} // namespace ornadeck
