#include "codegen/PToolboxKinds.h"

#include "model/ItemsControl.h"
#include "ptlib/TPTButton.h"

#include <cstdint>
#include <cstdio>

namespace ornadeck {

PtKind ptKindOf(const Control& control) {
    switch (control.classId()) {
    case ClassId::PTButton:
        return PtKind::Button;
    case ClassId::CCSwitch:
        return PtKind::Push;
    case ClassId::CCButton:
        return PtKind::Select;
    case ClassId::PTCheckbox:
        return PtKind::CheckBox;
    case ClassId::PTLabel:
        return PtKind::Label;
    case ClassId::PTList:
        return PtKind::List;
    case ClassId::PTPopTrigger:
        return PtKind::PopTrigger;
    case ClassId::PTEdit:
        return PtKind::Field;
    case ClassId::PTDialog:
        return PtKind::Dialog;
    case ClassId::PTGsi:
        return PtKind::Gsi;
    case ClassId::CCBitmap:
        return PtKind::Bitmap;
    case ClassId::CCRadio:
        return PtKind::Radio;
    default:
        return PtKind::Other;
    }
}

bool isRepeatButton(const Control& control) {
    return control.classId() == ClassId::PTButton &&
           static_cast<const TPTButton&>(control).buttonType() == TPTButton::kRepeat;
}

int ptNumberCount(const Control& control) {
    switch (ptKindOf(control)) {
    case PtKind::Dialog:
    case PtKind::Gsi:
    case PtKind::Bitmap:
    case PtKind::Other:
        return 0;
    case PtKind::Radio:
        return static_cast<const ItemsControl&>(control).itemCount();
    default:
        return 1;
    }
}

std::string groupHex(int group) {
    // A negative group is written as the 32-bit pattern the library would receive.
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X", static_cast<std::uint32_t>(group));
    return digits;
}

bool isLinked(const std::string& name) { return !name.empty() && name != "(None)"; }

} // namespace ornadeck
