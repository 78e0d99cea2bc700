#pragma once

#include "model/Status.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ornadeck {

// Replaces `target` with `bytes` so that a crash or a full disk never leaves a
// half-written file: the data goes to a temporary file in the same folder, which
// is renamed over the target only once it is completely on disk. On failure the
// old target is untouched, no temporary file is left behind and the message reads
// "Cannot write PATH: reason". A new file gets the usual permissions (0666 less
// the umask); an existing file keeps its permission bits.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Reads the whole of a regular file into `out` ("Cannot read PATH: reason" on
// failure, `out` then unspecified). Folders, devices and pipes are refused.
Status readFileBytes(const std::filesystem::path& path, std::string& out);

} // namespace ornadeck
