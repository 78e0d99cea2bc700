#include "AppCore.h"

#include <cstdlib>
#include <unistd.h>

namespace ornadeck::app {

AppCore::AppCore(std::filesystem::path programFolder, std::filesystem::path settingsFile)
    : settings(Settings::load(settingsFile)),
      recovery(RecoveryFiles::defaultFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")),
               static_cast<int>(::getpid())),
      programFolder_(std::move(programFolder)), settingsFile_(std::move(settingsFile)) {
    workspace.metrics = &fonts;
}

void AppCore::start() {
    lifecycle_.start();
    fonts = PalmFonts::load(programFolder_, ui);
}

bool AppCore::quit() { return lifecycle_.quit().ok(); }

} // namespace ornadeck::app
