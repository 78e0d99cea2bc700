#include "workbench/ProjectLock.h"

#include "model/AtomicFile.h"
#include "model/IniFile.h"
#include "platform/Platform.h"

#include <ctime>

namespace ornadeck {

namespace fs = std::filesystem;

namespace {

std::optional<LockHolder> readHolder(const fs::path& lockFile) {
    std::string bytes;
    if (!readFileBytes(lockFile, bytes)) return std::nullopt;
    return parseLockFile(bytes);
}

} // namespace

std::string LockHolder::description() const {
    return (user.empty() ? "unknown user" : user) + ", " + (host.empty() ? "unknown host" : host) +
           ", since " + (since.empty() ? "an unknown time" : since);
}

fs::path lockFileFor(const fs::path& project) {
    return project.parent_path() /
           platform::pathFromUtf8(".~" + platform::utf8Of(project.filename()) + "#");
}

std::string lockFileText(const LockHolder& holder) {
    IniFile ini;
    ini.writeInt("Lock", "Process", holder.processId);
    ini.writeString("Lock", "Host", holder.host);
    ini.writeString("Lock", "User", holder.user);
    ini.writeString("Lock", "Since", holder.since);
    return ini.toText();
}

std::optional<LockHolder> parseLockFile(std::string_view text) {
    const IniFile ini = IniFile::parse(text);
    LockHolder holder;
    holder.processId = ini.readInt("Lock", "Process", 0);
    if (holder.processId <= 0) return std::nullopt;
    holder.host = ini.readString("Lock", "Host", "");
    holder.user = ini.readString("Lock", "User", "");
    holder.since = ini.readString("Lock", "Since", "");
    return holder;
}

LockHolder thisProgram() {
    const std::tm now = platform::localTime(std::time(nullptr));
    char since[32] = {};
    std::strftime(since, sizeof since, "%Y-%m-%d %H:%M", &now);
    return {platform::currentProcessId(), platform::hostName(), platform::userName(), since};
}

LockState judgeLock(const std::optional<LockHolder>& holder, const LockHolder& me,
                    const std::function<bool(int)>& isRunning) {
    if (!holder) return LockState::Free;
    if (holder->host != me.host) return LockState::Held;
    if (holder->processId == me.processId) return LockState::Ours;
    return isRunning(holder->processId) ? LockState::Held : LockState::Stale;
}

ProjectLock::ProjectLock(std::function<bool(int)> isRunning)
    : isRunning_(isRunning ? std::move(isRunning) : platform::processIsRunning),
      me_(thisProgram()) {}

ProjectLock::~ProjectLock() { release(); }

std::optional<LockHolder> ProjectLock::otherHolder(const fs::path& project) const {
    std::optional<LockHolder> holder = readHolder(lockFileFor(project));
    if (judgeLock(holder, me_, isRunning_) != LockState::Held) return std::nullopt;
    return holder;
}

void ProjectLock::take(const fs::path& project) {
    release();
    const fs::path lockFile = lockFileFor(project);
    if (writeFileAtomically(lockFile, lockFileText(me_))) lockFile_ = lockFile;
}

void ProjectLock::release() {
    if (lockFile_.empty()) return;
    const std::optional<LockHolder> holder = readHolder(lockFile_);
    if (judgeLock(holder, me_, isRunning_) == LockState::Ours) {
        std::error_code ec;
        fs::remove(lockFile_, ec);
    }
    lockFile_.clear();
}

} // namespace ornadeck
