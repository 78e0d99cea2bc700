#include "AppFixture.h"
#include "RecoveryKeeper.h"
#include "dialogs/ExportPictureDialog.h"
#include "formfile/FormFile.h"
#include "inspector/InspectorDock.h"
#include "inspector/ToolDocks.h"
#include "model/SilentUi.h"
#include "views/PictureImage.h"
#include "workbench/FormPicture.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QWheelEvent>

namespace ornadeck::app::test {
namespace {

class EditingTest : public NewProjectTest {
  protected:
    QMdiSubWindow* frame() { return qobject_cast<QMdiSubWindow*>(activeView()->parentWidget()); }
    void key(int k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(activeView(), static_cast<Qt::Key>(k), mods);
    }
};

TEST_F(EditingTest, UndoAndRedoNameTheirStepAndMarkTheCaption) {
    QAction* undo = window->command("mnuUndo");
    QAction* redo = window->command("mnuRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");
    EXPECT_EQ(redo->shortcuts().size(), 2);
    EXPECT_FALSE(frame()->isWindowModified());
    auto* bar = window->findChild<QToolBar*>("tbEdit");
    EXPECT_TRUE(bar->actions().contains(undo) && bar->actions().contains(redo));

    Control* b = place("spbButton", {20, 30});
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(frame()->isWindowModified());
    EXPECT_EQ(undo->text(), "&Undo Place Button1");
    trigger("mnuUndo");
    EXPECT_TRUE(activeForm().surfaceControls().empty());
    EXPECT_FALSE(frame()->isWindowModified());
    EXPECT_EQ(redo->text(), "&Redo Place Button1");
    trigger("mnuRedo");
    EXPECT_EQ(activeForm().surfaceControls().size(), 1u);
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(EditingTest, ArrowsTabAndEscapeReachTheCore) {
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbButton", {20, 60});
    activeView()->setFocus();
    const int left = b->left();
    key(Qt::Key_Right); // grid mode is on at a fresh start: one grid step
    EXPECT_EQ(b->left(), left + 4);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(b->left(), left + 5);
    key(Qt::Key_Tab);
    EXPECT_EQ(core->workspace.selected.control, a);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(core->workspace.selected.control, b);
    EXPECT_EQ(window->command("mnuUndo")->text(), "&Undo Move Button2");

    QTest::mouseClick(toolButton("spbLabel"), Qt::LeftButton);
    activeView()->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(toolButton("spbLabel")->isChecked());
}

TEST_F(EditingTest, DoubleClickLocksTheToolUntilItIsClickedAgain) {
    QToolButton* button = toolButton("spbButton");
    const QPoint at = button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, {});
    QApplication::sendEvent(button, &dbl);
    QTest::mouseRelease(button, Qt::LeftButton, {}, at);
    EXPECT_TRUE(core->workspace.toolLocked);
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(button->toolTip().contains("locked"));
    click({10, 10});
    click({10, 60});
    EXPECT_EQ(activeForm().surfaceControls().size(), 2u);
    EXPECT_TRUE(button->isChecked()); // still down after placing
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    EXPECT_TRUE(core->workspace.tool.empty());
    EXPECT_FALSE(button->toolTip().contains("locked"));
}

TEST_F(EditingTest, RubberBandMarksWhatItTouches) {
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbButton", {20, 60});
    place("spbButton", {100, 120});
    press({10, 10});
    moveHeld({60, 70});
    ASSERT_TRUE(activeView()->editor().rubberBand());
    release({60, 70});
    EXPECT_TRUE(a->selected());
    EXPECT_TRUE(b->selected());
    EXPECT_EQ(core->workspace.selected.control, a);
}

TEST_F(EditingTest, ZoomStepsBetweenOneAndFourAndMapsPointsExactly) {
    trigger("mnuActualSize");
    EXPECT_EQ(activeView()->zoom(), 1);
    EXPECT_FALSE(window->command("mnuZoomOut")->isEnabled());
    for (int i = 0; i < 5; ++i)
        trigger("mnuZoomIn");
    EXPECT_EQ(activeView()->zoom(), 4);
    EXPECT_FALSE(window->command("mnuZoomIn")->isEnabled());
    EXPECT_GE(frame()->width(), activeView()->width()); // the frame follows the view

    // A one-pixel drag at 4x moves one pixel.
    window->command("mnuGrid")->trigger(); // grid off: single pixels
    Control* c = place("spbButton", {40, 40});
    const int left = c->left();
    const Point grab{c->left() + c->width() / 2, c->top() + c->height() / 2};
    press(grab);
    moveHeld({grab.x + 1, grab.y});
    release({grab.x + 1, grab.y});
    EXPECT_EQ(c->left(), left + 1);

    const QPointF at = activeView()->rect().center();
    QWheelEvent wheel(at, activeView()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(activeView(), &wheel);
    EXPECT_EQ(activeView()->zoom(), 3);

    // A touchpad turns in small steps: a zoom step once they make a whole notch.
    for (int i = 1; i <= 4; ++i) {
        QWheelEvent small(at, activeView()->mapToGlobal(at), {}, {0, 30}, Qt::NoButton,
                          Qt::ControlModifier, Qt::ScrollUpdate, false);
        QApplication::sendEvent(activeView(), &small);
        EXPECT_EQ(activeView()->zoom(), i < 4 ? 3 : 4) << i;
    }
}

TEST_F(EditingTest, EachFormFileKeepsItsZoomForTheNextRun) {
    const auto path = temp.path() / "Zoomed.ozf";
    ui.files = {path};
    trigger("mnuSaveForm");
    trigger("mnuZoomIn");
    ASSERT_EQ(activeView()->zoom(), 3);
    restart();
    newProject(Library::PToolboxLib);
    EXPECT_EQ(activeView()->zoom(), 2); // a new form: the usual factor
    ui.files = {path};
    trigger("mnuFileOpenForm");
    ASSERT_EQ(activeForm().filePath(), path);
    EXPECT_EQ(activeView()->zoom(), 3);
}

TEST_F(EditingTest, ExportedPictureHasTheRenderedPixels) {
    place("spbButton", {20, 20});
    const auto path = temp.path() / "form.png";
    for (bool device : {false, true}) {
        ASSERT_TRUE(writeFormPicture(*core, activeForm(), QString::fromStdString(path.string()), 3,
                                     device));
        SilentUi quiet;
        Status read;
        const Image expected =
            formFilePicture(formToIni(activeForm(), *core->kits.current().sections),
                            Library::PToolboxLib, core->fonts, quiet, device, read)
                .scaled(3);
        const QImage written(QString::fromStdString(path.string()));
        ASSERT_EQ(written.width(), expected.width());
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
                  toQImage(expected).convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_FALSE(writeFormPicture(*core, activeForm(), "", 1, false));
}

} // namespace
} // namespace ornadeck::app::test

namespace ornadeck::app::test {
namespace {

// Typing in one inspector cell is one undo step, and Undo brings the old value back.
TEST_F(AppFixture, InspectorTypingIsOneUndoStep) {
    newProject(Library::PToolboxLib);
    Control* button = place("spbButton", {20, 20});
    ASSERT_NE(button, nullptr);
    window->refresh();
    Inspector& inspector = window->docks().inspector().model();
    std::size_t textRow = 0;
    for (std::size_t i = 0; i < inspector.rows().size(); ++i)
        if (inspector.rows()[i].name == "Text") textRow = i;
    const std::string before = inspector.rows()[textRow].value;
    const std::string name = button->name();
    for (const char* typed : {"O", "Ok", "Oka", "Okay"})
        inspector.type(textRow, typed);
    const FormHistory& history = activeView()->editor().history();
    ASSERT_TRUE(history.canUndo());
    trigger("mnuUndo");
    // Undo rebuilds the form's controls: find the button again by its name.
    Control* restored = activeForm().findByName(name);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(palm(restored, "Text"), before);
    EXPECT_FALSE(activeView()->editor().history().canUndo() &&
                 activeView()->editor().history().undoLabel().find("Text") != std::string::npos);
}

} // namespace
} // namespace ornadeck::app::test
