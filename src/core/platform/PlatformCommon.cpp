#include "platform/Platform.h"

namespace ornadeck::platform {

std::filesystem::path xdgFolder(const char* xdg, const char* home, const char* fallback) {
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    if (home && *home) return std::filesystem::path(home) / fallback;
    return {};
}

std::filesystem::path programFolder() {
    const std::filesystem::path exe = programFile();
    if (exe.has_parent_path()) return exe.parent_path();
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : here;
}

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace ornadeck::platform
