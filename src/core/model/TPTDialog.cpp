#include "model/TPTDialog.h"

namespace ornadeck {

TPTDialog::TPTDialog() : DoubleFramedControl(ClassId::PTDialog) {
    setBoundsQuietly(0, 0, 160, 160);
}

void TPTDialog::setTitle(std::string v) {
    title_ = std::move(v);
    repaint();
}

void TPTDialog::setGridSpace(int v) {
    gridSpace_ = v;
    repaint();
}

void TPTDialog::setGridVisible(int v) {
    gridVisible_ = v;
    repaint();
}

} // namespace ornadeck
