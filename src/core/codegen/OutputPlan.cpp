#include "codegen/OutputPlan.h"

#include "codegen/GenerationRecords.h"
#include "model/AtomicFile.h"

#include <system_error>

namespace ornadeck {

namespace fs = std::filesystem;

fs::path freeBackupPath(const fs::path& path) {
    std::error_code ec;
    fs::path candidate = path.string() + ".bak";
    for (int n = 1; fs::exists(candidate, ec) || ec; ++n)
        candidate = path.string() + "." + std::to_string(n) + ".bak";
    return candidate;
}

OutputPlan planOutput(const fs::path& path, const std::string& generated) {
    OutputPlan plan;
    std::error_code ec;
    if (!fs::exists(path, ec) && !ec) {
        plan.text = generated;
        return plan;
    }
    std::string ours;
    if (Status read = readFileBytes(path, ours); !read) {
        plan.action = OutputAction::Unresolved;
        plan.problem = read.message();
        return plan;
    }
    if (ours == generated) {
        plan.text = generated;
        return plan;
    }
    if (holdsClashMarkers(ours)) {
        plan.action = OutputAction::Unresolved;
        plan.problem = path.string() +
                       " still holds the markers of a clash: resolve them, then generate again.";
        return plan;
    }
    if (const std::optional<std::string> base = readRecord(path)) {
        const std::string name = path.filename().string();
        MergedText merged = mergeThreeWay(*base, withCrLfBreaks(ours), generated,
                                          {name + " (yours)", "last generated", "generated now"});
        if (merged.status) {
            plan.action = OutputAction::Merge;
            plan.text = std::move(merged.text);
            plan.clashLines = std::move(merged.clashLines);
            plan.kept = std::move(merged.kept);
            return plan;
        }
    }
    plan.action = OutputAction::Backup;
    plan.backup = freeBackupPath(path);
    plan.text = generated;
    return plan;
}

Status carryOut(const fs::path& path, const OutputPlan& plan, std::string_view text,
                std::string_view generated, std::string& recordProblem) {
    if (plan.action == OutputAction::Unresolved) return Status::fail(plan.problem);
    if (plan.action == OutputAction::Backup) {
        std::string old;
        std::error_code ec;
        if (fs::exists(plan.backup, ec) || ec)
            return Status::fail("Cannot keep " + path.string() + " as " + plan.backup.string() +
                                ": that file exists now; nothing was written.");
        if (Status s = readFileBytes(path, old); !s) return s;
        if (Status s = writeFileAtomically(plan.backup, old); !s) return s;
    }
    if (Status s = writeFileAtomically(path, text); !s) return s;
    if (Status s = writeRecord(path, generated); !s)
        recordProblem = s.message() + ". The next generation keeps a backup of " +
                        path.filename().string() + " instead of merging it.";
    return {};
}

} // namespace ornadeck
