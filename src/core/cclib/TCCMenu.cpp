#include "cclib/TCCMenu.h"

namespace ornadeck {

TCCMenu::TCCMenu() : ItemsControl(ClassId::CCMenu) {
    setBoundsQuietly(4, 1, 35, 36);
    initFace("PilotBold");
}

void TCCMenu::placeUserLeft(int v) {
    userLeft_ = v;
    setLeft(v - 1);
}

void TCCMenu::placeUserWidth(int v) {
    userWidth_ = v;
    if (v > topicWidth_) setWidth(v + 3);
    repaint();
}

void TCCMenu::setTopicWidth(int v) {
    topicWidth_ = clampCoord(v);
    v = topicWidth_;
    if (v > userWidth_) setWidth(v + 4);
    repaint();
}

void TCCMenu::setTest(int v) {
    test_ = v;
    if (v != 0) setVisible(true);
    repaint();
}

void TCCMenu::itemsChanged() { setHeight(clampCoord(itemCount() * 11LL + 16)); }

// Drawing makes the menu one pixel lower than the item setter does.
void TCCMenu::applyDrawnSize(const TextMetrics&) {
    const int drawn = clampCoord(itemCount() * 11LL + 15);
    if (height() != drawn) setBoundsQuietly(left(), top(), width(), drawn);
}

} // namespace ornadeck
