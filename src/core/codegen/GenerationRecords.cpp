#include "codegen/GenerationRecords.h"

#include "model/AtomicFile.h"
#include "platform/Platform.h"

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

namespace {

fs::path formOrderPath(const fs::path& directory, const std::string& project) {
    return directory / ".ornadeck" / platform::pathFromUtf8(project + ".forms");
}

} // namespace

std::vector<std::string> readFormOrder(const fs::path& directory, const std::string& project) {
    std::string bytes;
    std::vector<std::string> names;
    if (!readFileBytes(formOrderPath(directory, project), bytes)) return names;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        if (end > start) names.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

Status writeFormOrder(const fs::path& directory, const std::string& project,
                      const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += name + "\n";
    const fs::path path = formOrderPath(directory, project);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return ec ? Status::fail("Cannot create " + path.parent_path().string() + ": " + ec.message())
              : writeFileAtomically(path, text);
}

} // namespace ornadeck
