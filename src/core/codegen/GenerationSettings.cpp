#include "codegen/GenerationSettings.h"

#include "model/IniFile.h"
#include "model/ProjectPaths.h"
#include "platform/Platform.h"

#include <filesystem>

namespace ornadeck {

GenerationSettings GenerationSettings::read(const IniFile& project,
                                            const std::string& defaultOutput,
                                            const std::filesystem::path& projectFolder) {
    GenerationSettings s;
    s.output = project.readString("Code", "Output", defaultOutput);
    s.firstForm = project.readString("Code", "FirstForm", "");
    s.memos = project.readInt("Code", "Memo", 0) != 0;
    s.creatorId = project.readString("Code", "CreatorID", s.creatorId);
    s.appName = project.readString("Code", "AppName", s.appName);
    s.appDb = project.readString("Code", "AppDB", s.appDb);
    s.version = project.readString("Code", "Version", s.version);
    for (std::size_t i = 0; i < kIconSlots.size(); ++i) {
        const std::string written = project.readString("Icons", kIconSlots[i].key, "");
        if (written.empty()) continue;
        const std::filesystem::path path = pathFromProjectFile(written, projectFolder);
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) s.icons[i] = platform::utf8Of(path);
    }
    return s;
}

std::filesystem::path
GenerationSettings::outputFolder(const std::filesystem::path& projectFolder) const {
    if (output.empty()) return projectFolder;
    return pathFromProjectFile(output, projectFolder);
}

void GenerationSettings::writeCode(IniFile& project) const {
    project.writeString("Code", "Output", output);
    project.writeString("Code", "FirstForm", firstForm);
    project.writeInt("Code", "Memo", memos ? 1 : 0);
    project.writeString("Code", "CreatorID", creatorId);
    project.writeString("Code", "AppName", appName);
    project.writeString("Code", "AppDB", appDb);
    project.writeString("Code", "Version", version);
}

} // namespace ornadeck
