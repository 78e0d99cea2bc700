#include "workbench/RecoveryFiles.h"

#include "designer/FormUndo.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/IntText.h"
#include "platform/Platform.h"

#include <algorithm>
#include <system_error>

namespace ornadeck {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "Ornadeck recovery";
constexpr std::string_view kExtension = ".ozr";

std::string localTime(std::time_t t) {
    const std::tm parts = platform::localTime(t);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

// Files are named "<process>-<form>.ozr"; another running program's files are its own
// business. A file under this program's own number is a dead run's whose number came back.
bool otherOwnerIsRunning(const fs::path& file, int self) {
    const std::string stem = file.stem().string();
    const auto dash = stem.find('-');
    const auto pid = parseIniInt(stem.substr(0, dash));
    return dash != std::string::npos && pid && *pid > 0 && *pid != self &&
           platform::processIsRunning(*pid);
}

} // namespace

RecoveryFiles::RecoveryFiles(fs::path folder, int processId)
    : folder_(std::move(folder)), processId_(processId) {}

fs::path RecoveryFiles::defaultFolder(const char* xdgStateHome, const char* home) {
    fs::path base = platform::xdgFolder(xdgStateHome, home, ".local/state");
    if (base.empty()) base = fs::path("/tmp") / ".local" / "state";
    return base / "ornadeck" / "recovery";
}

fs::path RecoveryFiles::defaultFolder() {
    const fs::path base = platform::userStateFolder();
    return base.empty() ? defaultFolder(nullptr, nullptr) : base / "ornadeck" / "recovery";
}

fs::path RecoveryFiles::fileOf(int undoId) const {
    return folder_ /
           (std::to_string(processId_) + "-" + std::to_string(undoId) + std::string(kExtension));
}

Status RecoveryFiles::keep(const Form& form, FormUndo& undo, Library library, std::time_t now) {
    if (!undo.modified()) {
        forget(undo);
        return {};
    }
    auto it = written_.find(undo.id());
    if (it != written_.end() && it->second == undo.revision()) return {};
    IniFile ini = IniFile::parse(undo.capture().formText);
    IniFile out;
    out.writeString(kHeader, "Name", form.name());
    out.writeString(kHeader, "File", form.filePath().string());
    out.writeString(kHeader, "Time", localTime(now));
    out.writeInt(kHeader, "Lib", static_cast<int>(library));
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) return Status::fail("Cannot write " + folder_.string() + ": " + ec.message());
    if (Status s = writeFileAtomically(fileOf(undo.id()), out.toText() + ini.toText()); !s)
        return s;
    written_[undo.id()] = undo.revision();
    return {};
}

void RecoveryFiles::forget(const FormUndo& undo) {
    if (written_.erase(undo.id()) == 0) return;
    std::error_code ec;
    fs::remove(fileOf(undo.id()), ec);
}

void RecoveryFiles::forgetAll() {
    for (const auto& [id, revision] : written_) {
        std::error_code ec;
        fs::remove(fileOf(id), ec);
    }
    written_.clear();
}

std::vector<RecoveryEntry> RecoveryFiles::found() const {
    std::vector<std::pair<fs::file_time_type, RecoveryEntry>> entries;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder_, ec)) {
        if (!item.is_regular_file(ec) || item.path().extension() != kExtension) continue;
        if (otherOwnerIsRunning(item.path(), processId_) || isOwn(item.path())) continue;
        IniFile ini;
        if (!ini.load(item.path()) || !ini.hasSection(kHeader)) continue;
        RecoveryEntry e{item.path(), ini.readString(kHeader, "Name", "Form"),
                        ini.readString(kHeader, "File", ""), ini.readString(kHeader, "Time", ""),
                        ini.readInt(kHeader, "Lib", 1) == 2 ? Library::PToolboxLib
                                                            : Library::CControls};
        entries.emplace_back(item.last_write_time(ec), std::move(e));
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RecoveryEntry> out;
    for (auto& [when, e] : entries)
        out.push_back(std::move(e));
    return out;
}

bool RecoveryFiles::isOwn(const fs::path& file) const {
    return std::any_of(written_.begin(), written_.end(),
                       [&](const auto& entry) { return fileOf(entry.first) == file; });
}

void RecoveryFiles::discard(const RecoveryEntry& entry) {
    std::error_code ec;
    fs::remove(entry.file, ec);
}

Status RecoveryFiles::readForm(const RecoveryEntry& entry, IniFile& form) {
    if (Status s = form.load(entry.file); !s) return s;
    form.eraseSection(kHeader);
    return {};
}

} // namespace ornadeck
