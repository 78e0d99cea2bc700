#pragma once

namespace ornadeck {

class Form;
class TPTDialog;

// Only one dialog of a form is shown for editing at a time: the "tested" one.

// Hides the tested dialog, if any, and leaves the form without one.
void putAwayTestedDialog(Form& form);

// A dialog just placed on the surface: on top, with the surface's grid, and tested.
void testPlacedDialog(Form& form, TPTDialog& dialog);

} // namespace ornadeck
