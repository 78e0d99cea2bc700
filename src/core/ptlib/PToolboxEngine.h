#pragma once

#include "engine/Engine.h"

namespace ornadeck {

// Creates, names and edits the controls of PToolboxLib projects.
class PToolboxEngine final : public Engine {
  public:
    using Engine::Engine;

    Library library() const override { return Library::PToolboxLib; }
    std::string_view kindTag(const Control& control) const override;

  protected:
    std::span<const KindRecipe> recipes() const override;
    // The misspelling is the message users of this library have always seen.
    std::string_view nameClashMessage() const override { return "Duplicate contol name"; }
    const PropertyTable* propertiesOf(const Control& control) const override;
    bool hasEditableItems(const Control& control) const override;
};

} // namespace ornadeck
