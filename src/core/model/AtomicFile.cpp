#include "model/AtomicFile.h"

#include "platform/Platform.h"

namespace ornadeck {

Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    if (const std::error_code ec = platform::replaceFileDurably(target, bytes))
        return Status::fail("Cannot write " + target.string() + ": " + ec.message());
    return {};
}

Status readFileBytes(const std::filesystem::path& path, std::string& out) {
    const std::error_code ec = platform::readRegularFile(path, out);
    if (ec == std::errc::invalid_argument)
        return Status::fail("Cannot read " + path.string() + ": not a regular file");
    if (ec) return Status::fail("Cannot read " + path.string() + ": " + ec.message());
    return {};
}

} // namespace ornadeck
