#include "GitMerge.h"

#include "codegen/MergeHunks.h"

#include <git2.h>
#include <memory>
#include <mutex>

namespace ornadeck::test {

namespace {

// Longer than any marker in the texts, so that git's markers are told from their lines.
constexpr unsigned short kMarker = 32;

git_merge_file_input inputOf(std::string_view text) {
    git_merge_file_input in{};
    git_merge_file_input_init(&in, GIT_MERGE_FILE_INPUT_VERSION);
    in.ptr = text.data();
    in.size = text.size();
    in.path = "file";
    in.mode = 0100644;
    return in;
}

bool isMarker(std::string_view line, char c) {
    if (line.size() < kMarker || line.find_first_not_of(c) < kMarker) return false;
    const std::string_view rest = line.substr(kMarker);
    return rest.empty() || rest[0] == ' ' || rest[0] == '\r' || rest[0] == '\n';
}

std::vector<MergeHunk> hunksOf(std::string_view merged) {
    std::vector<MergeHunk> hunks;
    enum { Merged, Ours, Base, Theirs } part = Merged;
    MergeHunk current;
    for (std::string_view line : splitLines(merged)) {
        if (part == Merged && isMarker(line, '<')) {
            if (!current.ours.empty()) hunks.push_back(std::move(current));
            current = MergeHunk{};
            current.conflict = true;
            part = Ours;
        } else if (part == Ours && isMarker(line, '|')) {
            part = Base;
        } else if ((part == Ours || part == Base) && isMarker(line, '=')) {
            part = Theirs;
        } else if (part == Theirs && isMarker(line, '>')) {
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

struct ResultDeleter {
    void operator()(git_merge_file_result* r) const {
        git_merge_file_result_free(r);
        delete r;
    }
};

} // namespace

MergedText gitMerge(std::string_view base, std::string_view ours, std::string_view theirs,
                    const ClashLabels& labels) {
    static std::once_flag once;
    std::call_once(once, [] { git_libgit2_init(); });
    const git_merge_file_input b = inputOf(base), o = inputOf(ours), t = inputOf(theirs);
    git_merge_file_options options{};
    git_merge_file_options_init(&options, GIT_MERGE_FILE_OPTIONS_VERSION);
    options.flags = GIT_MERGE_FILE_STYLE_DIFF3;
    options.marker_size = kMarker;
    std::unique_ptr<git_merge_file_result, ResultDeleter> result(new git_merge_file_result{});
    MergedText out;
    if (git_merge_file(result.get(), &b, &o, &t, &options) < 0 || result->ptr == nullptr) {
        out.status = Status::fail("git_merge_file failed");
        return out;
    }
    joinHunks(hunksOf({result->ptr, result->len}), labels, out);
    return out;
}

} // namespace ornadeck::test
