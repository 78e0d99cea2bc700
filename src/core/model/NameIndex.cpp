#include "model/NameIndex.h"

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

// FNV-1a over the folded bytes.
std::uint32_t NameIndex::hashFolded(std::string_view text) {
    std::uint32_t h = 2166136261u;
    for (char c : text)
        h = (h ^ folded(c)) * 16777619u;
    return h ^ (h >> 15);
}

void NameIndex::append(std::string_view name) {
    hashes_.push_back(hashFolded(name));
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
