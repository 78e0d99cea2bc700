// Guide lines while a control is dragged on a real designer view.
#include "AppFixture.h"

#include <QImage>

namespace ornadeck::app::test {
namespace {

using AlignmentGuidesTest = NewProjectTest;

// Whether the view, as painted now, shows the guide colour anywhere in column `x`.
bool guideShownAt(DesignerView& view, int x) {
    const QImage shot = view.grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        if (shot.pixelColor(x, y) == QColor(255, 0, 255)) return true;
    return false;
}

TEST_F(AlignmentGuidesTest, ALinedUpDragShowsItsGuideUntilTheRelease) {
    window->command("mnuGrid")->trigger(); // grid off: single pixels
    Control* a = place("spbButton", {20, 20});
    Control* b = place("spbButton", {60, 80});
    ASSERT_TRUE(a && b);
    DesignerView& view = *activeView();
    const int guideColumn = static_cast<int>(view.mapping().fromSurface({a->left(), 0}).x() -
                                             view.mapping().factor() / 2.0);

    const Point grip{b->left() + 4, b->top() + b->height() / 2};
    const Point near{grip.x - (b->left() - a->left()) + 2, grip.y};
    press(grip);
    moveHeld(near);
    EXPECT_EQ(b->left(), a->left()); // pulled the last two pixels
    EXPECT_TRUE(guideShownAt(view, guideColumn));
    release(near);
    EXPECT_FALSE(guideShownAt(view, guideColumn));

    // Ctrl, as for the grid, turns the guides off.
    const Point again{b->left() + 4, grip.y};
    press(again, Qt::ControlModifier);
    moveHeld({again.x + 1, again.y}, Qt::ControlModifier);
    EXPECT_EQ(b->left(), a->left() + 1);
    EXPECT_FALSE(guideShownAt(view, guideColumn));
    release({again.x + 1, again.y}, Qt::ControlModifier);
}

} // namespace
} // namespace ornadeck::app::test
