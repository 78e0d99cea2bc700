#include "designer/FormHistory.h"

namespace ornadeck {

void FormHistory::record(std::string label, FormSnapshot before, const std::string& mergeKey) {
    redo_.clear();
    // A saved state ahead of this one was only reachable by redo, which is gone now.
    if (saved_ && *saved_ > position_) saved_.reset();
    // A save ends a run (markSaved closes it), so a merge never changes the saved state.
    const bool merge =
        mergeOpen_ && !mergeKey.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey;
    mergeOpen_ = !mergeKey.empty();
    if (merge) {
        undo_.back().label = std::move(label);
        return;
    }
    undo_.push_back({std::move(label), std::move(before), mergeKey});
    ++position_;
    if (undo_.size() > limit_) undo_.pop_front();
    // The oldest state kept is position_ - size; a saved state older than that is lost.
    if (saved_ && *saved_ < position_ - static_cast<long long>(undo_.size())) saved_.reset();
}

std::optional<FormSnapshot> FormHistory::travel(std::deque<Step>& from, std::deque<Step>& to,
                                                FormSnapshot current) {
    mergeOpen_ = false;
    if (from.empty()) return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({std::move(step.label), std::move(current), {}});
    return std::move(step.state);
}

std::optional<FormSnapshot> FormHistory::undo(FormSnapshot current) {
    auto target = travel(undo_, redo_, std::move(current));
    if (target) --position_;
    return target;
}

std::optional<FormSnapshot> FormHistory::redo(FormSnapshot current) {
    auto target = travel(redo_, undo_, std::move(current));
    if (target) ++position_;
    return target;
}

void FormHistory::markSaved() {
    saved_ = position_;
    mergeOpen_ = false;
}

} // namespace ornadeck
