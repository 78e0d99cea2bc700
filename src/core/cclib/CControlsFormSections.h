#pragma once

#include "formfile/FormSections.h"

namespace ornadeck {

// The sections of CControls controls in a form file, menu bar and menus included.
class CControlsFormSections final : public FormSections {
  public:
    Library library() const override { return Library::CControls; }
    void writeControl(IniFile& ini, const Control& control) const override;
    void writeWindowChildren(IniFile& ini, const Form& form) const override;
    bool knowsKind(std::string_view tag) const override;
    Status readSection(const IniFile& ini, const std::string& section,
                       SectionReadContext& context) const override;
};

} // namespace ornadeck
