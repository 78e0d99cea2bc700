#include "AppCore.h"

#include "platform/Platform.h"

namespace ornadeck::app {

AppCore::AppCore(std::filesystem::path programFolder, std::filesystem::path settingsFile)
    : settings(Settings::load(settingsFile)),
      recovery(RecoveryFiles::defaultFolder(), platform::currentProcessId()),
      programFolder_(std::move(programFolder)), settingsFile_(std::move(settingsFile)) {
    workspace.metrics = &fonts;
}

void AppCore::start() {
    lifecycle_.start();
    fonts = PalmFonts::load(programFolder_, ui);
}

bool AppCore::quit() { return lifecycle_.quit().ok(); }

} // namespace ornadeck::app
