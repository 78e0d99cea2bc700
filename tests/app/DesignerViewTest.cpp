#include "AppFixture.h"
#include "views/ViewMapping.h"

#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>

namespace ornadeck::app::test {
namespace {

using DesignerViewTest = NewProjectTest;

TEST(ViewMapping, EveryPalmPixelIsAWholeBlockOfDevicePixels) {
    struct Case {
        int zoom;
        qreal dpr;
        int factor;
        QSize size;
    };
    const Case cases[] = {{1, 1.0, 1, {167, 226}},
                          {2, 1.0, 2, {334, 452}},
                          {2, 2.0, 4, {334, 452}},
                          {1, 1.5, 2, {223, 302}}};
    for (const Case& c : cases) {
        const ViewMapping m(c.zoom, c.dpr);
        EXPECT_EQ(m.factor(), c.factor);
        EXPECT_EQ(m.logicalSize(167, 226), c.size);
        for (Point p : {Point{0, 0}, Point{37, 159}, Point{-4, -2}, Point{159, 159}})
            EXPECT_EQ(m.toSurface(m.fromSurface(p)), p) << c.zoom << " " << c.dpr;
    }
}

TEST_F(DesignerViewTest, PlaceDragAlignSaveAndReopenGiveTheSameFile) {
    Control* first = place("spbButton", {20, 30});
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(toolButton("spbButton")->isChecked()); // raised after placing
    EXPECT_EQ(palm(first, "Left"), "20");

    // A drag moves it by whole grid steps.
    const Point grab{first->left() + first->width() / 2, first->top() + first->height() / 2};
    press(grab);
    moveHeld({grab.x + 9, grab.y + 20});
    release({grab.x + 9, grab.y + 20});
    EXPECT_EQ(palm(first, "Left"), "28");
    EXPECT_EQ(palm(first, "Top"), "52");

    Control* second = place("spbLabel", {60, 100});
    ASSERT_NE(second, nullptr);
    click({first->left() + 5, first->top() + 5});
    click({second->left() + 2, second->top() + 2}, Qt::ShiftModifier);
    EXPECT_TRUE(first->selected());
    EXPECT_TRUE(second->selected());
    trigger("mnuALeft");
    EXPECT_EQ(palm(second, "Left"), "28");

    const auto path = temp.path() / "Form1.ozf";
    ui.files = {path};
    trigger("mnuSaveForm");
    ASSERT_TRUE(std::filesystem::exists(path));
    const std::string saved = readFile(path);
    EXPECT_EQ(activeView()->parentWidget()->windowTitle(), "Form1.ozf[*]");
    EXPECT_FALSE(activeView()->parentWidget()->isWindowModified());

    ui.answers = {Answer::No};
    trigger("mnuCloseForm");
    EXPECT_FALSE(window->area().subWindowList().front()->isVisible());
    ui.answers = {Answer::No};
    trigger("mnuCloseAll");
    ui.files = {path};
    trigger("mnuFileOpenForm");
    ASSERT_NE(activeView(), nullptr);
    ui.files = {path};
    ui.answers = {Answer::Yes}; // replace the file
    trigger("mnuSaveForm");
    EXPECT_EQ(readFile(path), saved);
}

TEST_F(DesignerViewTest, CopyThenPasteTwiceMakesTwoNewlyNamedControls) {
    Control* button = place("spbButton", {8, 8});
    const std::string name = button->name();
    trigger("mnuCopy");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat("application/x-ornadeck-control"));
    EXPECT_FALSE(data->text().isEmpty());
    trigger("mnuPaste");
    const std::string firstPaste = core->workspace.selected.control->name();
    trigger("mnuPaste");
    const std::string secondPaste = core->workspace.selected.control->name();
    EXPECT_EQ(button->name(), name);
    EXPECT_NE(firstPaste, name);
    EXPECT_NE(secondPaste, firstPaste);
    EXPECT_EQ(firstPaste.rfind("Button", 0), 0u);
    int count = 0;
    activeForm().forEachControl([&](Control&) { ++count; });
    EXPECT_EQ(count, 3);
}

TEST_F(DesignerViewTest, ALostReleaseEndsTheDrag) {
    Control* button = place("spbButton", {20, 20});
    const Point grab{button->left() + 10, button->top() + 5};
    press(grab);
    // The view loses the pointer to another window: the release never comes.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(activeView(), &out);
    const int left = button->left();
    moveHeld({grab.x + 40, grab.y}); // the button still held, as the view last saw it
    EXPECT_EQ(button->left(), left);
    // The next click is an ordinary click, not the end of an old drag.
    click({100, 140});
    EXPECT_EQ(button->left(), left);
    EXPECT_EQ(core->workspace.selected.control, nullptr);
}

TEST_F(DesignerViewTest, DeleteKeyRemovesTheSelectedControl) {
    Control* button = place("spbButton", {20, 20});
    ASSERT_NE(button, nullptr);
    QTest::keyClick(activeView(), Qt::Key_Delete);
    int count = 0;
    activeForm().forEachControl([&](Control&) { ++count; });
    EXPECT_EQ(count, 0);
}

TEST_F(DesignerViewTest, ClickingThePressedToolRaisesIt) {
    QToolButton* b = toolButton("spbLabel");
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(core->workspace.tool, "Label");
    QTest::mouseClick(toolButton("spbButton"), Qt::LeftButton);
    EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(core->workspace.tool, "Button");
    QTest::mouseClick(toolButton("spbButton"), Qt::LeftButton);
    EXPECT_EQ(core->workspace.tool, "");
    EXPECT_FALSE(toolButton("spbButton")->isChecked());
}

TEST_F(DesignerViewTest, ThePictureShowsWhatTheCoreDraws) {
    const QImage before = activeView()->picture();
    place("spbButton", {20, 20});
    const QImage after = activeView()->picture();
    EXPECT_EQ(after.size(), QSize(167, 226));
    EXPECT_NE(before, after);
    EXPECT_EQ(activeView()->size(), activeView()->mapping().logicalSize(167, 226));
}

} // namespace
} // namespace ornadeck::app::test

namespace ornadeck::app::test {
namespace {} // namespace
} // namespace ornadeck::app::test

namespace ornadeck::app::test {
namespace {

// Menus and the device around the screen have no popup: nothing opens, and so nothing of
// another control's can be deleted from there.
TEST_F(AppFixture, NoPopupWhereNoControlHasOne) {
    newProject(Library::CControls);
    Control* button = place("spbButton", {20, 60});
    Control* menu = place("spbMenu", {0, 0});
    ASSERT_NE(menu, nullptr);
    const Point onTitle{menu->left() - activeForm().surface().left() + 2,
                        menu->top() - activeForm().surface().top() + 2};
    for (Point at : {onTitle, Point{-3, 170}}) {
        click({button->left() + 4, button->top() + 4});
        press(at, {}, Qt::RightButton);
        release(at, {}, Qt::RightButton);
        EXPECT_FALSE(window->popupMenu().isVisible()) << at.x << "," << at.y;
        window->popupMenu().hide();
    }
    EXPECT_TRUE(activeForm().contains(button));
}

} // namespace
} // namespace ornadeck::app::test
