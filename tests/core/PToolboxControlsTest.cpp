#include "model/Form.h"
#include "model/TextMetrics.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

// Glyphs of a chosen cell size, to tell font-driven sizes from fixed ones.
class CellMetrics final : public TextMetrics {
  public:
    int cellWidth = 5;
    int cellHeight = 11;
    int textWidth(const Font&, std::string_view text) const override {
        return static_cast<int>(text.size()) * cellWidth;
    }
    int textHeight(const Font&, std::string_view text) const override {
        return text.empty() ? 0 : cellHeight;
    }
};

class PToolboxControls : public testing::Test {
  protected:
    CellMetrics metrics;
    Form form{"Main", &metrics};

    template <class T> T* add(std::string name) {
        Status status;
        auto* c = form.add(std::make_unique<T>(), &form.surface(), std::move(name), status);
        EXPECT_TRUE(status.ok());
        return c;
    }
};

TEST_F(PToolboxControls, ButtonIsFramedByTwoPixels) {
    TPTButton button;
    EXPECT_EQ(button.userLeft(), 2);
    EXPECT_EQ(button.userTop(), 2);
    button.setUserWidth(10);
    EXPECT_EQ(button.width(), 14);
    button.setUserLeft(0);
    EXPECT_EQ(button.left(), -2);
}

TEST_F(PToolboxControls, LabelSizesItselfToItsTextAtEachRepaint) {
    auto* label = add<TPTLabel>("Label1");
    EXPECT_EQ(label->width(), 1); // empty text
    EXPECT_EQ(label->height(), TPTLabel::kEmptyHeight);
    label->setContent("Hello");
    EXPECT_EQ(label->width(), 26);
    EXPECT_EQ(label->height(), 11);
    label->setWidth(100); // whatever was set before
    EXPECT_EQ(label->width(), 26);
    metrics.cellWidth = 7;
    metrics.cellHeight = 14;
    label->repaint();
    EXPECT_EQ(label->width(), 36);
    EXPECT_EQ(label->height(), 14);
}

TEST_F(PToolboxControls, GsiCannotBeResized) {
    auto* gsi = add<TPTGsi>("GSI1");
    gsi->setBounds(3, 4, 20, 30);
    EXPECT_EQ(gsi->left(), 3);
    EXPECT_EQ(gsi->width(), 8);
    EXPECT_EQ(gsi->height(), 9);
    EXPECT_EQ(gsi->userLeft(), 3);
}

TEST_F(PToolboxControls, ListHeightFollowsRowsAndSnapsOnRelease) {
    auto* list = add<TPTList>("List1");
    list->setMaxItems(3);
    EXPECT_EQ(list->height(), 36);
    list->setHeight(40); // dragged by a grab handle
    EXPECT_EQ(list->maxItems(), 3);
    list->afterMouseRelease();
    EXPECT_EQ(list->maxItems(), 3);
    EXPECT_EQ(list->height(), 36);
    list->setHeight(10);
    list->afterMouseRelease();
    EXPECT_EQ(list->maxItems(), 0);
    EXPECT_EQ(list->height(), 3);
}

TEST_F(PToolboxControls, ListRowHeightFollowsTheFontWhenDrawn) {
    auto* list = add<TPTList>("List1");
    list->setMaxItems(2);
    metrics.cellHeight = 14;
    list->repaint();
    EXPECT_EQ(list->rowHeight(), 14);
    EXPECT_EQ(list->height(), 2 * 14 + 3);
    list->setMaxItems(4);
    EXPECT_EQ(list->height(), 4 * 14 + 3);
}

TEST_F(PToolboxControls, ListKeepsItsRowsWhenTheFontMeasuresNothing) {
    auto* list = add<TPTList>("List1");
    list->setMaxItems(3);
    metrics.cellHeight = 0;
    list->repaint();
    list->afterMouseRelease();
    EXPECT_EQ(list->rowHeight(), TPTList::kDefaultRowHeight);
    EXPECT_EQ(list->maxItems(), 3);
    EXPECT_EQ(list->height(), 36);
}

TEST_F(PToolboxControls, ListRowCountStaysWithinRange) {
    TPTList list;
    list.setMaxItems(-4);
    EXPECT_EQ(list.maxItems(), 0);
    EXPECT_EQ(list.height(), 3);
    list.setMaxItems(2147483647);
    EXPECT_EQ(list.height(), Control::kCoordLimit);
    EXPECT_EQ(list.userWidth(), list.width() - 3);
}

} // namespace
} // namespace ornadeck
