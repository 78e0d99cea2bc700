#pragma once

#include "model/Point.h"

#include <cstdint>

namespace ornadeck {

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held during a pointer event (Alt plays no part in any rule). A release
// must carry the button being released too, whatever the toolkit reports, so that a click
// reads the same at both ends. A move without any button flag means no button is held.
struct ShiftState {
    enum Flag : std::uint8_t {
        Shift = 1,
        Ctrl = 2,
        LeftButton = 8,
        RightButton = 16,
        MiddleButton = 32,
    };
    std::uint8_t flags = 0;

    constexpr ShiftState() = default;
    constexpr ShiftState(std::uint8_t f) : flags(f) {}
    constexpr bool has(Flag f) const { return (flags & f) != 0; }
    constexpr bool isExactly(std::uint8_t f) const { return flags == f; }
    constexpr ShiftState without(std::uint8_t f) const {
        return ShiftState(static_cast<std::uint8_t>(flags & ~f));
    }
};

constexpr ShiftState::Flag buttonFlag(MouseButton b) {
    switch (b) {
    case MouseButton::Left:
        return ShiftState::LeftButton;
    case MouseButton::Right:
        return ShiftState::RightButton;
    case MouseButton::Middle:
        break;
    }
    return ShiftState::MiddleButton;
}

} // namespace ornadeck
