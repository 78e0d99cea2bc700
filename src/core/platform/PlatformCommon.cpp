#include "platform/Platform.h"

namespace ornadeck::platform {

std::filesystem::path xdgFolder(const char* xdg, const char* home, const char* fallback) {
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    if (home && *home) return std::filesystem::path(home) / fallback;
    return {};
}

} // namespace ornadeck::platform
