#include "codegen/GenerationSettings.h"

#include "model/IniFile.h"
#include "platform/Platform.h"

#include <filesystem>

namespace ornadeck {

GenerationSettings GenerationSettings::read(const IniFile& project,
                                            const std::string& defaultOutput) {
    GenerationSettings s;
    s.output = project.readString("Code", "Output", defaultOutput);
    s.firstForm = project.readString("Code", "FirstForm", "");
    s.memos = project.readInt("Code", "Memo", 0) != 0;
    s.creatorId = project.readString("Code", "CreatorID", s.creatorId);
    s.appName = project.readString("Code", "AppName", s.appName);
    s.appDb = project.readString("Code", "AppDB", s.appDb);
    s.version = project.readString("Code", "Version", s.version);
    for (std::size_t i = 0; i < kIconSlots.size(); ++i) {
        std::string path = project.readString("Icons", kIconSlots[i].key, "");
        std::error_code ec;
        if (!path.empty() && std::filesystem::is_regular_file(path, ec)) s.icons[i] = path;
    }
    return s;
}

std::filesystem::path
GenerationSettings::outputFolder(const std::filesystem::path& projectFolder) const {
    if (output.empty()) return projectFolder;
    const std::filesystem::path folder = platform::pathFromUtf8(output);
    return folder.is_relative() ? projectFolder / folder : folder;
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
