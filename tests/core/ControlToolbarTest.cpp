#include "workbench/ControlToolbar.h"

#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

TEST(ControlToolbar, EachLibraryShowsItsButtonsWithItsHints) {
    struct Case {
        std::string_view id;
        bool ccShown;
        std::string_view ccHint;
        bool ptShown;
        std::string_view ptHint;
    };
    const Case cases[] = {
        {"spbButton", true, "Button", true, "Button"},
        {"spbSelect", false, "Select Box", true, "Select Box"},
        {"spbPush", false, "Push Button", true, "Push Button"},
        {"spbSwitch", true, "Switch Button", false, "Switch Button"},
        {"spbListBox", true, "ListBox", true, "List"},
        {"spbMenu", true, "Menu", false, "Menu"},
        {"spbPop", false, "PopTrigger", true, "PopTrigger"},
        {"spbEdit", true, "Edit", true, "Field"},
        {"spbDropDown", true, "DropDown", false, "DropDown"},
        {"spbGSI", false, "GSI", true, "GSI"},
        {"spbPopUp", true, "PopUp", false, "PopUp"},
        {"spbEditLine", true, "Edit Line", false, "Edit Line"},
        {"spbBitmap", true, "Image", true, "Bitmap"},
        {"spbDialog", true, "Dialog", true, "Dialog"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id));
        const ControlToolButton cc = controlToolButton(Library::CControls, c.id);
        const ControlToolButton pt = controlToolButton(Library::PToolboxLib, c.id);
        EXPECT_EQ(cc.visible, c.ccShown);
        EXPECT_EQ(cc.hint, c.ccHint);
        EXPECT_EQ(pt.visible, c.ptShown);
        EXPECT_EQ(pt.hint, c.ptHint);
    }
    EXPECT_FALSE(controlToolButton(Library::CControls, "spbNothing").visible);
    EXPECT_EQ(libraryStatusText(Library::CControls), "CControls");
    EXPECT_EQ(libraryStatusText(Library::PToolboxLib), "PToolboxLib");
}

// Every shown button must place a control of its library, or the toolbar lies.
TEST(ControlToolbar, EveryShownButtonPlacesAControl) {
    for (Library library : {Library::CControls, Library::PToolboxLib}) {
        for (std::string_view id : kControlToolIds) {
            const ControlToolButton button = controlToolButton(library, id);
            if (!button.visible) continue;
            SCOPED_TRACE(std::string(id));
            Workspace workspace;
            workspace.library = library;
            test::FakeUi ui;
            LibraryKits kits{workspace, ui};
            workspace.forms.push_back(std::make_unique<Form>("Form1"));
            Form& form = *workspace.forms.back();
            FormEditor window{workspace, ui, kits, form};
            workspace.tool = std::string(button.kindTag);
            const ShiftState left(ShiftState::LeftButton);
            window.mousePress({20, 20}, MouseButton::Left, left);
            window.mouseRelease({20, 20}, MouseButton::Left, left);
            int count = 0;
            form.forEachControl([&](Control&) { ++count; });
            EXPECT_GE(count, 1);
            EXPECT_TRUE(ui.messages.empty()) << ui.lastText();
        }
    }
}

} // namespace
} // namespace ornadeck
