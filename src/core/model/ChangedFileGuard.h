#pragma once

#include "model/FileStamp.h"

#include <filesystem>

namespace ornadeck {

class Ui;

// Whether the file at `path` now differs from what this program last read or wrote there
// (`record`). A file never read here, or one that is gone, has nothing to lose.
bool changedBehindOurBack(const std::filesystem::path& path, const DiskRecord& record);

// Asks "... was changed on disk since it was opened. Overwrite it?", No by default; true for
// Yes. For a file changedBehindOurBack found.
bool askOverwriteChanged(const std::filesystem::path& path, Ui& ui);
// Before writing over a file: asks when someone else changed it. True when the write may go
// ahead.
bool mayOverwrite(const std::filesystem::path& path, const DiskRecord& record, Ui& ui);

} // namespace ornadeck
