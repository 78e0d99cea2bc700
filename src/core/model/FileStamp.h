#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace ornadeck {

// What a file held when this program last looked: whether it was there, its size and a hash
// of its bytes. The hash decides whether two looks saw the same file; a modification time is
// not kept, since a write within the clock's granularity (or a touch) would fool it.
struct FileStamp {
    bool exists = false;
    // A file that is there but cannot be read matches only another such look.
    bool readable = false;
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;

    bool sameContent(const FileStamp& other) const {
        if (exists != other.exists || readable != other.readable) return false;
        return !readable || (size == other.size && hash == other.hash);
    }
};

FileStamp stampOfBytes(std::string_view bytes);
// A file that is gone gives a stamp that does not exist.
FileStamp stampOfFile(const std::filesystem::path& path);

// One file this program keeps open (a form's, the project's): what it last read or wrote
// there, and the outside change the user was last told about, so that one change asks once.
struct DiskRecord {
    std::optional<FileStamp> known; // nothing for a file not yet read or written
    std::optional<FileStamp> told;

    void note(const FileStamp& stamp) {
        known = stamp;
        told.reset();
    }
    void forget() {
        known.reset();
        told.reset();
    }
};

} // namespace ornadeck
