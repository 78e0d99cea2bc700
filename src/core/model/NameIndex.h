#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ornadeck {

// Finds the position of a name in a caller's list without regard to ASCII case, with no
// allocation per lookup. The list keeps the names and `nameAt(position)` reads them; the
// index keeps a hash of each. A short list is scanned by hash; a longer one gets an
// open-addressing table, so a file of many sections or keys loads in time proportional to
// its size.
class NameIndex {
  public:
    template <class NameAt>
    std::optional<std::size_t> find(std::string_view name, NameAt nameAt) const {
        return find(name, hashFolded(name), nameAt);
    }
    // With the name's hashFolded already known.
    template <class NameAt>
    std::optional<std::size_t> find(std::string_view name, std::uint32_t hash,
                                    NameAt nameAt) const {
        if (slots_.empty()) {
            for (std::size_t i = 0; i < hashes_.size(); ++i)
                if (hashes_[i] == hash && sameFolded(nameAt(i), name)) return i;
            return std::nullopt;
        }
        for (std::size_t s = hash & mask(); slots_[s] != 0; s = (s + 1) & mask()) {
            const std::size_t position = slots_[s] - 1;
            if (hashes_[position] == hash && sameFolded(nameAt(position), name)) return position;
        }
        return std::nullopt;
    }

    // The list gained `name` at its end.
    void append(std::string_view name) { appendHashed(hashFolded(name)); }
    void appendHashed(std::uint32_t hash);
    void reserve(std::size_t size) { hashes_.reserve(size); }

    // The list changed other than at its end (an erase moved positions).
    template <class NameAt> void rebuild(std::size_t size, NameAt nameAt) {
        hashes_.clear();
        slots_.clear();
        for (std::size_t i = 0; i < size; ++i)
            append(nameAt(i));
    }

    static bool sameFolded(std::string_view a, std::string_view b);
    static std::uint32_t hashFolded(std::string_view text);

  private:
    static constexpr std::size_t kScanLimit = 16;

    std::size_t mask() const { return slots_.size() - 1; }
    void growSlots();
    void place(std::size_t position);

    std::vector<std::uint32_t> hashes_; // by position
    std::vector<std::uint32_t> slots_;  // position + 1; 0 is a free slot
};

} // namespace ornadeck
