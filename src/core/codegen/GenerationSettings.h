#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace ornadeck {

class IniFile;

// The icon slots in the order they are generated and saved: 1, 2, 4, 8 bits, large first.
struct IconSlot {
    const char* key;       // the project file's Icons key
    const char* fileName;  // the bitmap written beside the code
    const char* directive; // the line of the Main text
};
inline constexpr std::array<IconSlot, 8> kIconSlots{{
    {"Large1", "large1.bmp", "@licon1"},
    {"Small1", "small1.bmp", "@sicon1"},
    {"Large2", "large2.bmp", "@licon2"},
    {"Small2", "small2.bmp", "@sicon2"},
    {"Large4", "large4.bmp", "@licon4"},
    {"Small4", "small4.bmp", "@sicon4"},
    {"Large8", "large8.bmp", "@licon8"},
    {"Small8", "small8.bmp", "@sicon8"},
}};

// What the generate window keeps in the project file's Code and Icons sections.
struct GenerationSettings {
    std::string output;
    std::string firstForm;
    bool memos = false;
    std::string creatorId = "ORDK";
    std::string appName = "Application";
    std::string appDb = "ApplicationDB";
    std::string version = "1.0";
    // Icon source files by slot; empty when none is loaded.
    std::array<std::string, kIconSlots.size()> icons;

    // Reads the keys with their defaults; `defaultOutput` stands for an absent Output. An
    // icon whose file no longer exists is left empty.
    // Icon paths are taken from `projectFolder` when relative; icons that are not there are
    // left out.
    static GenerationSettings read(const IniFile& project, const std::string& defaultOutput,
                                   const std::filesystem::path& projectFolder = {});
    // Where the code is written: Output, taken from the project's folder when relative; the
    // project's folder when Output is empty.
    std::filesystem::path outputFolder(const std::filesystem::path& projectFolder) const;
    // Writes the Code keys, in their order.
    void writeCode(IniFile& project) const;
};

} // namespace ornadeck
