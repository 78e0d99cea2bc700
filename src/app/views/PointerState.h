#pragma once

#include "designer/MouseInput.h"

#include <QtCore/qnamespace.h>

namespace ornadeck::app {

// The keys and buttons held during a pointer event, as the core's rules read them.
inline ShiftState shiftStateOf(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
    std::uint8_t flags = 0;
    if (keys & Qt::ShiftModifier) flags |= ShiftState::Shift;
    if (keys & Qt::ControlModifier) flags |= ShiftState::Ctrl;
    if (buttons & Qt::LeftButton) flags |= ShiftState::LeftButton;
    if (buttons & Qt::RightButton) flags |= ShiftState::RightButton;
    if (buttons & Qt::MiddleButton) flags |= ShiftState::MiddleButton;
    return ShiftState(flags);
}

} // namespace ornadeck::app
