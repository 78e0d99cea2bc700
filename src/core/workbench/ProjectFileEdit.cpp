#include "workbench/ProjectFileEdit.h"

#include "model/IniFile.h"

namespace ornadeck {

Status editProjectFile(const std::filesystem::path& path,
                       const std::function<void(IniFile&)>& change, FileStamp* written) {
    IniFile ini;
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        if (Status s = ini.load(path); !s) return s;
    change(ini);
    return ini.save(path, written);
}

} // namespace ornadeck
