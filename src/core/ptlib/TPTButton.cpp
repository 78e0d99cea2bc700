#include "ptlib/TPTButton.h"

namespace ornadeck {

TPTButton::TPTButton() : DoubleFramedControl(ClassId::PTButton) { setBoundsQuietly(0, 0, 40, 14); }

} // namespace ornadeck
