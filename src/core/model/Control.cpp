#include "model/Control.h"

#include "model/Form.h"
#include "model/TextMetrics.h"

#include <algorithm>

namespace ornadeck {

Control::~Control() = default;

void Control::setBounds(int left, int top, int width, int height) {
    const int oldWidth = width_, oldHeight = height_;
    setBoundsQuietly(left, top, width, height);
    repaint();
    if (owner_ && (width_ != oldWidth || height_ != oldHeight)) owner_->notifyResized(*this);
}

int Control::clampCoord(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -kCoordLimit, kCoordLimit));
}

void Control::setBoundsQuietly(int left, int top, int width, int height) {
    left_ = clampCoord(left);
    top_ = clampCoord(top);
    width_ = std::clamp(width, 1, kCoordLimit);
    height_ = std::clamp(height, 1, kCoordLimit);
}

void Control::setVisible(bool v) {
    visible_ = v;
    repaint();
}

void Control::setFont(const Font& f) {
    font_ = f;
    repaint();
}

void Control::setFace(std::string_view face) {
    font_.face = std::string(face);
    repaint();
}

void Control::setColor(Color c) {
    color_ = c;
    repaint();
}

void Control::setTag(int v) {
    tag_ = v;
    repaint();
}

void Control::setSelected(bool v) {
    selected_ = v;
    repaint();
}

int Control::indexOf(const Control* child) const {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == child) return static_cast<int>(i);
    return -1;
}

void Control::bringChildToFront(Control* child) {
    const int i = indexOf(child);
    if (i < 0) return;
    std::rotate(children_.begin() + i, children_.begin() + i + 1, children_.end());
}

void Control::sendChildToBack(Control* child) {
    const int i = indexOf(child);
    if (i < 0) return;
    std::rotate(children_.begin(), children_.begin() + i, children_.begin() + i + 1);
}

void Control::moveChild(Control* child, int index) {
    const int from = indexOf(child);
    if (from < 0) return;
    const int to = std::clamp(index, 0, static_cast<int>(children_.size()) - 1);
    const auto at = [this](int i) { return children_.begin() + i; };
    if (to < from)
        std::rotate(at(to), at(from), at(from + 1));
    else
        std::rotate(at(from), at(from + 1), at(to + 1));
}

void Control::repaint() { applyDrawnSize(metrics()); }

const TextMetrics& Control::metrics() const {
    return owner_ ? owner_->metrics() : FallbackTextMetrics::instance();
}

} // namespace ornadeck
