#pragma once

#include "render/Image.h"

namespace ornadeck {

class Control;
class FontSet;
class Form;

// The pictures of a form: its 160 x 160 screen alone, or the whole designer picture with
// the device around it. Hidden controls are left out; each control is clipped to its own
// rectangle and a dialog's controls to the dialog.
class FormRenderer {
  public:
    // The designer shows the selection marks and the grid's dots; a picture for others
    // leaves them out.
    enum class Aids { Shown, Hidden };

    explicit FormRenderer(const FontSet& fonts) : fonts_(fonts) {}

    Image surface(const Form& form, Aids aids = Aids::Shown) const;
    Image designer(const Form& form, Aids aids = Aids::Shown) const;
    // One control alone, its window's size, without marks: what a drag from the toolbar
    // carries under the pointer.
    Image control(const Control& control) const;

  private:
    // Paints the form with its screen's top-left corner at (x, y) of the image.
    void paint(Image& image, const Form& form, int x, int y, Aids aids) const;

    const FontSet& fonts_;
};

} // namespace ornadeck
