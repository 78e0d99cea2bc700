#include "designer/LayoutKinds.h"

#include "cclib/CControlsProperties.h"
#include "model/Control.h"
#include "ptlib/PToolboxProperties.h"

#include <algorithm>
#include <initializer_list>

namespace ornadeck {

namespace {

using Kinds = std::initializer_list<ClassId>;

bool in(Kinds kinds, ClassId id) {
    return std::find(kinds.begin(), kinds.end(), id) != kinds.end();
}

bool ccontrolsTakesPart(ClassId id, AlignCommand command) {
    if (command == AlignCommand::Height)
        return in({ClassId::CCButton, ClassId::CCSwitch, ClassId::CCRadio, ClassId::CCBitmap,
                   ClassId::PTDialog},
                  id);
    return in({ClassId::CCButton, ClassId::CCSwitch, ClassId::CCCheckbox, ClassId::CCLabel,
               ClassId::CCEdit, ClassId::CCListBox, ClassId::CCDropDown, ClassId::CCRadio,
               ClassId::CCPopUp, ClassId::CCBitmap, ClassId::PTDialog},
              id);
}

bool ptoolboxTakesPart(ClassId id, AlignCommand command) {
    switch (command) {
    case AlignCommand::Height:
        return in({ClassId::PTButton, ClassId::CCButton, ClassId::CCSwitch, ClassId::CCRadio,
                   ClassId::PTCheckbox, ClassId::PTEdit, ClassId::PTPopTrigger, ClassId::CCBitmap,
                   ClassId::PTDialog},
                  id);
    case AlignCommand::Width:
        if (id == ClassId::PTLabel || id == ClassId::PTGsi) return false;
        [[fallthrough]];
    default:
        return in({ClassId::PTButton, ClassId::CCButton, ClassId::CCSwitch, ClassId::CCRadio,
                   ClassId::PTCheckbox, ClassId::PTLabel, ClassId::PTEdit, ClassId::PTList,
                   ClassId::PTPopTrigger, ClassId::PTGsi, ClassId::CCBitmap, ClassId::PTDialog},
                  id);
    }
}

} // namespace

bool takesPartIn(Library library, const Control& control, AlignCommand command) {
    return library == Library::PToolboxLib ? ptoolboxTakesPart(control.classId(), command)
                                           : ccontrolsTakesPart(control.classId(), command);
}

const PropertyTable* layoutPropertiesOf(Library library, const Control& control) {
    return library == Library::PToolboxLib ? ptPropertiesOf(control) : ccPropertiesOf(control);
}

} // namespace ornadeck
