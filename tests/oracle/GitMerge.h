#pragma once

#include "codegen/ThreeWayMerge.h"

#include <string_view>

namespace ornadeck::test {

// The same merge done by git's own three-way file merge (libgit2's git_merge_file, diff3
// style), its conflicts then settled and written as Ornadeck does: the reference the
// program's diff3 is held to.
MergedText gitMerge(std::string_view base, std::string_view ours, std::string_view theirs,
                    const ClashLabels& labels = {});

} // namespace ornadeck::test
