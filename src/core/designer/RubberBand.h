#pragma once

#include "model/Point.h"

#include <vector>

namespace ornadeck {

class Control;
class Engine;
class Form;

// The rectangle a drag over the bare surface spans, in surface pixels, both corner pixels
// included.
struct BandRect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom are the last pixels

    static BandRect between(Point a, Point b);
    // Whether a control's rectangle, given in surface pixels, shares a pixel with the band.
    bool touches(int x, int y, int width, int height) const;
    bool operator==(const BandRect&) const = default;
};

// The visible controls the band touches, in control-list order. Inside the tested dialog
// the band takes the dialog's touched children; the dialog itself only when it takes none,
// since marking a child of a dialog unmarks the dialog. Hidden dialogs and their children
// are never taken.
std::vector<Control*> touchedControls(const Form& form, BandRect band);

// Marks `controls` (after clearing every mark unless `add`) and returns the reference of the
// layout commands: `previous` when it is marked, else the first marked in control-list
// order; null when nothing is marked. The reference takes the primary mark colour in its
// parent, every other group its first marked control.
Control* markBand(Form& form, const Engine& engine, const std::vector<Control*>& controls, bool add,
                  Control* previous);

} // namespace ornadeck
