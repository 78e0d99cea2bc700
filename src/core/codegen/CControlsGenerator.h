#pragma once

#include "codegen/LibraryGenerator.h"

#include <string>
#include <utility>

namespace ornadeck {

// PocketC code for a CControls project: one handle per control, and for every form and
// every dialog an entry function plus its Controls, Contents, Draw and Events functions.
class CControlsGenerator final : public LibraryGenerator {
  public:
    void generateMain(Lines& out, const FormList& forms, const Form& first,
                      std::string_view project) const override;
    void generateForms(Lines& out, bool memos, const FormList& forms,
                       std::string_view project) const override;
    void generateEvents(Lines& out, bool memos, const FormList& forms,
                        std::string_view project) const override;
    void generateHeader(Lines& out, bool memos, const FormList& forms,
                        std::string_view project) const override;
    void generateControlTexts(Lines& out, const Control& control) const override;
};

} // namespace ornadeck
