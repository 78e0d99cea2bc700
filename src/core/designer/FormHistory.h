#pragma once

#include "designer/FormSnapshot.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace ornadeck {

// The undo and redo steps of one form, each the form's whole state on one side of a user
// command, with a name for the Edit menu ("Move Button1"). Knows which position is the saved
// state, so undoing back to it leaves the form unmodified.
class FormHistory {
  public:
    static constexpr std::size_t kDefaultLimit = 500;
    explicit FormHistory(std::size_t limit = kDefaultLimit) : limit_(limit < 1 ? 1 : limit) {}

    // Records a command: `before` is the state it started from. A non-empty mergeKey equal to
    // the previous step's joins that step (a run of arrow keys, typing in one cell), unless
    // an undo, a redo or a save came between. Clears the redo steps.
    void record(std::string label, FormSnapshot before, const std::string& mergeKey = {});

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The name of the step the next undo or redo would take back or again; empty for none.
    std::string undoLabel() const { return canUndo() ? undo_.back().label : std::string(); }
    std::string redoLabel() const { return canRedo() ? redo_.back().label : std::string(); }
    std::size_t undoCount() const { return undo_.size(); }

    // Given the current state, returns the state to restore; nothing when there is no step.
    std::optional<FormSnapshot> undo(FormSnapshot current);
    std::optional<FormSnapshot> redo(FormSnapshot current);

    // The current state is what the form file holds.
    void markSaved();
    // No state of the history is on file (a form recovered after a crash).
    void forgetSaved() { saved_.reset(); }
    bool atSavedState() const { return saved_ && *saved_ == position_; }

  private:
    struct Step {
        std::string label;
        FormSnapshot state; // before the step on the undo side, after it on the redo side
        std::string mergeKey;
    };

    // Moves the newest step of `from` to `to`, which keeps `current` in its place.
    std::optional<FormSnapshot> travel(std::deque<Step>& from, std::deque<Step>& to,
                                       FormSnapshot current);

    std::size_t limit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    // Steps since the start, counting those dropped at the limit; the saved state is one of
    // these positions, or none once it can no longer be reached.
    long long position_ = 0;
    std::optional<long long> saved_ = 0;
    bool mergeOpen_ = false;
};

} // namespace ornadeck
