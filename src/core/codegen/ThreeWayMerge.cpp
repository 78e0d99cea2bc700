#include "codegen/ThreeWayMerge.h"

#include "codegen/MergeHunks.h"

#include <git2.h>
#include <memory>
#include <mutex>

namespace ornadeck {

namespace {

// Longer than any marker a user or the generator writes, so that the library's markers
// are told from the texts' own lines without doubt.
constexpr unsigned short kInternalMarker = 32;

void startLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { git_libgit2_init(); });
}

git_merge_file_input inputOf(std::string_view text) {
    git_merge_file_input in{};
    git_merge_file_input_init(&in, GIT_MERGE_FILE_INPUT_VERSION);
    in.ptr = text.data();
    in.size = text.size();
    in.path = "file";
    in.mode = 0100644;
    return in;
}

struct ResultDeleter {
    void operator()(git_merge_file_result* r) const {
        git_merge_file_result_free(r);
        delete r;
    }
};

bool isMarker(std::string_view line, char c, std::size_t size) {
    if (line.size() < size) return false;
    for (std::size_t i = 0; i < size; ++i)
        if (line[i] != c) return false;
    const std::string_view rest = line.substr(size);
    return rest.empty() || rest[0] == ' ' || rest[0] == '\r' || rest[0] == '\n';
}

// The library's output split into runs of merged lines and conflicts.
std::vector<MergeHunk> hunksOf(std::string_view merged) {
    std::vector<MergeHunk> hunks;
    enum { Merged, Ours, Base, Theirs } part = Merged;
    MergeHunk current;
    for (std::string_view line : splitLines(merged)) {
        if (part == Merged && isMarker(line, '<', kInternalMarker)) {
            if (!current.ours.empty()) hunks.push_back(std::move(current));
            current = MergeHunk{};
            current.conflict = true;
            part = Ours;
        } else if (part == Ours && isMarker(line, '|', kInternalMarker)) {
            part = Base;
        } else if ((part == Ours || part == Base) && isMarker(line, '=', kInternalMarker)) {
            part = Theirs;
        } else if (part == Theirs && isMarker(line, '>', kInternalMarker)) {
            hunks.push_back(std::move(current));
            current = MergeHunk{};
            part = Merged;
        } else {
            (part == Theirs ? current.theirs
             : part == Base ? current.base
                            : current.ours)
                .push_back(line);
        }
    }
    if (!current.ours.empty()) hunks.push_back(std::move(current));
    return hunks;
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
    startLibrary();
    const git_merge_file_input b = inputOf(base), o = inputOf(ours), t = inputOf(theirs);
    git_merge_file_options options{};
    git_merge_file_options_init(&options, GIT_MERGE_FILE_OPTIONS_VERSION);
    options.flags = GIT_MERGE_FILE_STYLE_DIFF3;
    options.marker_size = kInternalMarker;
    std::unique_ptr<git_merge_file_result, ResultDeleter> result(new git_merge_file_result{});
    if (git_merge_file(result.get(), &b, &o, &t, &options) < 0 || result->ptr == nullptr) {
        const git_error* e = git_error_last();
        out.status = Status::fail(std::string("The texts could not be merged: ") +
                                  (e && e->message ? e->message : "binary content"));
        return out;
    }
    std::vector<MergeHunk> hunks = hunksOf({result->ptr, result->len});
    joinHunks(hunks, labels, out);
    return out;
}

} // namespace ornadeck
