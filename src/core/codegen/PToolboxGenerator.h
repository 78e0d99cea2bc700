#pragma once

#include "codegen/LibraryGenerator.h"

#include <string>

namespace ornadeck {

// The PocketC program of a PToolboxLib project: every form and dialog is numbered in the
// Header, created and drawn in Forms, and handled by an event loop in Events.
class PToolboxGenerator final : public LibraryGenerator {
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
