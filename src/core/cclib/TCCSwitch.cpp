#include "cclib/TCCSwitch.h"

namespace ornadeck {

TCCSwitch::TCCSwitch() : Control(ClassId::CCSwitch) { setBoundsQuietly(0, 0, 32, 14); }

} // namespace ornadeck
