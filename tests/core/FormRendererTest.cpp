#include "render/FormRenderer.h"

#include "cclib/TCCButton.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "render/DevicePicture.h"
#include "support/CControlsFixture.h"
#include "support/TestFonts.h"

namespace ornadeck {
namespace {

class FormRendererTest : public test::CControlsFixture {
  protected:
    test::BlockFonts fonts;
    FormRenderer renderer{fonts};
};

TEST_F(FormRendererTest, SurfaceIsTheScreenAndTheDesignerPutsItAtFourTwo) {
    const Image screen = renderer.surface(form);
    EXPECT_EQ(screen.width(), 160);
    EXPECT_EQ(screen.height(), 160);
    EXPECT_EQ(screen.at(0, 13), kBlack); // the line under the title
    const Image designer = renderer.designer(form);
    EXPECT_EQ(designer.width(), DevicePicture::kWidth);
    EXPECT_EQ(designer.height(), DevicePicture::kHeight);
    for (int y = 0; y < 160; y += 7)
        for (int x = 0; x < 160; x += 7)
            ASSERT_EQ(designer.at(x + 4, y + 2), screen.at(x, y));
    EXPECT_EQ(designer.at(0, 200), DevicePicture::image().at(0, 200));
}

TEST_F(FormRendererTest, ControlsStayInsideTheirDialogAndHiddenOnesAreLeftOut) {
    auto* dialog = static_cast<TPTDialog*>(place("Dialog"));
    auto* inside = place("Button", 140, 40, dialog); // runs past the dialog's right edge
    inside->setWidth(60);
    Image picture = renderer.surface(form);
    const int right = dialog->left() + dialog->width(); // first column outside the dialog
    bool inkBeyond = false;
    for (int y = dialog->top(); y < dialog->top() + dialog->height(); ++y)
        inkBeyond = inkBeyond || picture.at(right, y) == kBlack;
    EXPECT_FALSE(inkBeyond);

    const Image withDialog = picture;
    ASSERT_TRUE(set(dialog, "Test", "No").ok());
    picture = renderer.surface(form);
    EXPECT_NE(picture, withDialog);
    EXPECT_EQ(picture, renderer.surface(Form("Main"))); // nothing else on the form
}

TEST_F(FormRendererTest, MenusAreDrawnOverTheScreen) {
    const Image empty = renderer.surface(form);
    place("MenuBar");
    const Image withMenu = renderer.surface(form);
    EXPECT_NE(withMenu, empty);
    EXPECT_EQ(withMenu.at(4, 13), kBlack); // the bar's outline under the title tab
}

TEST_F(FormRendererTest, SelectionMarksShowInTheMarkColour) {
    Control* button = place("Button", 30, 30);
    engine.setSelected(*button, true, false);
    const Image picture = renderer.surface(form);
    EXPECT_EQ(picture.at(button->left(), button->top()), kBlue);

    // A picture for others (an exported form) is the same form without the marks and the
    // grid's dots.
    form.surface().setGridVisible(1);
    form.surface().setGridSpace(6);
    const Image exported = renderer.designer(form, FormRenderer::Aids::Hidden);
    EXPECT_NE(exported, renderer.designer(form));
    engine.setSelected(*button, false, false);
    form.surface().setGridVisible(0);
    EXPECT_EQ(exported, renderer.designer(form));
}

TEST_F(FormRendererTest, AControlAlonePaintsAsOnTheScreenWithoutItsMarks) {
    Control* button = place("Button", 30, 30);
    engine.setSelected(*button, true, false);
    const Image alone = renderer.control(*button);
    ASSERT_EQ(alone.width(), button->width());
    ASSERT_EQ(alone.height(), button->height());
    engine.setSelected(*button, false, false);
    const Image screen = renderer.surface(form);
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            ASSERT_EQ(alone.at(x, y), screen.at(button->left() + x, button->top() + y))
                << x << "," << y;
}

} // namespace
} // namespace ornadeck
