#include "render/FontFolder.h"

#include "render/PalmFonts.h"

#include <string>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

bool holdsAFont(const fs::path& folder) {
    std::error_code ec;
    for (std::string_view face : PalmFonts::kFaces)
        if (fs::is_regular_file(folder / (std::string(face) + ".bdf"), ec)) return true;
    return false;
}

} // namespace

fs::path fontFolderFor(const fs::path& programFolder) {
    // A build tree wins: an installed bin/ never has fonts beside it.
    if (holdsAFont(programFolder)) return programFolder;
    const fs::path installed =
        (programFolder / ".." / "share" / "ornadeck" / "fonts").lexically_normal();
    if (holdsAFont(installed)) return installed;
    return programFolder;
}

} // namespace ornadeck
