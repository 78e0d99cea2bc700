#pragma once

#include "model/FileStamp.h"
#include "model/Status.h"

#include <filesystem>
#include <functional>

namespace ornadeck {

class IniFile;

// Reads the project file, lets `change` write its keys and saves the file atomically, so
// every key it does not touch stays as it was. A file that exists but cannot be read is
// left alone rather than replaced by the few keys written here.
// `written`, when given, gets the stamp of what was written.
Status editProjectFile(const std::filesystem::path& path,
                       const std::function<void(IniFile&)>& change, FileStamp* written = nullptr);

} // namespace ornadeck
