#pragma once

// What differs between the systems the core runs on, and nothing else: processes, durable
// file replacement, the per-user folders and the program's own folder. Everything else in
// the core is plain C++. Paths are std::filesystem::path throughout; on Windows every call
// takes the path's wide form, so any file name works.
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace ornadeck::platform {

int currentProcessId();
// This machine's name and the user's login name, for telling who holds a file; empty when
// the system does not say.
std::string hostName();
std::string userName();
// Whether a process of this number runs, whoever's it is. A killed one its parent has not
// collected yet (a zombie) is dead all the same.
bool processIsRunning(int processId);

// Replaces `target` with `bytes` through a temporary file in the same folder: every write
// checked, flushed to the disk, then renamed over the target. On failure the target is
// untouched and the temporary file is gone; the error says why. A replaced file keeps its
// permission bits.
std::error_code replaceFileDurably(const std::filesystem::path& target, std::string_view bytes);
// Reads a regular file whole: std::errc::is_a_directory for a folder,
// std::errc::invalid_argument for a device or a pipe, never waiting on one.
std::error_code readRegularFile(const std::filesystem::path& path, std::string& out);
// Whether the file or folder may be written by this user.
bool isWritable(const std::filesystem::path& path);

// The per-user folders for settings and for state such as recovery files: XDG's on Linux
// ($XDG_CONFIG_HOME or ~/.config, $XDG_STATE_HOME or ~/.local/state), %APPDATA% and
// %LOCALAPPDATA% on Windows, Application Support on macOS. Empty when none is known.
std::filesystem::path userConfigFolder();
std::filesystem::path userStateFolder();
// The XDG rule: `xdg` when it is an absolute path, else `home`/`fallback`, else empty.
std::filesystem::path xdgFolder(const char* xdg, const char* home, const char* fallback);
// The running program's file, empty when the system does not say.
std::filesystem::path programFile();
// Its folder, else the current folder.
std::filesystem::path programFolder();

std::tm localTime(std::time_t time);

// Text in files is UTF-8; a path made from a plain string on Windows would read it in the
// ANSI code page instead. These convert between the two on every system.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8Of(const std::filesystem::path& path);

} // namespace ornadeck::platform
