#include "AppFixture.h"
#include "model/IniFile.h"

#include <QToolBar>

namespace ornadeck::app::test {
namespace {

using ToolbarLayoutTest = AppFixture;

TEST_F(ToolbarLayoutTest, PlacementSurvivesARestart) {
    auto* edit = window->findChild<QToolBar*>("tbEdit");
    auto* align = window->findChild<QToolBar*>("tbAlign");
    window->addToolBar(Qt::BottomToolBarArea, edit);
    align->hide();
    restart();
    edit = window->findChild<QToolBar*>("tbEdit");
    align = window->findChild<QToolBar*>("tbAlign");
    EXPECT_EQ(window->toolBarArea(edit), Qt::BottomToolBarArea);
    EXPECT_TRUE(align->isHidden());
    IniFile ini;
    ASSERT_TRUE(ini.load(temp.path() / "options.ini"));
    EXPECT_EQ(ini.readString("tbEdit", "DockedTo", ""), "Bottom");
    EXPECT_EQ(ini.readInt("tbAlign", "Visible", 1), 0);
    EXPECT_EQ(ini.readInt("tbControls", "DockRow", -1), 1);
}

TEST_F(ToolbarLayoutTest, SectionsAloneOrGarbagePlaceTheToolbars) {
    shutDown();
    IniFile ini;
    ini.writeString("tbFile", "DockedTo", "Left");
    ini.writeInt("tbFile", "DockRow", 0);
    ini.writeInt("tbFile", "DockPos", 0);
    ini.writeString("tbEdit", "DockedTo", "Nowhere");
    ini.writeString("tbAlign", "DockRow", "x");
    ini.writeString("Docks", "State", "not base64 at all");
    ASSERT_TRUE(ini.save(temp.path() / "options.ini"));
    launch();
    EXPECT_EQ(window->toolBarArea(window->findChild<QToolBar*>("tbFile")), Qt::LeftToolBarArea);
    for (const char* name : {"tbEdit", "tbAlign", "tbControls"}) {
        auto* bar = window->findChild<QToolBar*>(name);
        EXPECT_EQ(window->toolBarArea(bar), Qt::TopToolBarArea) << name;
        EXPECT_FALSE(bar->isHidden()) << name;
    }
    EXPECT_LT(window->findChild<QToolBar*>("tbEdit")->y(),
              window->findChild<QToolBar*>("tbControls")->y());
}

} // namespace
} // namespace ornadeck::app::test
