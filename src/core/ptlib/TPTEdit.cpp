#include "ptlib/TPTEdit.h"

namespace ornadeck {

TPTEdit::TPTEdit() : UnframedControl(ClassId::PTEdit) { setBoundsQuietly(0, 0, 32, 15); }

} // namespace ornadeck
