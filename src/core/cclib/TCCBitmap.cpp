#include "cclib/TCCBitmap.h"

namespace ornadeck {

TCCBitmap::TCCBitmap() : Control(ClassId::CCBitmap) {
    setBoundsQuietly(0, 0, 20, 20);
    setSelectColor(kBlack);
}

} // namespace ornadeck
