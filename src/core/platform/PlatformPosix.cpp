#ifndef _WIN32

#include "platform/Platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace ornadeck::platform {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Closes the descriptor and removes the temporary file unless the save went through.
class TempFile {
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!path.empty()) ::unlink(path.c_str());
    }

    int fd = -1;
    std::string path; // cleared once renamed over the target
};

// O_EXCL with a random suffix rather than mkstemp, so that the new file gets
// 0666 less the umask like any other file the user creates.
int createUnique(const fs::path& target, std::string& pathOut) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 rng(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = target.string() + ".tmp-";
        for (int i = 0; i < 6; ++i)
            candidate += kAlphabet[pick(rng)];
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            if (fd >= 0) pathOut = std::move(candidate);
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) { // no progress and no error: treat as a full disk
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const fs::path& target) {
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // best effort: the rename has happened either way
    ::close(fd);
}

// A killed program stays in the process table until its parent collects it, and a launcher
// may take its time; such a program is dead all the same.
bool isZombie(int processId) {
    std::ifstream in("/proc/" + std::to_string(processId) + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return false;
    const auto close = stat.rfind(')'); // the name in parentheses may hold anything
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] == 'Z';
}

} // namespace

int currentProcessId() { return static_cast<int>(::getpid()); }

bool processIsRunning(int processId) {
    if (processId <= 0) return false;
    // EPERM: it runs, as another user.
    return (::kill(processId, 0) == 0 || errno == EPERM) && !isZombie(processId);
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string userName() {
    if (const char* user = std::getenv("USER"); user && *user) return user;
    if (const passwd* entry = ::getpwuid(::geteuid())) return entry->pw_name;
    return {};
}

std::error_code replaceFileDurably(const fs::path& target, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return std::make_error_code(std::errc::is_a_directory);

    TempFile temp;
    temp.fd = createUnique(target, temp.path);
    if (temp.fd < 0) return lastError();
    if (exists && ::fchmod(temp.fd, existing.st_mode & 07777) != 0) return lastError();
    if (!writeAll(temp.fd, bytes)) return lastError();
    if (::fsync(temp.fd) != 0) return lastError();
    const int fd = temp.fd;
    temp.fd = -1;
    // Some file systems only report a failed write-back at close.
    if (::close(fd) != 0) return lastError();
    if (::rename(temp.path.c_str(), target.c_str()) != 0) return lastError();
    temp.path.clear();
    syncFolder(target);
    return {};
}

std::error_code readRegularFile(const fs::path& path, std::string& out) {
    // O_NONBLOCK so that opening a pipe by mistake cannot hang before we refuse it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return lastError();
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0) return lastError();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);

    out.clear();
    if (info.st_size > 0) out.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

bool isWritable(const fs::path& path) { return ::access(path.c_str(), W_OK) == 0; }

#if defined(__APPLE__)
fs::path userConfigFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? fs::path(home) / "Library" / "Application Support" : fs::path();
}
fs::path userStateFolder() { return userConfigFolder(); }
#else
fs::path userConfigFolder() {
    return xdgFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
}
fs::path userStateFolder() {
    return xdgFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"), ".local/state");
}
#endif

fs::path programFile() {
#if defined(__APPLE__)
    char buffer[4096];
    std::uint32_t size = sizeof buffer;
    return _NSGetExecutablePath(buffer, &size) == 0 ? fs::path(buffer) : fs::path();
#else
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
#endif
}

std::tm localTime(std::time_t time) {
    std::tm parts{};
    localtime_r(&time, &parts);
    return parts;
}

} // namespace ornadeck::platform

#endif
