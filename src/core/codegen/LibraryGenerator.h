#pragma once

#include "model/Library.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;
class Form;

using Lines = std::vector<std::string>;
// The forms to generate, in the one order every text follows.
using FormList = std::vector<const Form*>;

// One library's code: four texts, each appended to a line list the caller gives.
class LibraryGenerator {
  public:
    virtual ~LibraryGenerator() = default;

    virtual void generateMain(Lines& out, const FormList& forms, const Form& first,
                              std::string_view project) const = 0;
    // `memos`: the texts are for Palm memos and start with their memo title line.
    virtual void generateForms(Lines& out, bool memos, const FormList& forms,
                               std::string_view project) const = 0;
    virtual void generateEvents(Lines& out, bool memos, const FormList& forms,
                                std::string_view project) const = 0;
    virtual void generateHeader(Lines& out, bool memos, const FormList& forms,
                                std::string_view project) const = 0;
    // The generated lines that carry one control's own texts (contents, items, titles), so
    // a character in the code can be traced back to the control it came from.
    virtual void generateControlTexts(Lines&, const Control&) const {}
};

// The code generator of a library.
std::unique_ptr<LibraryGenerator> makeGenerator(Library library);

} // namespace ornadeck
