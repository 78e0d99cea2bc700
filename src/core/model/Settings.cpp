#include "model/Settings.h"

#include <algorithm>

namespace ornadeck {

namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kRecent = "MRU Items";

// "F0", "F1", ...; appended, as `"F" + std::string` trips GCC 12's -Wrestrict at -O3.
std::string recentKey(std::size_t i) {
    std::string key = "F";
    key += std::to_string(i);
    return key;
}

} // namespace

Settings Settings::load(const std::filesystem::path& path) {
    Settings s;
    if (!s.ini_.load(path)) s.ini_ = IniFile();
    const int lib = s.ini_.readInt(kGeneral, "Lib", 2);
    s.library = lib == 1 ? Library::CControls : Library::PToolboxLib;
    s.grid = s.ini_.readInt(kGeneral, "Grid", 1) == 1;
    s.shortNames = s.ini_.readInt(kGeneral, "ShortNames", 0) == 1;
    s.formWhite = s.ini_.readInt("Design", "FormWhite", 0) == 1;
    s.ccontrolsPath = s.ini_.readString("Code", "CControlsPath", "");
    for (std::size_t i = 0; i < kRecentLimit; ++i) {
        const std::string value = s.ini_.readString(kRecent, recentKey(i), "");
        if (!value.empty()) s.recent_.push_back(value);
    }
    return s;
}

Status Settings::save(const std::filesystem::path& path) {
    ini_.writeInt(kGeneral, "Lib", static_cast<int>(library));
    ini_.writeInt(kGeneral, "Grid", grid ? 1 : 0);
    ini_.writeInt(kGeneral, "ShortNames", shortNames ? 1 : 0);
    ini_.eraseSection(kRecent);
    for (std::size_t i = 0; i < recent_.size(); ++i)
        ini_.writeString(kRecent, recentKey(i), recent_[i]);
    return ini_.save(path);
}

Status Settings::saveOptions(const std::filesystem::path& path) {
    ini_.writeInt("Design", "FormWhite", formWhite ? 1 : 0);
    ini_.writeString("Code", "CControlsPath", ccontrolsPath);
    // On a first run the per-user settings folder may not exist yet.
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return Status::fail("Cannot write " + path.string() + ": " + ec.message());
    return ini_.save(path);
}

void Settings::removeObsoleteRecent() {
    std::erase_if(recent_, [](const std::string& path) {
        std::error_code ec;
        return !std::filesystem::exists(path, ec);
    });
}

void Settings::addRecent(const std::string& path) {
    std::erase(recent_, path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > kRecentLimit) recent_.resize(kRecentLimit);
}

} // namespace ornadeck
