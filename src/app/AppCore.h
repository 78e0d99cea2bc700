#pragma once

#include "QtUi.h"
#include "designer/Clipboard.h"
#include "designer/LayoutCommands.h"
#include "engine/LibraryKit.h"
#include "generate/IconPicture.h"
#include "model/Settings.h"
#include "model/Workspace.h"
#include "render/FormRenderer.h"
#include "render/PalmFonts.h"
#include "workbench/GenerateSession.h"
#include "workbench/ProjectCommands.h"
#include "workbench/RecoveryFiles.h"
#include "workbench/SettingsLifecycle.h"

#include <filesystem>

namespace ornadeck::app {

// The core objects the desktop program works through, built once in dependency order.
// The app keeps no design state of its own: everything it shows is read from here.
class AppCore {
  public:
    AppCore(std::filesystem::path programFolder, std::filesystem::path settingsFile);
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    // Settings into the workspace (library, grid, short names), then the Palm fonts, each
    // missing one reported through the Ui.
    void start();
    // Writes the settings the program keeps between runs; false when that failed (the Ui
    // has said why).
    bool quit();

    const std::filesystem::path& programFolder() const { return programFolder_; }
    const std::filesystem::path& settingsFile() const { return settingsFile_; }

    QtUi ui;
    Workspace workspace;
    Settings settings;
    PalmFonts fonts;
    LibraryKits kits{workspace, ui};
    ProjectCommands projects{workspace, ui, settings, kits};
    Clipboard clipboard{workspace, kits};
    LayoutCommands layout{workspace, ui};
    FormRenderer renderer{fonts};
    // Lives as long as the program: the generate window keeps its contents between showings.
    GenerateSession generate{workspace, ui, readPicture};
    // Unsaved forms, kept in the per-user state folder against a crash.
    RecoveryFiles recovery;

  private:
    std::filesystem::path programFolder_;
    std::filesystem::path settingsFile_;
    SettingsLifecycle lifecycle_{workspace, settings, ui, settingsFile_};
};

} // namespace ornadeck::app
