#include "codegen/LineDiff.h"

#include <algorithm>
#include <utility>

namespace ornadeck {

namespace {

constexpr std::size_t kMaxOccurrences = 64;

struct Region {
    std::size_t aLo, aHi, bLo, bHi;
};

struct Run {
    std::size_t a = 0, b = 0, length = 0, occurrences = kMaxOccurrences + 1;
};

// Rarer first, then longer, then nearer the middle: with runs alike the region splits in
// halves, which keeps the search from going over the same lines again and again.
bool better(const Run& run, const Run& best, std::size_t middle) {
    if (run.occurrences != best.occurrences) return run.occurrences < best.occurrences;
    if (run.length != best.length) return run.length > best.length;
    auto distance = [middle](std::size_t b) { return b > middle ? b - middle : middle - b; };
    return distance(run.b) < distance(best.b);
}

class Matcher {
  public:
    Matcher(const std::vector<int>& a, const std::vector<int>& b)
        : a_(a), b_(b), next_(a.size(), kNone) {
        int most = -1;
        for (int n : a)
            most = std::max(most, n);
        for (int n : b)
            most = std::max(most, n);
        const auto numbers = static_cast<std::size_t>(most + 1);
        first_.assign(numbers, kNone);
        count_.assign(numbers, 0);
    }

    // Matched line pairs, in no particular order.
    std::vector<std::pair<std::size_t, std::size_t>> run() {
        std::vector<Region> work{{0, a_.size(), 0, b_.size()}};
        while (!work.empty()) {
            Region r = work.back();
            work.pop_back();
            while (r.aLo < r.aHi && r.bLo < r.bHi && a_[r.aLo] == b_[r.bLo])
                matches_.emplace_back(r.aLo++, r.bLo++);
            while (r.aLo < r.aHi && r.bLo < r.bHi && a_[r.aHi - 1] == b_[r.bHi - 1])
                matches_.emplace_back(--r.aHi, --r.bHi);
            if (r.aLo == r.aHi || r.bLo == r.bHi) continue;
            const Run anchor = rarestRun(r);
            if (anchor.length == 0) continue; // nothing worth matching: all of it changed
            for (std::size_t k = 0; k < anchor.length; ++k)
                matches_.emplace_back(anchor.a + k, anchor.b + k);
            work.push_back({r.aLo, anchor.a, r.bLo, anchor.b});
            work.push_back({anchor.a + anchor.length, r.aHi, anchor.b + anchor.length, r.bHi});
        }
        return std::move(matches_);
    }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // The longest common run through the line of `b` that is rarest in `a`. Each line's
    // places in `a` are chained from `first_` through `next_`, built and cleared per region
    // without allocating.
    Run rarestRun(const Region& r) {
        for (std::size_t i = r.aHi; i-- > r.aLo;) {
            const auto n = static_cast<std::size_t>(a_[i]);
            next_[i] = first_[n];
            first_[n] = i;
            ++count_[n];
        }
        Run best;
        const std::size_t middle = r.bLo + (r.bHi - r.bLo) / 2;
        for (std::size_t j = r.bLo; j < r.bHi;) {
            std::size_t next = j + 1;
            const auto n = static_cast<std::size_t>(b_[j]);
            if (count_[n] > 0 && count_[n] <= best.occurrences) {
                for (std::size_t i = first_[n]; i != kNone; i = next_[i]) {
                    std::size_t s = 0, e = 1;
                    while (i - s > r.aLo && j - s > r.bLo && a_[i - s - 1] == b_[j - s - 1])
                        ++s;
                    while (i + e < r.aHi && j + e < r.bHi && a_[i + e] == b_[j + e])
                        ++e;
                    const Run run{i - s, j - s, s + e, count_[n]};
                    if (better(run, best, middle)) best = run;
                    next = std::max(next, j + e);
                }
            }
            j = next; // lines inside a run just measured give the same run
        }
        for (std::size_t i = r.aLo; i < r.aHi; ++i) {
            first_[static_cast<std::size_t>(a_[i])] = kNone;
            count_[static_cast<std::size_t>(a_[i])] = 0;
        }
        return best.occurrences <= kMaxOccurrences ? best : Run{};
    }

    const std::vector<int>& a_;
    const std::vector<int>& b_;
    std::vector<std::size_t> next_, first_, count_;
    std::vector<std::pair<std::size_t, std::size_t>> matches_;
};

// A run of lines inserted (or deleted) between equal lines could as well sit lower; git puts
// it as low as it goes, which keeps a handler's lines with their own handler, and so do we.
void slideDown(std::vector<DiffHunk>& hunks, const std::vector<int>& a, const std::vector<int>& b) {
    for (std::size_t h = 0; h < hunks.size(); ++h) {
        DiffHunk& d = hunks[h];
        const std::size_t aLimit = h + 1 < hunks.size() ? hunks[h + 1].aStart : a.size();
        const std::size_t bLimit = h + 1 < hunks.size() ? hunks[h + 1].bStart : b.size();
        if (d.aStart == d.aEnd) {
            while (d.bEnd < bLimit && d.aEnd < aLimit && b[d.bEnd] == b[d.bStart]) {
                ++d.bStart, ++d.bEnd, ++d.aStart, ++d.aEnd;
            }
        } else if (d.bStart == d.bEnd) {
            while (d.aEnd < aLimit && d.bEnd < bLimit && a[d.aEnd] == a[d.aStart]) {
                ++d.aStart, ++d.aEnd, ++d.bStart, ++d.bEnd;
            }
        }
        // Slid against the next change: the two are one now.
        if (h + 1 < hunks.size() && d.aEnd == hunks[h + 1].aStart &&
            d.bEnd == hunks[h + 1].bStart) {
            hunks[h + 1].aStart = d.aStart;
            hunks[h + 1].bStart = d.bStart;
            hunks.erase(hunks.begin() + static_cast<long>(h));
            --h;
        }
    }
}

} // namespace

std::vector<DiffHunk> diffLines(const std::vector<int>& a, const std::vector<int>& b) {
    auto matches = Matcher(a, b).run();
    std::sort(matches.begin(), matches.end());
    std::vector<DiffHunk> hunks;
    std::size_t i = 0, j = 0;
    matches.emplace_back(a.size(), b.size()); // the end, as a last match
    for (const auto& [mi, mj] : matches) {
        if (mi > i || mj > j) hunks.push_back({i, mi, j, mj});
        i = mi + 1;
        j = mj + 1;
    }
    slideDown(hunks, a, b);
    return hunks;
}

} // namespace ornadeck
