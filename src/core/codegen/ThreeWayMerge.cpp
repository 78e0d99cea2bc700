#include "codegen/ThreeWayMerge.h"

#include "codegen/LineDiff.h"
#include "codegen/MergeHunks.h"

#include <algorithm>
#include <unordered_map>

namespace ornadeck {

namespace {

bool isMarker(std::string_view line, char c, std::size_t size) {
    if (line.size() < size) return false;
    for (std::size_t i = 0; i < size; ++i)
        if (line[i] != c) return false;
    const std::string_view rest = line.substr(size);
    return rest.empty() || rest[0] == ' ' || rest[0] == '\r' || rest[0] == '\n';
}

using LineList = std::vector<std::string_view>;

// Each distinct line gets a number, the same in all three texts.
class LineNumbers {
  public:
    std::vector<int> of(const LineList& lines) {
        std::vector<int> out;
        out.reserve(lines.size());
        for (std::string_view l : lines)
            out.push_back(numbers_.try_emplace(l, static_cast<int>(numbers_.size())).first->second);
        return out;
    }

  private:
    std::unordered_map<std::string_view, int> numbers_;
};

// One side's lines for the base lines [start, end), its hunks applied.
LineList sideVersion(const LineList& base, const LineList& side, const std::vector<DiffHunk>& hunks,
                     std::size_t first, std::size_t last, std::size_t start, std::size_t end) {
    LineList out;
    std::size_t at = start;
    for (std::size_t h = first; h < last; ++h) {
        out.insert(out.end(), base.begin() + static_cast<long>(at),
                   base.begin() + static_cast<long>(hunks[h].aStart));
        out.insert(out.end(), side.begin() + static_cast<long>(hunks[h].bStart),
                   side.begin() + static_cast<long>(hunks[h].bEnd));
        at = hunks[h].aEnd;
    }
    out.insert(out.end(), base.begin() + static_cast<long>(at),
               base.begin() + static_cast<long>(end));
    return out;
}

// diff3: changes of the two sides that touch or overlap the same base lines form one region;
// a region changed by one side only, or by both alike, merges; any other is a conflict.
std::vector<MergeHunk> mergeRegions(const LineList& base, const LineList& ours,
                                    const LineList& theirs) {
    LineNumbers numbers;
    const std::vector<int> b = numbers.of(base), o = numbers.of(ours), t = numbers.of(theirs);
    const std::vector<DiffHunk> mine = diffLines(b, o), new_ = diffLines(b, t);
    std::vector<MergeHunk> out;
    std::size_t at = 0, i = 0, j = 0;
    while (i < mine.size() || j < new_.size()) {
        const bool fromMine =
            j == new_.size() || (i < mine.size() && mine[i].aStart <= new_[j].aStart);
        const std::size_t start = fromMine ? mine[i].aStart : new_[j].aStart;
        std::size_t end = fromMine ? mine[i].aEnd : new_[j].aEnd;
        const std::size_t i0 = i, j0 = j;
        fromMine ? ++i : ++j;
        for (bool grew = true; grew;) {
            grew = false;
            for (; i < mine.size() && mine[i].aStart <= end; ++i, grew = true)
                end = std::max(end, mine[i].aEnd);
            for (; j < new_.size() && new_[j].aStart <= end; ++j, grew = true)
                end = std::max(end, new_[j].aEnd);
        }
        MergeHunk same;
        same.ours.assign(base.begin() + static_cast<long>(at),
                         base.begin() + static_cast<long>(start));
        if (!same.ours.empty()) out.push_back(std::move(same));
        MergeHunk region;
        region.ours = sideVersion(base, ours, mine, i0, i, start, end);
        region.theirs = sideVersion(base, theirs, new_, j0, j, start, end);
        if (i0 == i) {
            region.ours = std::move(region.theirs);
        } else if (j0 != j && region.ours != region.theirs) {
            region.conflict = true;
            region.base.assign(base.begin() + static_cast<long>(start),
                               base.begin() + static_cast<long>(end));
        }
        if (!region.conflict) region.theirs.clear();
        out.push_back(std::move(region));
        at = end;
    }
    MergeHunk rest;
    rest.ours.assign(base.begin() + static_cast<long>(at), base.end());
    if (!rest.ours.empty()) out.push_back(std::move(rest));
    return out;
}

} // namespace

std::string withCrLfBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    return out;
}

bool holdsClashMarkers(std::string_view text) {
    for (std::string_view line : splitLines(text))
        if (isMarker(line, '<', 7) || isMarker(line, '>', 7) || isMarker(line, '|', 7) ||
            (line.starts_with("=======") &&
             line.find_first_not_of("\r\n", 7) == std::string_view::npos))
            return true;
    return false;
}

MergedText mergeThreeWay(std::string_view base, std::string_view ours, std::string_view theirs,
                         const ClashLabels& labels) {
    MergedText out;
    if (ours == base || ours == theirs) {
        out.text = theirs;
        return out;
    }
    if (theirs == base) {
        out.text = ours;
        return out;
    }
    // A picture or an archive saved under the file's name has no lines to merge.
    if (ours.find('\0') != std::string_view::npos) {
        out.status = Status::fail("The file holds binary content: it cannot be merged.");
        return out;
    }
    const std::vector<MergeHunk> hunks =
        mergeRegions(splitLines(base), splitLines(ours), splitLines(theirs));
    joinHunks(hunks, labels, out);
    return out;
}

} // namespace ornadeck
