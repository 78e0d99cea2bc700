#include "model/ProjectPaths.h"

#include "platform/Platform.h"

namespace ornadeck {

namespace fs = std::filesystem;

std::string pathForProjectFile(const fs::path& file, const fs::path& projectFolder) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec).lexically_normal();
    const fs::path folder = fs::absolute(projectFolder, ec).lexically_normal();
    if (!projectFolder.empty() && !ec) {
        const fs::path inside = absolute.lexically_relative(folder);
        if (!inside.empty() && *inside.begin() != ".." && !inside.is_absolute()) {
            const std::u8string text = inside.generic_u8string();
            return std::string(text.begin(), text.end());
        }
    }
    return platform::utf8Of(absolute);
}

fs::path pathFromProjectFile(std::string_view written, const fs::path& projectFolder) {
    std::string text(written);
#ifndef _WIN32
    // A relative path written on Windows separates with "\", which is no separator here.
    if (!text.empty() && text.front() != '/')
        for (char& c : text)
            if (c == '\\') c = '/';
#endif
    fs::path path = platform::pathFromUtf8(text);
    if (!path.empty() && path.is_relative()) path = projectFolder / path;
    return path.make_preferred(); // "\" throughout on Windows, as the system spells paths
}

} // namespace ornadeck
