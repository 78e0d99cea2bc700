#pragma once

#include "model/Library.h"
#include "model/Status.h"

#include <string>
#include <string_view>

namespace ornadeck {

class Control;
class Engine;
class Form;
class IniFile;
struct Workspace;

// What reading a section may touch besides the form: the surface colour and counters of
// the workspace, and the engine that shows each control read.
struct SectionReadContext {
    Form& form;
    Workspace& workspace;
    Engine& engine;
};

// One library's control sections of a form file.
class FormSections {
  public:
    virtual ~FormSections() = default;
    virtual Library library() const = 0;

    // Writes the control's section; a dialog writes its children's right after its own.
    // A control of a class the library does not know is skipped.
    virtual void writeControl(IniFile& ini, const Control& control) const = 0;
    // Sections that follow the surface's controls (the CControls menu bar and menus).
    virtual void writeWindowChildren(IniFile&, const Form&) const {}
    // Whether `tag` is one of this library's kind tags (the Control key of a section).
    virtual bool knowsKind(std::string_view tag) const = 0;
    // Reads one section. A name the form refuses ends the load with that error.
    virtual Status readSection(const IniFile& ini, const std::string& section,
                               SectionReadContext& context) const = 0;
};

} // namespace ornadeck
