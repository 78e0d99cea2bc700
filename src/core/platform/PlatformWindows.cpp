#ifdef _WIN32

#include "platform/Platform.h"

#include <random>
#include <windows.h>

namespace ornadeck::platform {

namespace fs = std::filesystem;

namespace {

// The usual failures as the portable codes the messages are made from; others as they are.
std::error_code lastError() {
    const DWORD code = ::GetLastError();
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return std::make_error_code(std::errc::permission_denied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return std::make_error_code(std::errc::file_exists);
    default:
        return {static_cast<int>(code), std::system_category()};
    }
}

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }
    bool close() {
        const bool ok = !valid() || ::CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
        if (written == 0) { // no progress and no error: treat as a full disk
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

fs::path environmentFolder(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

} // namespace

int currentProcessId() { return static_cast<int>(::GetCurrentProcessId()); }

std::string hostName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!::GetComputerNameW(name, &size)) return {};
    return utf8Of(fs::path(std::wstring(name, size)));
}

std::string userName() { return utf8Of(environmentFolder(L"USERNAME")); }

bool processIsRunning(int processId) {
    if (processId <= 0) return false;
    Handle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId)));
    if (!process.valid()) return ::GetLastError() == ERROR_ACCESS_DENIED; // someone else's
    DWORD exitCode = 0;
    return ::GetExitCodeProcess(process.get(), &exitCode) && exitCode == STILL_ACTIVE;
}

std::error_code replaceFileDurably(const fs::path& target, std::string_view bytes) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_error_code(std::errc::is_a_directory);

    static constexpr wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 rng(seed());
    std::uniform_int_distribution<std::size_t> pick(0, 35);
    std::wstring temp;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temp = target.wstring() + L".tmp-";
        for (int i = 0; i < 6; ++i)
            temp += kAlphabet[pick(rng)];
        created = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return lastError();
    }
    Handle file(created);
    if (!file.valid()) return lastError();
    std::error_code failed;
    if (!writeAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) failed = lastError();
    if (!file.close() && !failed) failed = lastError();
    if (!failed && !::MoveFileExW(temp.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failed = lastError();
    if (failed) ::DeleteFileW(temp.c_str());
    return failed;
}

std::error_code readRegularFile(const fs::path& path, std::string& out) {
    // Backup semantics opens a folder too, so that it is told apart from a missing file.
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) return lastError();
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info)) return lastError();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::make_error_code(std::errc::is_a_directory);
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::make_error_code(std::errc::invalid_argument);
    out.clear();
    out.reserve((static_cast<std::size_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return lastError();
        if (n == 0) break;
        out.append(buffer, n);
    }
    return {};
}

bool isWritable(const fs::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           ((attributes & FILE_ATTRIBUTE_DIRECTORY) || !(attributes & FILE_ATTRIBUTE_READONLY));
}

fs::path userConfigFolder() { return environmentFolder(L"APPDATA"); }
fs::path userStateFolder() { return environmentFolder(L"LOCALAPPDATA"); }

fs::path programFile() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return {};
        if (n < name.size()) {
            name.resize(n);
            return fs::path(name);
        }
        name.resize(name.size() * 2);
    }
}

std::tm localTime(std::time_t time) {
    std::tm parts{};
    localtime_s(&parts, &time);
    return parts;
}

} // namespace ornadeck::platform

#endif
