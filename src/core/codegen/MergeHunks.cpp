#include "codegen/MergeHunks.h"

#include <algorithm>
#include <optional>
#include <string>

namespace ornadeck {

namespace {

using LineList = std::vector<std::string_view>;

// Where each line of `part` sits in `whole`, when `part` is `whole` with lines left out.
std::optional<std::vector<std::size_t>> placesIn(const LineList& part, const LineList& whole) {
    std::vector<std::size_t> places;
    places.reserve(part.size());
    std::size_t w = 0;
    for (std::string_view line : part) {
        while (w < whole.size() && whole[w] != line)
            ++w;
        if (w == whole.size()) return std::nullopt;
        places.push_back(w++);
    }
    return places;
}

// "OnOkButton(){" -> "OnOkButton()", "case OkButton:" -> "case OkButton".
std::string blockName(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t last = line.find_last_not_of(" \t\r\n{:");
    if (first == std::string_view::npos || last == std::string_view::npos || last < first)
        return {};
    return std::string(line.substr(first, last - first + 1));
}

struct Settled {
    LineList lines;
    LineList kept; // the user's lines from a block the generator removed
    std::string keptFrom;
};

// A conflict that is none: both sides only inserted, or one side only inserted lines while
// the other rewrote or deleted the lines around them.
std::optional<Settled> settle(const MergeHunk& h) {
    Settled s;
    if (h.base.empty()) { // both inserted at one place: the user's first, as they stand
        s.lines = h.ours;
        s.lines.insert(s.lines.end(), h.theirs.begin(), h.theirs.end());
        return s;
    }
    if (const auto inOurs = placesIn(h.base, h.ours)) {
        if (h.theirs.size() == h.base.size()) { // renamed lines, the user's insertions kept
            s.lines = h.ours;
            for (std::size_t k = 0; k < inOurs->size(); ++k)
                s.lines[(*inOurs)[k]] = h.theirs[k];
            return s;
        }
        if (const auto inBase = placesIn(h.theirs, h.base)) { // the generator only deleted
            s.lines = h.theirs;
            std::vector<bool> generated(h.ours.size(), false);
            for (std::size_t p : *inOurs)
                generated[p] = true;
            for (std::size_t i = 0; i < h.ours.size(); ++i)
                if (!generated[i]) s.kept.push_back(h.ours[i]);
            std::vector<bool> stays(h.base.size(), false);
            for (std::size_t p : *inBase)
                stays[p] = true;
            for (std::size_t i = 0; i < h.base.size() && s.keptFrom.empty(); ++i)
                if (!stays[i]) s.keptFrom = blockName(h.base[i]);
            return s;
        }
    }
    if (const auto inTheirs = placesIn(h.base, h.theirs);
        inTheirs && h.ours.size() == h.base.size()) { // the user rewrote, the generator inserted
        s.lines = h.theirs;
        for (std::size_t k = 0; k < inTheirs->size(); ++k)
            s.lines[(*inTheirs)[k]] = h.ours[k];
        return s;
    }
    return std::nullopt;
}

class Writer {
  public:
    explicit Writer(std::string& text) : text_(text) {}
    void line(std::string_view l) {
        closeLine();
        text_ += l;
        ++lines_;
    }
    void lines(const LineList& ls) {
        for (std::string_view l : ls)
            line(l);
    }
    void marker(char c, const std::string& label) {
        closeLine();
        text_.append(7, c);
        if (!label.empty()) text_ += ' ' + label;
        text_ += "\r\n";
        ++lines_;
    }
    std::size_t count() const { return lines_; }

  private:
    // A last line without a break gets one before anything follows it.
    void closeLine() {
        if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
    }

    std::string& text_;
    std::size_t lines_ = 0;
};

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

void joinHunks(const std::vector<MergeHunk>& hunks, const ClashLabels& labels, MergedText& out) {
    std::vector<Settled> gathered;
    Writer write(out.text);
    for (const MergeHunk& h : hunks) {
        if (!h.conflict) {
            write.lines(h.ours);
            continue;
        }
        if (std::optional<Settled> s = settle(h)) {
            write.lines(s->lines);
            if (!s->kept.empty()) gathered.push_back(std::move(*s));
            continue;
        }
        out.clashLines.push_back(write.count() + 1);
        write.marker('<', labels.ours);
        write.lines(h.ours);
        write.marker('|', labels.base);
        write.lines(h.base);
        write.marker('=', "");
        write.lines(h.theirs);
        write.marker('>', labels.theirs);
    }
    for (const Settled& s : gathered) {
        write.line("// Kept from " +
                   (s.keptFrom.empty() ? std::string("a removed block") : s.keptFrom) +
                   ", which the design no longer has:\r\n");
        write.lines(s.kept);
        out.kept.push_back({s.keptFrom, s.kept.size()});
    }
}

} // namespace ornadeck
