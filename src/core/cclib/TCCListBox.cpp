#include "cclib/TCCListBox.h"

namespace ornadeck {

TCCListBox::TCCListBox() : ItemsControl(ClassId::CCListBox) {
    setBoundsQuietly(0, 0, 35, 14);
    setSelectColor(kBlack);
}

} // namespace ornadeck
