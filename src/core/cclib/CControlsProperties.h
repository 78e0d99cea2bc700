#pragma once

#include "engine/PropertyTable.h"

namespace ornadeck {

class Control;
class Form;
class TCCMenu;

// The property table of a CControls control's kind, or null for an object of no kind.
const PropertyTable* ccPropertiesOf(const Control& control);

// Opens one menu of the bar: it shows its items, every other menu only its title. Opening it
// by its Test also shows the bar; merely showing it in the inspector does not.
void openMenu(Form& form, TCCMenu& menu, bool showBar);

} // namespace ornadeck
