#include "designer/FormSnapshot.h"

#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "engine/Engine.h"
#include "formfile/FormSections.h"
#include "model/Control.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "shell/LibraryKit.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

// The designer's own state of each control comes back to the control of that name, whether
// the snapshot lists them in the form's order (as it captures them), in another order, or
// in another case (a recovery file edited by hand).
TEST(FormSnapshotTest, ControlStatesFindTheirControlsInAnyOrder) {
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form form("Main");
    Engine& engine = *kits.current().engine;
    for (const char* tool : {"Button", "Label", "CheckBox", "Switch"}) {
        workspace.tool = tool;
        engine.createControl(form, 10, 10 + 30 * static_cast<int>(form.components().size()),
                             &form.surface());
    }
    const FormSections& sections = *kits.current().sections;
    FormSnapshot captured = captureForm(form, workspace, sections);
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
        SectionReadContext context{form, workspace, engine};
        restoreForm(snapshot, sections, context);
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
TEST(FormSnapshotTest, OpenMenusAndTheirBarStayOpenAcrossARestore) {
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form form("Main");
    Engine& engine = *kits.current().engine;
    workspace.tool = "Menu";
    ASSERT_TRUE(engine.createControl(form, 0, 0, &form.surface()));
    const auto* bar = static_cast<const TCCMenuBar*>(form.menuBar());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->test(), 1);
    const FormSections& sections = *kits.current().sections;
    const FormSnapshot snapshot = captureForm(form, workspace, sections);
    SectionReadContext context{form, workspace, engine};
    restoreForm(snapshot, sections, context);
    bar = static_cast<const TCCMenuBar*>(form.menuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->test(), 1);
    ASSERT_EQ(form.menus().size(), 1u);
    EXPECT_EQ(static_cast<const TCCMenu*>(form.menus()[0])->test(), 1);
}

} // namespace
} // namespace ornadeck
