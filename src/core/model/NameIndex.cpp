#include "model/NameIndex.h"

#include <cstring>

namespace ornadeck {

namespace {

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool NameIndex::sameFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && folded(a[i]) != folded(b[i])) return false;
    return true;
}

// Eight bytes at a time. Setting bit 5 of every byte folds ASCII letters together (and
// some punctuation too, which only costs a rare extra comparison).
std::uint32_t NameIndex::hashFolded(std::string_view text) {
    constexpr std::uint64_t kFold = 0x2020202020202020ull;
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = text.size() * kMix;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        h = (h ^ (word | kFold)) * kMix;
        h ^= h >> 32;
    }
    // Byte by byte: a memcpy of a length not known here is a call, and most names are short.
    std::uint64_t tail = 0;
    for (std::size_t k = 0; i + k < text.size(); ++k)
        tail |= std::uint64_t{static_cast<unsigned char>(text[i + k]) | 0x20u} << (8 * k);
    h = (h ^ tail) * kMix;
    return static_cast<std::uint32_t>(h >> 32);
}

void NameIndex::appendHashed(std::uint32_t hash) {
    hashes_.push_back(hash);
    if (hashes_.size() <= kScanLimit) return;
    if (hashes_.size() * 2 > slots_.size())
        growSlots();
    else
        place(hashes_.size() - 1);
}

// Keeps the table at most half full.
void NameIndex::growSlots() {
    std::size_t capacity = 64;
    while (capacity < hashes_.size() * 2)
        capacity *= 2;
    slots_.assign(capacity, 0);
    for (std::size_t i = 0; i < hashes_.size(); ++i)
        place(i);
}

void NameIndex::place(std::size_t position) {
    std::size_t s = hashes_[position] & mask();
    while (slots_[s] != 0)
        s = (s + 1) & mask();
    slots_[s] = static_cast<std::uint32_t>(position + 1);
}

} // namespace ornadeck
