#include "designer/FormHistory.h"

#include <gtest/gtest.h>
#include <string>

namespace ornadeck {
namespace {

FormSnapshot state(const std::string& text) {
    FormSnapshot s;
    s.formText = text;
    return s;
}

// A history over plain numbered states, as a form would feed it: the state before each step.
class History : public testing::Test {
  protected:
    void step(const std::string& label, const std::string& merge = {}) {
        history.record(label, state(std::to_string(current)), merge);
        ++current;
    }
    bool undo() {
        auto back = history.undo(state(std::to_string(current)));
        if (back) current = std::stoi(back->formText);
        return back.has_value();
    }
    bool redo() {
        auto again = history.redo(state(std::to_string(current)));
        if (again) current = std::stoi(again->formText);
        return again.has_value();
    }

    FormHistory history{5};
    int current = 0;
};

TEST_F(History, UndoAndRedoWalkTheStatesAndNameTheirSteps) {
    EXPECT_FALSE(undo());
    EXPECT_FALSE(redo());
    step("Place Button1");
    step("Move Button1");
    EXPECT_EQ(history.undoLabel(), "Move Button1");
    EXPECT_TRUE(undo());
    EXPECT_EQ(current, 1);
    EXPECT_EQ(history.undoLabel(), "Place Button1");
    EXPECT_EQ(history.redoLabel(), "Move Button1");
    EXPECT_TRUE(undo());
    EXPECT_EQ(current, 0);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(redo());
    EXPECT_TRUE(redo());
    EXPECT_EQ(current, 2);
    EXPECT_FALSE(history.canRedo());
    // A new command after an undo drops what could have been redone.
    EXPECT_TRUE(undo());
    step("Delete Button1");
    EXPECT_FALSE(history.canRedo());
}

TEST_F(History, OnlyUnbrokenRunsWithTheSameKeyMerge) {
    step("Move Button1", "keys:Button1");
    step("Move Button1", "keys:Button1");
    EXPECT_EQ(history.undoCount(), 1u);
    step("Move Button2", "keys:Button2"); // another key
    EXPECT_EQ(history.undoCount(), 2u);
    step("Align Left");
    step("Move Button2", "keys:Button2"); // a step between
    EXPECT_EQ(history.undoCount(), 4u);
    undo();
    redo();
    step("Move Button2", "keys:Button2"); // an undo between
    EXPECT_EQ(history.undoCount(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(undo());
    EXPECT_EQ(current, 2);
    EXPECT_TRUE(undo());
    EXPECT_EQ(current, 0); // the merged run undoes to its start in one step, not to its middle
}

TEST_F(History, SavedStateIsKnownAcrossUndoRedoAndLostWhenUnreachable) {
    EXPECT_TRUE(history.atSavedState()); // a new or freshly read form
    step("A");
    EXPECT_FALSE(history.atSavedState());
    history.markSaved();
    EXPECT_TRUE(history.atSavedState());
    step("B", "run");
    step("B", "run"); // the save ended the run before it: the saved state is still there
    undo();
    EXPECT_TRUE(history.atSavedState());
    undo();
    EXPECT_FALSE(history.atSavedState());
    redo();
    EXPECT_TRUE(history.atSavedState());

    undo();
    step("C"); // the saved state was only ahead, by redo
    undo();
    EXPECT_FALSE(history.atSavedState());
    history.forgetSaved();
    EXPECT_FALSE(history.atSavedState());
}

TEST_F(History, KeepsTheNewestStepsUpToItsLimit) {
    history.markSaved();
    for (int i = 0; i < 7; ++i)
        step("S" + std::to_string(i));
    EXPECT_EQ(history.undoCount(), 5u);
    while (undo()) {
    }
    EXPECT_EQ(current, 2);
    EXPECT_FALSE(history.atSavedState()); // the saved state fell off the end

    FormHistory standard;
    for (int i = 0; i < 250; ++i)
        standard.record("S", state(""));
    EXPECT_EQ(standard.undoCount(), 250u); // a long session keeps every step
}

} // namespace
} // namespace ornadeck
