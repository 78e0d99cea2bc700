#pragma once

#include "formfile/FormSections.h"

namespace ornadeck {

// The sections of PToolboxLib controls in a form file.
class PToolboxFormSections final : public FormSections {
  public:
    Library library() const override { return Library::PToolboxLib; }
    void writeControl(IniFile& ini, const Control& control) const override;
    bool knowsKind(std::string_view tag) const override;
    Status readSection(const IniFile& ini, const std::string& section,
                       SectionReadContext& context) const override;
};

} // namespace ornadeck
