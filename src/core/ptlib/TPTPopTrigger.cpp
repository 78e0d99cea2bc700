#include "ptlib/TPTPopTrigger.h"

namespace ornadeck {

TPTPopTrigger::TPTPopTrigger() : UnframedControl(ClassId::PTPopTrigger) {
    setBoundsQuietly(0, 0, 35, 15);
}

} // namespace ornadeck
