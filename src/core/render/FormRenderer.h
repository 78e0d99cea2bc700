#pragma once

#include "render/Image.h"

namespace ornadeck {

class FontSet;
class Form;

// The pictures of a form: its 160 x 160 screen alone, or the whole designer picture with
// the device around it. Hidden controls are left out; each control is clipped to its own
// rectangle and a dialog's controls to the dialog.
class FormRenderer {
  public:
    explicit FormRenderer(const FontSet& fonts) : fonts_(fonts) {}

    Image surface(const Form& form) const;
    Image designer(const Form& form) const;

  private:
    // Paints the form with its screen's top-left corner at (x, y) of the image.
    void paint(Image& image, const Form& form, int x, int y) const;

    const FontSet& fonts_;
};

} // namespace ornadeck
