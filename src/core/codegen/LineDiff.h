#pragma once

#include <cstddef>
#include <vector>

namespace ornadeck {

// A run of lines `a[aStart, aEnd)` that became `b[bStart, bEnd)`; either may be empty.
struct DiffHunk {
    std::size_t aStart, aEnd, bStart, bEnd;
    bool operator==(const DiffHunk&) const = default;
};

// The changes from `a` to `b`, lines given as numbers from 0 up (equal lines, equal numbers),
// in order.
// Histogram diff, as git's: the rarest lines common to both anchor the match, so that the
// many "}" and blank lines of generated code never pair up across handlers. Linear in the
// lines for the usual edits; regions whose common lines all repeat more than 64 times are
// taken as changed as a whole rather than searched.
std::vector<DiffHunk> diffLines(const std::vector<int>& a, const std::vector<int>& b);

} // namespace ornadeck
