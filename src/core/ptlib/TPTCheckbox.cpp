#include "ptlib/TPTCheckbox.h"

namespace ornadeck {

TPTCheckbox::TPTCheckbox() : Control(ClassId::PTCheckbox) { setBoundsQuietly(0, 0, 58, 13); }

} // namespace ornadeck
