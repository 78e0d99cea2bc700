#pragma once

#include "codegen/Generation.h"
#include "codegen/GenerationSettings.h"
#include "workbench/IconFiles.h"
#include "workbench/PaneText.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ornadeck {

class IniFile;
class Ui;
struct Workspace;

// What the generate window shows and what its buttons do. It lives as long as the program,
// so the directory box, the icons and the panes keep their contents between showings.
class GenerateSession {
  public:
    enum Pane : std::size_t { Main, Forms, Events, Header, PaneCount };
    static constexpr std::size_t kCreatorIdLimit = 4;
    static constexpr std::size_t kDbNameLimit = 31;

    // `readPicture` reads the icon files the user picks: the desktop reads every format its
    // image reader knows; icons are saved as Windows bitmaps whatever they were.
    GenerateSession(Workspace& workspace, Ui& ui, PictureReader readPicture);

    // Refreshes everything from the open project, as each showing of the window does.
    void open();
    const std::string& title() const { return title_; }

    const std::string& output() const { return output_; }
    void setOutput(std::string text) { output_ = std::move(text); }
    // The designer windows' form names, in window order; -1 when there is none.
    const std::vector<std::string>& formNames() const { return formNames_; }
    int firstForm() const { return firstForm_; }
    void chooseFirstForm(int index);

    bool memos() const { return memos_; }
    // Either target empties the panes; the memos target hides the PRC properties and Save.
    void chooseTarget(bool memos);
    bool prcShown() const { return !memos_; }
    bool saveShown() const { return !memos_; }
    // Off until the first generation, then on for the rest of the program's run.
    // Never in a project opened read-only.
    bool saveEnabled() const;

    const std::string& creatorId() const { return creatorId_; }
    const std::string& appName() const { return appName_; }
    const std::string& appDb() const { return appDb_; }
    const std::string& version() const { return version_; }
    // The Creator ID keeps its first 4 characters, the DB name its first 31.
    void setCreatorId(const std::string& text);
    void setAppName(std::string text) { appName_ = std::move(text); }
    void setAppDb(const std::string& text);
    void setVersion(std::string text) { version_ = std::move(text); }

    // Icon slots are numbered as kIconSlots; the path shown in a box, empty when none.
    const std::string& icon(std::size_t slot) const { return icons_.at(slot); }
    static std::string iconLabel(std::size_t slot); // "1 bit large"
    static std::string iconTitle(std::size_t slot); // "Open 1 bit large icon"
    // The picture-open dialog; a picture chosen is shown and its path written into the
    // project file at once. False when cancelled or refused.
    bool pickIcon(std::size_t slot);

    // After Generate a pane shows what Save will write: the new code with the changes made to
    // its file since the last generation merged in.
    const std::string& pane(std::size_t p) const { return panes_.at(p).text; }
    // "Events", or "Events (clash)" when the merge holds a clash or the file still holds one.
    std::string paneTitle(std::size_t p) const;
    void editPane(std::size_t p, std::string text);
    // Blank until the pane's text is first set after opening.
    PaneCounters counters(std::size_t p) const;

    // Writes the Code keys into the project file, then fills the four panes.
    bool generate();
    // Writes the panes' texts and the icons into the output directory.
    bool save();
    // Where Save writes: the directory box, a relative one taken from the project's folder.
    std::filesystem::path outputDirectory() const;

  private:
    struct PaneState {
        std::string text;
        bool counted = false;
        bool clash = false;
        bool edited = false; // since the last Generate
    };

    void setPane(std::size_t p, std::string text);
    void showMerged(const GeneratedTexts& texts);
    void tellOutcome(const SaveReport& report);
    // Writes keys into the project file, asking first when someone else changed it; false
    // when nothing was written because the user said No or the write failed (told).
    bool writeProjectKeys(const std::function<void(IniFile&)>& change);
    void emptyPanes();
    GenerationSettings settings() const;
    std::filesystem::path projectFolder() const;

    Workspace& workspace_;
    Ui& ui_;
    PictureReader readPicture_;
    std::string title_;
    std::string output_;
    // The project the directory box was filled for: another project starts from its own.
    std::string outputProject_;
    std::vector<std::string> formNames_;
    int firstForm_ = -1;
    bool memos_ = false;
    bool saveEnabled_ = false;
    std::string creatorId_, appName_, appDb_, version_;
    std::array<std::string, kIconSlots.size()> icons_;
    std::array<PaneState, PaneCount> panes_;
    // The generator's own texts of the last Generate: recorded as the next merge's base.
    GeneratedTexts generated_;
    bool generatedShown_ = false;
};

} // namespace ornadeck
