#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

// Who has a project open, as its lock file says.
struct LockHolder {
    int processId = 0;
    std::string host;
    std::string user;
    std::string since; // local time, "2026-12-07 11:50"

    // "user, host, since 2026-12-07 11:50", for telling the user.
    std::string description() const;
};

// The lock file beside a project: ".~NAME.ozp#", as office programs name theirs.
std::filesystem::path lockFileFor(const std::filesystem::path& project);
std::string lockFileText(const LockHolder& holder);
// Nothing for text that names no process (a garbled or foreign file).
std::optional<LockHolder> parseLockFile(std::string_view text);
// This program, now.
LockHolder thisProgram();

// Free: no lock, or one nobody can be named by. Ours: this very program's. Stale: left on
// this host by a program that no longer runs. Held: a live program's, or one on another host,
// which cannot be looked at.
enum class LockState { Free, Ours, Stale, Held };
LockState judgeLock(const std::optional<LockHolder>& holder, const LockHolder& me,
                    const std::function<bool(int)>& isRunning);

// The lock this program holds on its open project: taken on open, removed on close and quit.
// The lock is a courtesy to other copies of the program, never a reason to refuse work: a
// folder that cannot be written just goes unlocked.
class ProjectLock {
  public:
    // `isRunning` tells a live process from a dead one; tests pass their own.
    explicit ProjectLock(std::function<bool(int)> isRunning = {});
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // Whoever else holds `project` open; nothing when it is free, ours or stale.
    std::optional<LockHolder> otherHolder(const std::filesystem::path& project) const;
    // Writes our lock beside `project` (over a stale one or, when the user said so, a live
    // one), letting go of any lock held before.
    void take(const std::filesystem::path& project);
    // Removes our lock, unless another program has written its own over it since.
    void release();
    const std::filesystem::path& lockFile() const { return lockFile_; }

  private:
    std::function<bool(int)> isRunning_;
    LockHolder me_;
    std::filesystem::path lockFile_;
};

} // namespace ornadeck
