#pragma once

#include "model/Status.h"

#include <filesystem>

namespace ornadeck {

class Settings;
class Ui;
struct Workspace;

// Where options.ini lives: beside the program when that file exists there and can be written;
// otherwise $XDG_CONFIG_HOME/ornadeck/options.ini (default ~/.config/ornadeck/options.ini).
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder);

// The program's settings at start and at quit, so the desktop only calls these two.
class SettingsLifecycle {
  public:
    SettingsLifecycle(Workspace& workspace, Settings& settings, Ui& ui, std::filesystem::path file);

    // Library, grid mode, short names from the settings into the workspace, in that order,
    // with their effects.
    void start();
    // Writes "General" Lib, Grid, ShortNames (in that order) and "MRU Items"; a failed write
    // is reported once through the Ui. Returns the status.
    Status quit();
    const std::filesystem::path& file() const { return file_; }

  private:
    Workspace& workspace_;
    Settings& settings_;
    Ui& ui_;
    std::filesystem::path file_;
};

} // namespace ornadeck
