#pragma once

#include "engine/Engine.h"

namespace ornadeck {

// Creates, names and edits the controls of PToolboxLib projects.
class PToolboxEngine final : public Engine {
  public:
    using Engine::Engine;

    Library library() const override { return Library::PToolboxLib; }
    std::string_view kindTag(const Control& control) const override;
    bool createControl(Form& form, int x, int y, Control* target) override;

  protected:
    const PropertyTable* propertiesOf(const Control& control) const override;
    bool hasEditableItems(const Control& control) const override;
};

} // namespace ornadeck
