#include "checks/ChecksDock.h"

#include "AppFixture.h"

#include <QMenu>
#include <QTreeWidget>

namespace ornadeck::app::test {
namespace {

class ChecksDockTest : public AppFixture {
  protected:
    ChecksDock& dock() { return window->checks(); }
    QStringList column(int c) {
        QStringList out;
        for (int i = 0; i < dock().list().topLevelItemCount(); ++i)
            out << dock().list().topLevelItem(i)->text(c);
        return out;
    }
    void openExample() { openExampleCopy("ptoolbox/Palm.ozp"); }
};

TEST_F(ChecksDockTest, ProjectCheckShowsTheFindingsOfTheOpenForms) {
    QAction* check = window->command("mnuCheck");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), "&Check");
    EXPECT_EQ(check->shortcut().toString(QKeySequence::PortableText), "Ctrl+Shift+K");
    auto* project = window->findChild<QMenu*>("mnuProject");
    EXPECT_TRUE(project->actions().contains(check));
    auto* view = window->findChild<QMenu*>("mnuView");
    EXPECT_TRUE(view->actions().contains(dock().toggleViewAction()));
    EXPECT_EQ(dock().objectName(), "dockChecks");
    EXPECT_FALSE(dock().isVisible());

    openExample();
    trigger("mnuCheck");
    EXPECT_TRUE(dock().isVisible());
    // The example is clean: only the note that the library's header is not beside the code.
    EXPECT_EQ(column(0), QStringList{"note"});
    EXPECT_EQ(column(4), QStringList{"library.source-missing"});
}

// Edits are checked a moment after the last one, not while the user is still typing.
TEST_F(ChecksDockTest, ChangesAreCheckedAfterAPause) {
    openExample();
    trigger("mnuCheck");
    Control* far = place("spbButton", {150, 20});
    ASSERT_NE(far, nullptr);
    EXPECT_FALSE(column(4).contains("geometry.off-screen")) << "checked before the pause";
    EXPECT_TRUE(QTest::qWaitFor([&] { return column(4).contains("geometry.off-screen"); }, 2000));
    EXPECT_TRUE(column(2).contains(QString::fromStdString(far->name())));
}

TEST_F(ChecksDockTest, DoubleClickingAFindingShowsItsFormAndSelectsItsControl) {
    openExample();
    Form& main = activeForm();
    Control* far = place("spbButton", {150, 20});
    ASSERT_NE(far, nullptr);
    click({5, 150}); // the form itself is selected now
    trigger("mnuNewForm");
    ASSERT_NE(&activeForm(), &main);
    trigger("mnuCheck");
    const int row = column(2).indexOf(QString::fromStdString(far->name()));
    ASSERT_GE(row, 0);
    QTreeWidgetItem* item = dock().list().topLevelItem(row);
    QApplication::processEvents(); // lays the freshly shown window out
    const QRect at = dock().list().visualItemRect(item);
    // A double click is a click, then a second press within the double-click time.
    QTest::mouseClick(dock().list().viewport(), Qt::LeftButton, {}, at.center());
    QTest::mouseDClick(dock().list().viewport(), Qt::LeftButton, {}, at.center());
    EXPECT_EQ(&activeForm(), &main);
    EXPECT_EQ(core->workspace.selected.control, far);
    EXPECT_TRUE(far->selected());
    EXPECT_EQ(activeView(), window->views().viewOf(&main));
}

} // namespace
} // namespace ornadeck::app::test
