#include "model/FileStamp.h"

#include "model/AtomicFile.h"

#include <string>

namespace ornadeck {

FileStamp stampOfBytes(std::string_view bytes) {
    // FNV-1a: quick, and plenty to tell one version of a small text file from another.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return {true, true, bytes.size(), hash};
}

FileStamp stampOfFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    std::string bytes;
    if (!readFileBytes(path, bytes)) return {true, false, 0, 0};
    return stampOfBytes(bytes);
}

} // namespace ornadeck
