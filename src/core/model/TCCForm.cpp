#include "model/TCCForm.h"

namespace ornadeck {

TCCForm::TCCForm() : Control(ClassId::CCForm) { setBoundsQuietly(4, 2, kScreenSize, kScreenSize); }

void TCCForm::setTitle(std::string v) {
    title_ = std::move(v);
    repaint();
}

void TCCForm::setGridSpace(int v) {
    gridSpace_ = v;
    repaint();
}

void TCCForm::setGridVisible(int v) {
    gridVisible_ = v;
    repaint();
}

} // namespace ornadeck
