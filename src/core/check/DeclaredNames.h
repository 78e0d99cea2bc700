#pragma once

#include "codegen/LibraryGenerator.h"
#include "model/Library.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;

// A name the generated program declares (a variable, function or number), and the object it
// is declared for.
struct DeclaredName {
    std::string identifier;
    const Form* form = nullptr;
    const Control* owner = nullptr; // null: the form itself
    bool own = false;               // the object's own name, not one made from it
};

// Every name the library's generated code declares for the forms, in the order the code
// declares them. Objects that appear nowhere in the code (a PToolboxLib bitmap, a plain
// picture) declare nothing.
std::vector<DeclaredName> declaredNames(const FormList& forms, Library library);

// Why a name cannot be declared whatever the forms hold: PocketC's own word, a call the
// generated code makes, or a name of the generated program itself. Empty when it can.
std::string_view fixedUseOf(std::string_view identifier, Library library);
bool isPocketCKeyword(std::string_view identifier);

} // namespace ornadeck
