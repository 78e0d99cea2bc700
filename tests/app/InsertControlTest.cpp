// Placing controls without the pointer: Edit > Insert Control and Return on a pressed tool.
#include "AppFixture.h"
#include "InsertControlMenu.h"

#include <QComboBox>
#include <QMenu>

namespace ornadeck::app::test {
namespace {

TEST(Mnemonics, EachItemGetsALetterOfItsOwn) {
    QString taken;
    const QStringList texts = {"Button", "Bitmap", "Label", "List", "Push button", "1", "1"};
    QStringList got;
    for (const QString& t : texts)
        got << withMnemonic(t, taken);
    EXPECT_EQ(got,
              (QStringList{"&Button", "B&itmap", "&Label", "Li&st", "&Push button", "&1", "1"}));
}

class InsertControlTest : public NewProjectTest {
  protected:
    QMenu& insertMenu() {
        auto* menu = window->findChild<QMenu*>("mnuInsertControl");
        EXPECT_NE(menu, nullptr);
        return *menu;
    }
};

TEST_F(InsertControlTest, TheMenuListsTheToolbarsKindsAndPlacesOneByKeyboard) {
    QMenu& menu = insertMenu();
    QStringList shown, hints;
    for (QAction* a : menu.actions())
        shown << QString(a->text()).remove(u'&');
    for (QAction* a : window->kindToolBar().actions())
        if (a->isVisible()) hints << a->text();
    EXPECT_EQ(shown, hints);
    for (QAction* a : menu.actions())
        EXPECT_TRUE(a->text().contains(u'&')) << a->text().toStdString();

    const std::size_t before = activeForm().surface().children().size();
    QAction* button = menu.findChild<QAction*>("mnuInsertButton");
    ASSERT_NE(button, nullptr);
    button->trigger();
    ASSERT_EQ(activeForm().surface().children().size(), before + 1);
    Control* placed = core->workspace.selected.control;
    ASSERT_NE(placed, nullptr);
    EXPECT_TRUE(window->docks().inspector().components().currentText().startsWith(
        QString::fromStdString(placed->name())));
    EXPECT_EQ(window->command("mnuUndo")->text().toStdString(), "&Undo Place " + placed->name());
}

TEST_F(InsertControlTest, ReturnOnAPressedToolPlacesItsKindAndRaisesIt) {
    QToolButton* tool = toolButton("spbLabel");
    tool->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tool, Qt::Key_Space); // pressed, as a click would
    ASSERT_FALSE(core->workspace.tool.empty());
    const std::size_t before = activeForm().surface().children().size();
    QTest::keyClick(tool, Qt::Key_Return);
    EXPECT_EQ(activeForm().surface().children().size(), before + 1);
    EXPECT_TRUE(core->workspace.tool.empty());
    EXPECT_FALSE(tool->isChecked());
}

} // namespace
} // namespace ornadeck::app::test
