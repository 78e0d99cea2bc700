#include "workbench/SettingsLifecycle.h"

#include "designer/GridMode.h"
#include "model/Settings.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "platform/Platform.h"

namespace ornadeck {

namespace fs = std::filesystem;

fs::path settingsFilePath(const fs::path& programFolder) {
    const fs::path beside = programFolder / "options.ini";
    std::error_code ec;
    // The folder must take a write too: the file is replaced through a temporary beside it.
    if (fs::is_regular_file(beside, ec) && platform::isWritable(beside) &&
        platform::isWritable(programFolder))
        return beside;
    const fs::path config = platform::userConfigFolder();
    if (config.empty()) return beside;
    return config / "ornadeck" / "options.ini";
}

SettingsLifecycle::SettingsLifecycle(Workspace& workspace, Settings& settings, Ui& ui,
                                     fs::path file)
    : workspace_(workspace), settings_(settings), ui_(ui), file_(std::move(file)) {}

void SettingsLifecycle::start() {
    workspace_.library = settings_.library;
    setGridMode(workspace_, settings_.grid);
    workspace_.shortNames = settings_.shortNames;
}

Status SettingsLifecycle::quit() {
    settings_.library = workspace_.library;
    settings_.grid = workspace_.gridMode;
    settings_.shortNames = workspace_.shortNames;
    // A failure here shows up as the write's own failure below.
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    Status status = settings_.save(file_);
    if (!status) ui_.showError("The settings were not saved. " + status.message());
    return status;
}

} // namespace ornadeck
