#pragma once

#include "model/Status.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

// Lines the user wrote inside a block the generator no longer writes (a removed control's
// handler): moved to the end of the file under one comment line, never dropped.
struct KeptLines {
    std::string block; // the block's first line as generated, "OnOkButton()" or "case Ok"
    std::size_t count = 0;
};

struct MergedText {
    std::string text;
    // 1-based line of each "<<<<<<<" in `text`: places where the user and the generator
    // changed the same lines.
    std::vector<std::size_t> clashLines;
    std::vector<KeptLines> kept;
    // Fails for binary content, which has no lines to merge.
    Status status;
};

// The labels written on a clash's marker lines.
struct ClashLabels {
    std::string ours = "yours";
    std::string base = "last generated";
    std::string theirs = "generated now";
};

// Merges the user's changes (`base` -> `ours`) with the generator's (`base` -> `theirs`),
// line by line, lines ending in CR LF, as diff3 and git do. Where both touched the same place, changes that do
// not contradict each other are combined: lines the user inserted stay where they were put
// when the generator renamed, inserted or deleted around them. What truly contradicts is a
// clash, written between git's conflict markers with the base in the middle.
MergedText mergeThreeWay(std::string_view base, std::string_view ours, std::string_view theirs,
                         const ClashLabels& labels = {});

// Whether a line of the text is a conflict marker left by a clash ("<<<<<<<", "=======",
// ">>>>>>>" or "|||||||" at the start of a line).
bool holdsClashMarkers(std::string_view text);

// Every line break as CR LF and a break after the last line: the generated texts' form, so
// that a file an editor saved with other breaks differs only where it was edited.
std::string withCrLfBreaks(std::string_view text);

} // namespace ornadeck
