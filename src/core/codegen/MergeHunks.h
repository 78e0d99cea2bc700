#pragma once

#include "codegen/ThreeWayMerge.h"

#include <string_view>
#include <vector>

namespace ornadeck {

// The text's lines, each with its own line break (the last may have none).
std::vector<std::string_view> splitLines(std::string_view text);

// A run of the merge: lines both sides agree on (`ours` only), or a conflict with each
// side's lines.
struct MergeHunk {
    bool conflict = false;
    std::vector<std::string_view> ours, base, theirs;
};

// Writes the merge into `out`: each conflict that only looks like one is settled, the rest
// become clashes between markers; lines kept from removed blocks go at the end.
void joinHunks(const std::vector<MergeHunk>& hunks, const ClashLabels& labels, MergedText& out);

} // namespace ornadeck
