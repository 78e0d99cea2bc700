#include "codegen/CControlsEvents.h"

#include "cclib/TCCButton.h"
#include "cclib/TCCMenu.h"
#include "codegen/CControlsKinds.h"
#include "codegen/CodeText.h"
#include "model/Form.h"

namespace ornadeck {

namespace {

// "(None)" is the designer's word for no form; an empty value would write "();".
std::string formToShow(const Control& c) {
    if (c.classId() != ClassId::CCButton) return {};
    const std::string& target = static_cast<const TCCButton&>(c).showForm();
    return target == "(None)" ? std::string() : target;
}

void writeHandlers(Lines& out, const CControlsScope& s) {
    for (const auto& child : s.container().children()) {
        if (!getsHandler(*child)) continue;
        out.push_back(concat({"On", child->name(), "(){"}));
        if (std::string target = formToShow(*child); !target.empty())
            out.push_back("  " + target + "();");
        out.push_back("}");
        out.push_back("");
    }
}

void writeMenuHandler(Lines& out, const Form& form, const Control& bar) {
    out.push_back("On" + bar.name() + "(string Option){");
    out.push_back("  switch (Option){");
    for (const Control* menu : form.menus()) {
        for (const std::string& item : static_cast<const TCCMenu&>(*menu).items()) {
            out.push_back("    case " + ornadeck::quoted(item) + ":");
            out.push_back("      //action for menu" + item);
            out.push_back("      break;");
        }
    }
    out.push_back("}");
    out.push_back("}");
    out.push_back("");
}

void writeLoop(Lines& out, const CControlsScope& s, const Control* bar) {
    out.push_back(s.name() + "Events(){");
    out.push_back("  int e;");
    out.push_back("  while(1){");
    out.push_back("    e=event(1);");
    bool first = true;
    auto dispatch = [&](std::string_view name, std::string_view handlerArgs) {
        out.push_back(concat({first ? "    if" : "    else if", " (Cevent(", name, ",e)) On", name,
                              "(", handlerArgs, ");"}));
        first = false;
    };
    for (const auto& child : s.container().children())
        if (getsHandler(*child)) dispatch(child->name(), "");
    if (bar) dispatch(bar->name(), "Cgetcontent(" + bar->name() + ")");
    out.push_back("  }");
    out.push_back("}");
    out.push_back("");
}

} // namespace

void writeCControlsEvents(Lines& out, const CControlsScope& scope) {
    writeHandlers(out, scope);
    // Only one menu bar gets a handler, so only that one is dispatched: a call to a
    // handler that was never written would not compile.
    const Control* bar = scope.isForm() ? scope.form->menuBar() : nullptr;
    if (bar) writeMenuHandler(out, *scope.form, *bar);
    writeLoop(out, scope, bar);
}

} // namespace ornadeck
