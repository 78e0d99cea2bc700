#include "designer/FormSnapshot.h"

#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormSections.h"
#include "model/Control.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

class FormSnapshotTest : public testing::Test {
  protected:
    void place(const char* tool, int x, int y) {
        workspace.tool = tool;
        ASSERT_TRUE(engine.createControl(form, x, y, &form.surface()));
    }
    FormSnapshot capture() { return captureForm(form, workspace, sections); }
    void restore(const FormSnapshot& snapshot) {
        SectionReadContext context{form, workspace, engine};
        ASSERT_TRUE(restoreForm(snapshot, sections, context).ok());
    }

    Workspace workspace;
    SilentUi ui;
    LibraryKits kits{workspace, ui};
    Form form{"Main"};
    Engine& engine = *kits.current().engine;
    const FormSections& sections = *kits.current().sections;
};

// The designer's own state of each control comes back to the control of that name, whether
// the snapshot lists them in the form's order (as it captures them), in another order, or
// in another case (a recovery file edited by hand).
TEST_F(FormSnapshotTest, ControlStatesFindTheirControlsInAnyOrder) {
    int y = 10;
    for (const char* tool : {"Button", "Label", "CheckBox", "Switch"})
        place(tool, 10, y += 30);
    FormSnapshot captured = capture();
    ASSERT_EQ(captured.controls.size(), 4u);
    const Color colors[] = {kRed, kNavy, kMaroon, kBlue};
    for (std::size_t i = 0; i < 4; ++i) {
        captured.controls[i].selected = true;
        captured.controls[i].selectColor = colors[i];
        captured.controls[i].visible = i != 2;
    }
    for (int order = 0; order < 3; ++order) {
        FormSnapshot snapshot = captured;
        if (order == 1) std::reverse(snapshot.controls.begin(), snapshot.controls.end());
        if (order == 2)
            std::rotate(snapshot.controls.begin(), snapshot.controls.begin() + 1,
                        snapshot.controls.end());
        for (char& c : snapshot.controls[1].name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        restore(snapshot);
        for (const ControlState& state : captured.controls) {
            const Control* c = form.findByName(state.name);
            ASSERT_NE(c, nullptr) << state.name;
            EXPECT_TRUE(c->selected()) << order << " " << state.name;
            EXPECT_EQ(c->selectColor(), state.selectColor) << order << " " << state.name;
            EXPECT_EQ(c->visible(), state.visible) << order << " " << state.name;
        }
    }
}

// Reading closes the menu bar and every menu; undo must bring back the ones that were open.
TEST_F(FormSnapshotTest, OpenMenusAndTheirBarStayOpenAcrossARestore) {
    place("Menu", 0, 0);
    const auto* bar = static_cast<const TCCMenuBar*>(form.menuBar());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->test(), 1);
    restore(capture());
    bar = static_cast<const TCCMenuBar*>(form.menuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->test(), 1);
    ASSERT_EQ(form.menus().size(), 1u);
    EXPECT_EQ(static_cast<const TCCMenu*>(form.menus()[0])->test(), 1);
}

} // namespace
} // namespace ornadeck
