#pragma once

#include "designer/LayoutKinds.h"

namespace ornadeck {

class Form;
class Ui;
struct Workspace;

enum class LayoutAxis { Horizontal, Vertical };

// The Align & Size commands over the marked controls of one form, for the workspace's
// library. They change positions and sizes only, through each kind's own accessors. Marks come from
// the designer window: the primary colour (blue on the surface, red in a dialog) marks the
// reference. Menus never take part. While a command runs the form's resize notifications are off,
// so no size change re-marks the selection midway; they are on again afterwards.
class LayoutCommands {
  public:
    // The commands say nothing to the user; the Ui is taken for callers that pass one.
    LayoutCommands(Workspace& workspace, Ui&) : workspace_(workspace) {}

    // Lines up or sizes the marked controls of the reference's parent to the reference.
    // Nothing happens without a reference, or when its kind has no such value.
    void alignOrSize(Form& form, AlignCommand command);
    // Centers each marked control in its parent, the surface or a dialog.
    void center(Form& form, LayoutAxis axis);
    // Spreads the marked controls of the surface, and separately of each dialog, with equal
    // gaps between the first and the last in order of position.
    void space(Form& form, LayoutAxis axis);

  private:
    Workspace& workspace_;
};

} // namespace ornadeck
