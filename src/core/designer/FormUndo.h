#pragma once

#include "designer/FormHistory.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ornadeck {

class Form;
class LibraryKits;
struct Workspace;

// The one place where a form's user commands become undo steps: the form's state is taken
// before a command and kept as a step when the command changed the form. Nested commands
// (a cut inside a drag, a paste inside a keyboard run) make one step, the outermost.
class FormUndo {
  public:
    FormUndo(Workspace& workspace, const LibraryKits& kits, Form& form);

    // A command starts; only the outermost start takes the state.
    void begin();
    // The command ended. A step named `label` is kept when the form changed.
    void commit(const std::string& label, const std::string& mergeKey = {});
    // begin, the command, commit.
    void run(const std::string& label, const std::function<void()>& command,
             const std::string& mergeKey = {});
    bool busy() const { return depth_ > 0; }

    bool undo();
    bool redo();
    const FormHistory& history() const { return history_; }

    // Whether the form differs from what its file holds (a new form holds nothing yet).
    bool modified();
    // No file holds the current state any more (it was deleted behind our back).
    void markUnsaved() {
        noticeSaves();
        history_.forgetSaved();
    }

    FormSnapshot capture() const;
    // Unique within the program run: names this form's recovery file.
    int id() const { return id_; }
    // Moves on with every step made, undone or redone.
    std::uint64_t revision() const { return revision_; }

  private:
    void restore(const FormSnapshot& snapshot);
    // A save happened since the last look: the current state is the saved one.
    void noticeSaves();

    Workspace& workspace_;
    const LibraryKits& kits_;
    Form& form_;
    FormHistory history_;
    std::optional<FormSnapshot> before_;
    int depth_ = 0;
    int savesSeen_ = 0;
    int id_;
    std::uint64_t revision_ = 0;
};

} // namespace ornadeck
