#pragma once

#include "codegen/ThreeWayMerge.h"
#include "model/Status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ornadeck {

enum class OutputAction {
    Write,      // no file yet, or it holds the new text already
    Merge,      // the user's changes merged into the new text
    Backup,     // no record of the last generation and a different file: kept aside first
    Unresolved, // clash markers still in the file, or it cannot be read: left alone
};

// What saving one generated file will do to it, decided before anything is written.
struct OutputPlan {
    OutputAction action = OutputAction::Write;
    std::string text; // what the file gets
    std::vector<std::size_t> clashLines;
    std::vector<KeptLines> kept;
    std::filesystem::path backup; // Backup: where the old file goes
    std::string problem;          // Unresolved: why
};

// Compares the file at `path` with the record of its last generation and the `generated`
// text (the handheld's character set, CR LF breaks) and merges when it can.
OutputPlan planOutput(const std::filesystem::path& path, const std::string& generated);

// Carries the plan out: the backup first, then the file (`text`, which may be the plan's
// or the user's edit of it), then the record of `generated`. Either the file is written
// and its old content is in the backup or the merge, or nothing changes. A record that
// cannot be written does not undo the file: `recordProblem` says why it is missing.
Status carryOut(const std::filesystem::path& path, const OutputPlan& plan, std::string_view text,
                std::string_view generated, std::string& recordProblem);

// The first free "NAME.bak", "NAME.1.bak", "NAME.2.bak", ... beside the file.
std::filesystem::path freeBackupPath(const std::filesystem::path& path);

} // namespace ornadeck
