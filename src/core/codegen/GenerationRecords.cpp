#include "codegen/GenerationRecords.h"

#include "model/AtomicFile.h"

#include <system_error>

namespace ornadeck {

namespace fs = std::filesystem;

fs::path recordPath(const fs::path& output) {
    return output.parent_path() / ".ornadeck" / output.filename();
}

std::optional<std::string> readRecord(const fs::path& output) {
    std::string bytes;
    if (!readFileBytes(recordPath(output), bytes)) return std::nullopt;
    return bytes;
}

Status writeRecord(const fs::path& output, std::string_view generated) {
    const fs::path path = recordPath(output);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    Status written =
        ec ? Status::fail("Cannot create " + path.parent_path().string() + ": " + ec.message())
           : writeFileAtomically(path, generated);
    if (!written) fs::remove(path, ec);
    return written;
}

} // namespace ornadeck
