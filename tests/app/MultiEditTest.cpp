// The Properties Editor over several marked controls.
#include "InspectorFixture.h"

namespace ornadeck::app::test {
namespace {

using MultiEditTest = InspectorDockTest;

TEST_F(MultiEditTest, ShiftClickedControlsShareTheirRowsAndTakeAPickedFontTogether) {
    newProject(Library::PToolboxLib);
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbButton", {20, 60});
    Control* c = place("spbLabel", {80, 100});
    click({a->left() + 5, a->top() + 5});
    click({b->left() + 5, b->top() + 5}, Qt::ShiftModifier);
    click({c->left() + 2, c->top() + 2}, Qt::ShiftModifier);
    window->refresh();

    QComboBox& combo = inspector().components();
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentText(), "");
    EXPECT_EQ(combo.placeholderText(), "3 controls");
    EXPECT_EQ(cell("Name"), "(no row)");
    EXPECT_EQ(cell("Left"), "");                            // 20, 20 and 80
    EXPECT_EQ(cell("Font").toStdString(), palm(a, "Font")); // all three alike

    pick("Font", "Bold");
    for (Control* x : {a, b, c})
        EXPECT_EQ(palm(x, "Font"), "Bold");
    EXPECT_EQ(cell("Font"), "Bold");
    EXPECT_EQ(combo.placeholderText(), "3 controls"); // still all three
    EXPECT_TRUE(a->selected() && b->selected() && c->selected());

    QLineEdit* line = typeInto("Top", "90");
    endEdit(line);
    for (Control* x : {a, b, c})
        EXPECT_EQ(palm(x, "Top"), "90");
    EXPECT_EQ(cell("Top"), "90");

    // One undo takes the Top back from all three, the next the Font.
    trigger("mnuUndo");
    EXPECT_EQ(palm(activeForm().surfaceControls()[0], "Top"), "20");
    trigger("mnuUndo");
    for (Control* x : activeForm().surfaceControls())
        EXPECT_NE(palm(x, "Font"), "Bold");
    EXPECT_TRUE(ui.messages.empty());

    // A plain click on one: its own rows, its own entry in the combo.
    Control* first = activeForm().surfaceControls()[0];
    click({first->left() + 5, first->top() + 5});
    window->refresh();
    EXPECT_EQ(cell("Name"), QString::fromStdString(first->name()));
    EXPECT_EQ(combo.placeholderText(), "");
    EXPECT_EQ(combo.currentText().toStdString(), first->name() + ": Button");
}

} // namespace
} // namespace ornadeck::app::test
