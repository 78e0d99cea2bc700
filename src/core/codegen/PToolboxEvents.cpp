#include "codegen/PToolboxEvents.h"

#include "codegen/PToolboxKinds.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTList.h"

namespace ornadeck {

namespace {

// Whether the control gets a case in the event loop; a repeat button is handled elsewhere.
bool hasEventCase(const Control& c) {
    switch (ptKindOf(c)) {
    case PtKind::Button:
        return !isRepeatButton(c);
    case PtKind::Push:
    case PtKind::Select:
    case PtKind::CheckBox:
        return true;
    case PtKind::List:
        return static_cast<const TPTList&>(c).style() == TPTList::kStandAlone;
    default:
        return false;
    }
}

void writeEventLoop(Lines& out, const PtUnit& unit) {
    out.insert(out.end(), {std::string(unit.name) + "Events(){", "  int e;", "  while(1){",
                           "    e=Fevent(1);", "    switch(e){", ""});
    for (const auto& child : unit.container->children()) {
        if (!hasEventCase(*child)) continue;
        out.push_back("    case " + child->name() + ":");
        if (ptKindOf(*child) == PtKind::Button) {
            const std::string& target = static_cast<const TPTButton&>(*child).showForm();
            if (isLinked(target)) out.push_back("      " + target + "Draw();");
        }
        out.insert(out.end(), {"    break;", ""});
    }
    out.insert(out.end(), {"    } //switch", "  } //while", "}", ""});
}

void writeRepeatHandler(Lines& out, const PtUnit& unit) {
    out.insert(out.end(),
               {"int " + std::string(unit.name) + "Repeat(int butID){", "  switch(butID){"});
    for (const auto& child : unit.container->children()) {
        if (!isRepeatButton(*child)) continue;
        out.insert(out.end(),
                   {"    case " + child->name() + ":", "        //handle the repeat here",
                    "        return(3); //wait 3 seconds and repeat", "    break;", ""});
    }
    out.insert(out.end(), {"    default:", "    break;", "  }//switch", "return(0);", "}", ""});
}

} // namespace

void writePtEvents(Lines& out, const std::vector<PtUnit>& units) {
    for (const PtUnit& unit : units) {
        writeEventLoop(out, unit);
        if (unit.hasRepeat) writeRepeatHandler(out, unit);
    }
}

} // namespace ornadeck
