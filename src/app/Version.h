#pragma once

namespace ornadeck::app {

inline constexpr const char* kVersion = "1.1";

} // namespace ornadeck::app
