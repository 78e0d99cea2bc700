// Dragging a control tool from the toolbar onto a form.
#include "AppFixture.h"

#include <QMimeData>

namespace ornadeck::app::test {
namespace {

class ToolDropTest : public NewProjectTest {
  protected:
    // The drop of a tool's drag at a surface pixel, as the view receives it; whether the
    // view took it.
    bool drop(const std::string& kindTag, Point at) {
        QMimeData data;
        data.setData(KindToolBar::kKindMime, QByteArray::fromStdString(kindTag));
        const QPointF p = activeView()->mapping().fromSurface(at);
        QDragEnterEvent enter(p.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(activeView(), &enter);
        QDragMoveEvent move(p.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(activeView(), &move);
        if (!move.isAccepted()) return false;
        QDropEvent dropped(p, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(activeView(), &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(ToolDropTest, ADropPlacesAtThePointAtEveryZoomAndOutsideTheScreenNothing) {
    window->command("mnuGrid")->trigger(); // single pixels: the drop point itself
    for (int zoom = 1; zoom <= DesignerView::kMaxZoom; ++zoom) {
        activeView()->setZoom(zoom);
        const Point at{10 + zoom * 20, 30 + zoom * 10};
        ASSERT_TRUE(drop("Button", at)) << zoom;
        Control* made = core->workspace.selected.control;
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(palm(made, "Left"), std::to_string(at.x)) << zoom;
        EXPECT_EQ(palm(made, "Top"), std::to_string(at.y)) << zoom;
    }
    const std::size_t placed = activeForm().surface().children().size();
    EXPECT_FALSE(drop("Button", {-3, 40}));  // on the device's frame
    EXPECT_FALSE(drop("Button", {40, 170})); // on the silkscreen
    EXPECT_EQ(activeForm().surface().children().size(), placed);
    EXPECT_TRUE(core->workspace.tool.empty()); // no tool chosen by a drag
    EXPECT_FALSE(toolButton("spbButton")->isChecked());
}

TEST_F(ToolDropTest, TheDragCarriesTheControlsPictureAtTheViewsZoom) {
    activeView()->setZoom(3);
    const std::unique_ptr<Control> sample = core->kits.current().engine->sampleOf("Label");
    ASSERT_NE(sample, nullptr);
    const QPixmap picture = window->dragPicture("Label");
    EXPECT_EQ(picture.width(), sample->width() * 3);
    EXPECT_EQ(picture.height(), sample->height() * 3);
    // Sharp Palm pixels: each one a 3 x 3 block of one colour.
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), image.pixel(x - x % 3, y - y % 3)) << x << "," << y;
}

} // namespace
} // namespace ornadeck::app::test
