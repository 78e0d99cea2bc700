#include "designer/LayoutKinds.h"

#include "cclib/TCCBitmap.h"
#include "model/Control.h"

#include <algorithm>
#include <cstdint>
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

// The coordinates a kind's position or size is kept in: the Palm rectangle, the window
// rectangle, or none for a size the kind's drawing decides.
enum class Coords : std::uint8_t { None, Palm, Window };
struct LayoutSides {
    Coords left, top, width, height;
};

LayoutSides sidesOf(Library library, const Control& control) {
    constexpr Coords P = Coords::Palm, W = Coords::Window, N = Coords::None;
    const ClassId id = control.classId();
    // The same coordinates as each kind's inspector rows.
    if (library == Library::PToolboxLib) {
        switch (id) {
        case ClassId::PTButton:
        case ClassId::CCSwitch:
        case ClassId::CCRadio:
            return {P, P, P, P};
        case ClassId::CCButton: // a select box's width follows its text
            return {P, P, N, P};
        case ClassId::PTCheckbox:
            return {P, P, W, W};
        case ClassId::PTList:
            return {P, P, P, N};
        case ClassId::PTLabel:
        case ClassId::PTGsi:
            return {W, W, N, N};
        default:
            return {W, W, W, W};
        }
    }
    switch (id) {
    case ClassId::CCButton:
    case ClassId::CCSwitch:
    case ClassId::CCRadio:
        return {P, P, P, P};
    case ClassId::CCCheckbox:
        return {P, P, W, N};
    case ClassId::CCBitmap:
    case ClassId::PTDialog:
        return {W, W, W, W};
    default: // the text lines and lists: their height follows their font or rows
        return {P, P, P, N};
    }
}

Coords coordsOf(Library library, const Control& c, LayoutSide side) {
    const LayoutSides sides = sidesOf(library, c);
    switch (side) {
    case LayoutSide::Left:
        return sides.left;
    case LayoutSide::Top:
        return sides.top;
    case LayoutSide::Width:
        return sides.width;
    case LayoutSide::Height:
        break;
    }
    return sides.height;
}

} // namespace

bool takesPartIn(Library library, const Control& control, AlignCommand command) {
    return library == Library::PToolboxLib ? ptoolboxTakesPart(control.classId(), command)
                                           : ccontrolsTakesPart(control.classId(), command);
}

std::optional<int> readLayoutSide(Library library, const Control& c, LayoutSide side) {
    Coords coords = coordsOf(library, c, side);
    // Right and Bottom still line up the edge of a control whose drawing decides its size.
    if (coords == Coords::None && side == LayoutSide::Width)
        coords = coordsOf(library, c, LayoutSide::Left);
    if (coords == Coords::None && side == LayoutSide::Height)
        coords = coordsOf(library, c, LayoutSide::Top);
    if (coords == Coords::None) return std::nullopt;
    return props::readSide(c, side, coords == Coords::Palm);
}

void writeLayoutSide(Library library, Control& c, LayoutSide side, int value) {
    const Coords coords = coordsOf(library, c, side);
    if (coords == Coords::None) return;
    const bool size = side == LayoutSide::Width || side == LayoutSide::Height;
    if (size && library == Library::CControls && c.classId() == ClassId::CCBitmap)
        value = std::min(value, TCCBitmap::kCControlsMaxSize);
    props::writeSide(c, side, coords == Coords::Palm, Control::clampCoord(value));
}

} // namespace ornadeck
