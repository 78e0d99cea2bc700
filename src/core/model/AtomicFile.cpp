#include "model/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ornadeck {

namespace {

std::string reason(int error) { return std::generic_category().message(error); }

Status writeFailure(const std::filesystem::path& target, const std::string& why) {
    return Status::fail("Cannot write " + target.string() + ": " + why);
}

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
int createUnique(const std::filesystem::path& target, std::string& pathOut) {
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

void syncFolder(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // best effort: the rename has happened either way
    ::close(fd);
}

} // namespace

Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return writeFailure(target, reason(EISDIR));

    TempFile temp;
    temp.fd = createUnique(target, temp.path);
    if (temp.fd < 0) return writeFailure(target, reason(errno));

    if (exists && ::fchmod(temp.fd, existing.st_mode & 07777) != 0)
        return writeFailure(target, reason(errno));
    if (!writeAll(temp.fd, bytes)) return writeFailure(target, reason(errno));
    if (::fsync(temp.fd) != 0) return writeFailure(target, reason(errno));
    const int fd = temp.fd;
    temp.fd = -1;
    // Some file systems only report a failed write-back at close.
    if (::close(fd) != 0) return writeFailure(target, reason(errno));
    if (::rename(temp.path.c_str(), target.c_str()) != 0)
        return writeFailure(target, reason(errno));
    temp.path.clear();
    syncFolder(target);
    return {};
}

Status readFileBytes(const std::filesystem::path& path, std::string& out) {
    const auto failure = [&](int error) {
        return Status::fail("Cannot read " + path.string() + ": " + reason(error));
    };
    // O_NONBLOCK so that opening a pipe by mistake cannot hang before we refuse it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return failure(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0) return failure(errno);
    if (S_ISDIR(info.st_mode)) return failure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return Status::fail("Cannot read " + path.string() + ": not a regular file");

    out.clear();
    if (info.st_size > 0) out.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failure(errno);
        }
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

} // namespace ornadeck
