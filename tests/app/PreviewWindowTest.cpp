// The Preview window on the shipped examples.
#include "preview/PreviewWindow.h"

#include "AppFixture.h"
#include "preview/HandheldView.h"
#include "ptlib/TPTEdit.h"

#include <QLabel>

namespace ornadeck::app::test {
namespace {

class PreviewWindowTest : public AppFixture {
  protected:
    PreviewWindow* openPreview(const char* project) {
        openExampleCopy(project);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(window->command("mnuPreview")->isEnabled());
        activeView()->setFocus();
        QTest::keyClick(activeView(), Qt::Key_R, Qt::ControlModifier);
        return window->findChild<PreviewWindow*>();
    }
    // A tap at a screen pixel of the handheld, as the mouse sends it.
    void tap(PreviewWindow& preview, Point at) {
        HandheldView& handheld = preview.handheld();
        QTest::mouseClick(&handheld, Qt::LeftButton, {},
                          handheld.mapping().fromSurface(at).toPoint());
    }
};

TEST_F(PreviewWindowTest, CtrlRShowsTheFirstFormAndAShowFormButtonChangesTheCaption) {
    PreviewWindow* preview = openPreview("ccontrols/Demo.ozp");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), "Preview - Main");
    EXPECT_EQ(preview->handheld().accessibleName(), "Handheld");
    EXPECT_EQ(preview->handheld().size(),
              preview->handheld().mapping().logicalSize(167, 226)); // the designer's zoom
    const auto mainFile = temp.path() / "examples/ccontrols/Main.ozf";
    const std::string before = readFile(mainFile);

    tap(*preview, {27, 26}); // OkButton: ShowForm=About
    EXPECT_EQ(preview->windowTitle(), "Preview - About");
    preview->handheld().setFocus();
    QTest::keyClick(&preview->handheld(), Qt::Key_Backspace);
    EXPECT_EQ(preview->windowTitle(), "Preview - Main");

    // The design is untouched: no step to undo, nothing modified.
    EXPECT_FALSE(activeView()->editor().history().canUndo());
    EXPECT_FALSE(activeView()->parentWidget()->isWindowModified());
    EXPECT_EQ(readFile(mainFile), before);

    QPointer<PreviewWindow> gone(preview);
    QTest::keyClick(&preview->handheld(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(PreviewWindowTest, AButtonWithoutAFormNamesItsHandlerInTheStatusLine) {
    PreviewWindow* preview = openPreview("ptoolbox/Palm.ozp");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), "Preview - Main");
    tap(*preview, {75, 22}); // More: ShowForm=(None)
    EXPECT_EQ(preview->statusLine().text(), "The program runs case More here.");
    EXPECT_EQ(preview->windowTitle(), "Preview - Main");
    // The Note field ("Note") takes what is typed on the keyboard; Backspace takes a letter
    // back.
    tap(*preview, {20, 114});
    ASSERT_NE(preview->session().typingInto(), nullptr);
    QTest::keyClicks(&preview->handheld(), "Hi!");
    QTest::keyClick(&preview->handheld(), Qt::Key_Backspace);
    EXPECT_EQ(static_cast<const TPTEdit*>(preview->session().typingInto())->text(), "NoteHi");

    tap(*preview, {20, 22}); // OkButton: ShowForm=Settings
    EXPECT_EQ(preview->windowTitle(), "Preview - Settings");
    EXPECT_EQ(preview->statusLine().text(), "");
}

TEST_F(PreviewWindowTest, AHeldRepeatButtonRunsAgainUntilTheReleaseAndEachRunFlashes) {
    newProject(Library::PToolboxLib);
    Control* button = place("spbButton", {20, 30});
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(core->kits.current().engine->setPropertyOf(activeForm(), *button, "Type", "Repeat",
                                                           core->ui));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    activeView()->setFocus();
    QTest::keyClick(activeView(), Qt::Key_R, Qt::ControlModifier);
    auto* preview = window->findChild<PreviewWindow*>();
    ASSERT_NE(preview, nullptr);
    HandheldView& handheld = preview->handheld();
    const QPoint at =
        handheld.mapping().fromSurface({button->left() + 5, button->top() + 5}).toPoint();
    QTest::mousePress(&handheld, Qt::LeftButton, {}, at);
    EXPECT_TRUE(preview->session().flashing());
    QTest::qWait(450);
    QTest::mouseRelease(&handheld, Qt::LeftButton, {}, at);
    const int runs = preview->session().handlerRuns();
    EXPECT_GE(runs, 3);
    QTest::qWait(300);
    EXPECT_EQ(preview->session().handlerRuns(), runs); // stopped at the release
    EXPECT_FALSE(preview->session().flashing());       // the flash is a moment
    EXPECT_EQ(preview->statusLine().text().toStdString(),
              "The program runs case " + button->name() + " here.");
}

} // namespace
} // namespace ornadeck::app::test
