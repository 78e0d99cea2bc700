#include "AppCore.h"

#include "designer/GridMode.h"

namespace ornadeck::app {

AppCore::AppCore(std::filesystem::path programFolder, std::filesystem::path settingsFile)
    : settings(Settings::load(settingsFile)), programFolder_(std::move(programFolder)),
      settingsFile_(std::move(settingsFile)) {
    workspace.metrics = &fonts;
}

void AppCore::start() {
    workspace.library = settings.library;
    setGridMode(workspace, settings.grid);
    workspace.shortNames = settings.shortNames;
    fonts = PalmFonts::load(programFolder_, ui);
}

bool AppCore::quit() {
    settings.library = workspace.library;
    settings.grid = workspace.gridMode;
    settings.shortNames = workspace.shortNames;
    if (Status s = settings.save(settingsFile_); !s) {
        ui.showError(s.message());
        return false;
    }
    return true;
}

} // namespace ornadeck::app
