#include "designer/LayoutCommands.h"

#include "support/CControlsFixture.h"
#include "support/PToolboxFixture.h"

#include <vector>

namespace ornadeck {
namespace {

// Marks as clicks do: the first one primary (the reference), the rest added.
template <class Fixture> class Layout : public Fixture {
  protected:
    void mark(std::initializer_list<Control*> controls) {
        this->engine.clearSelection(this->form);
        bool adding = false;
        for (Control* c : controls) {
            this->engine.setSelected(*c, true, adding);
            adding = true;
        }
    }
    LayoutCommands layout{this->workspace, this->ui};
};
using CControlsLayout = Layout<test::CControlsFixture>;
using PToolboxLayout = Layout<test::PToolboxFixture>;

std::vector<int> palmRect(const Control* c) {
    return {c->userLeft(), c->userTop(), c->userWidth(), c->userHeight()};
}

TEST_F(CControlsLayout, AlignAndSizeToTheReference) {
    const struct {
        AlignCommand command;
        std::vector<int> second; // Palm left, top, width, height afterwards
    } cases[] = {
        {AlignCommand::Left, {10, 60, 30, 20}},  {AlignCommand::Right, {0, 60, 30, 20}},
        {AlignCommand::Top, {40, 20, 30, 20}},   {AlignCommand::Bottom, {40, 14, 30, 20}},
        {AlignCommand::Width, {40, 60, 20, 20}}, {AlignCommand::Height, {40, 60, 30, 14}},
    };
    Control* a = place("Button", 10, 20);
    Control* b = place("Button", 40, 60);
    a->setUserWidth(20);
    a->setUserHeight(14);
    for (const auto& c : cases) {
        b->setUserLeft(40);
        b->setUserTop(60);
        b->setUserWidth(30);
        b->setUserHeight(20);
        mark({a, b});
        layout.alignOrSize(form, c.command);
        EXPECT_EQ(palmRect(b), c.second) << static_cast<int>(c.command);
        EXPECT_EQ(palmRect(a), (std::vector<int>{10, 20, 20, 14}));
        EXPECT_TRUE(form.resizeNotifications());
    }
}

TEST_F(CControlsLayout, NothingMovesWithoutAReferenceOrOnASingleMark) {
    Control* a = place("Button", 10, 20);
    Control* b = place("Button", 40, 60);
    const auto before = palmRect(b);
    engine.clearSelection(form);
    layout.alignOrSize(form, AlignCommand::Left);
    EXPECT_EQ(palmRect(b), before);
    mark({b});
    for (AlignCommand c : {AlignCommand::Left, AlignCommand::Right, AlignCommand::Bottom,
                           AlignCommand::Width, AlignCommand::Height}) {
        layout.alignOrSize(form, c);
        EXPECT_EQ(palmRect(b), before);
    }
    EXPECT_EQ(a->userLeft(), 10);
}

TEST_F(CControlsLayout, LabelReferenceGivesItsWidthButHasNoHeightToGive) {
    Control* label = place("Label", 10, 10);
    Control* b1 = place("Button", 10, 40);
    Control* b2 = place("Button", 10, 80);
    b1->setUserHeight(30);
    mark({label, b1, b2});
    layout.alignOrSize(form, AlignCommand::Width);
    EXPECT_EQ(b1->userWidth(), label->userWidth());
    EXPECT_EQ(b2->userWidth(), label->userWidth());
    layout.alignOrSize(form, AlignCommand::Height); // skipped, not set to 0
    EXPECT_EQ(b1->userHeight(), 30);
}

TEST_F(CControlsLayout, KindsOutsideTheCommandAreLeftAlone) {
    Control* b = place("Button", 10, 10);
    Control* box = place("CheckBox", 60, 40);
    b->setUserHeight(30);
    const int boxHeight = box->height();
    mark({b, box});
    layout.alignOrSize(form, AlignCommand::Height);
    EXPECT_EQ(box->height(), boxHeight);
    layout.alignOrSize(form, AlignCommand::Bottom); // a CheckBox aligns by its drawn height
    EXPECT_EQ(box->userTop() + box->userHeight(), b->userTop() + b->userHeight());
}

TEST_F(CControlsLayout, OversizedImageReferenceIsReadQuietlyAndNeverChanged) {
    Control* ref = place("Image", 10, 10);
    ref->setBounds(10, 10, 50, 45); // as a form file may hold it
    Control* img = place("Image", 70, 80);
    Control* button = place("Button", 20, 100);
    const std::vector<int> refRect = palmRect(ref);
    for (AlignCommand c : {AlignCommand::Left, AlignCommand::Right, AlignCommand::Top,
                           AlignCommand::Bottom, AlignCommand::Width, AlignCommand::Height}) {
        mark({ref, img, button});
        layout.alignOrSize(form, c);
        EXPECT_EQ(palmRect(ref), refRect) << static_cast<int>(c);
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(img->width(), 40); // an Image keeps to its limit
    EXPECT_EQ(img->height(), 40);
    EXPECT_EQ(button->userWidth(), 50);
    EXPECT_EQ(button->userHeight(), 45);
}

TEST_F(CControlsLayout, ReferenceInADialogLeavesTheSurfaceAlone) {
    Control* dialog = place("Dialog");
    Control* inner = place("Button", 20, 10, dialog);
    Control* inner2 = place("Button", 50, 40, dialog);
    Control* outside = place("Button", 70, 5);
    engine.clearSelection(form);
    engine.setSelected(*inner, true, false);   // red: the reference
    engine.setSelected(*inner2, true, true);   // maroon
    engine.setSelected(*outside, true, false); // blue, but the dialog comes first
    layout.alignOrSize(form, AlignCommand::Left);
    EXPECT_EQ(inner2->userLeft(), 20);
    EXPECT_EQ(outside->userLeft(), 70);
}

TEST_F(CControlsLayout, CentersEachMarkedControlInItsParent) {
    Control* img = place("Image", 3, 3);
    img->setBounds(3, 3, 41, 10);
    Control* dialog = place("Dialog");
    Control* inner = place("Image", 1, 1, dialog);
    inner->setBounds(1, 1, 10, 10);
    mark({img});
    engine.setSelected(*inner, true, false);
    layout.center(form, LayoutAxis::Horizontal);
    EXPECT_EQ(img->left(), 59); // 119 / 2, truncated
    EXPECT_EQ(inner->left(), (dialog->width() - 10) / 2);
    layout.center(form, LayoutAxis::Vertical);
    EXPECT_EQ(img->top(), 75);
    EXPECT_EQ(inner->top(), (dialog->height() - 10) / 2);
}

TEST_F(CControlsLayout, SpacesByNumericPositionKeepingTies) {
    const struct {
        std::vector<int> lefts, widths, expected;
    } cases[] = {
        {{0, 50, 60}, {10, 10, 10}, {0, 30, 60}},
        {{0, 5, 27}, {10, 10, 10}, {0, 13, 26}},     // gap 7 / 2 = 3: the last moves back 1
        {{-5, -10, 20}, {10, 10, 10}, {5, -10, 20}}, // -10 comes before -5
        {{0, 0, 40}, {10, 10, 10}, {0, 20, 40}},     // equal places: both spaced, list order
        {{0, 2, 11}, {10, 10, 10}, {0, 6, 12}},      // overlapping: gap -9 / 2 = -4
        {{30}, {10}, {30}},
    };
    for (const auto& c : cases) {
        std::vector<Control*> made;
        for (std::size_t i = 0; i < c.lefts.size(); ++i) {
            Control* img = place("Image", 1, 1 + 20 * static_cast<int>(i));
            img->setBounds(c.lefts[i], img->top(), c.widths[i], 10);
            made.push_back(img);
        }
        engine.clearSelection(form);
        for (Control* m : made)
            engine.setSelected(*m, true, true);
        layout.space(form, LayoutAxis::Horizontal);
        std::vector<int> lefts;
        for (Control* m : made)
            lefts.push_back(m->left());
        EXPECT_EQ(lefts, c.expected);
        for (Control* m : made)
            engine.destroyControl(form, m);
    }
}

TEST_F(CControlsLayout, SpacesTheSurfaceAndEachDialogApart) {
    Control* dialog = place("Dialog");
    std::vector<Control*> top, inner;
    for (int y : {0, 30, 40}) {
        top.push_back(place("Image", 1, y));
        top.back()->setBounds(1, y, 10, 10);
        inner.push_back(place("Image", 1, y, dialog));
        inner.back()->setBounds(1, y, 10, 5);
    }
    engine.clearSelection(form);
    for (Control* c : top)
        engine.setSelected(*c, true, true);
    for (Control* c : inner)
        engine.setSelected(*c, true, true);
    layout.space(form, LayoutAxis::Vertical);
    EXPECT_EQ(top[1]->top(), 20);   // gap (50 - 30) / 2
    EXPECT_EQ(inner[1]->top(), 20); // gap (45 - 15) / 2 = 15
    EXPECT_EQ(inner[2]->top(), 40);
}

// A PToolboxLib CheckBox keeps its position in Palm pixels and its size in window pixels.
TEST_F(PToolboxLayout, BottomReadsEachSideInItsOwnCoordinates) {
    Control* button = place("Button", 20, 30);
    Control* box = place("CheckBox", 60, 80);
    box->setHeight(20);
    mark({button, box});
    layout.alignOrSize(form, AlignCommand::Bottom);
    EXPECT_EQ(box->userTop(), button->userTop() + button->userHeight() - box->height());
}

TEST_F(PToolboxLayout, EachKindUsesItsOwnCoordinatesAndTable) {
    Control* button = place("Button", 20, 30); // Palm position
    Control* label = place("Label", 60, 80);   // window position
    Control* gsi = place("GSI", 90, 100);
    const int labelWidth = label->width();
    mark({button, label, gsi});
    layout.alignOrSize(form, AlignCommand::Left);
    EXPECT_EQ(label->left(), 20);
    EXPECT_EQ(gsi->left(), 20);
    layout.alignOrSize(form, AlignCommand::Width); // neither takes a width
    EXPECT_EQ(label->width(), labelWidth);

    mark({label, button});
    const int buttonWidth = button->userWidth();
    layout.alignOrSize(form, AlignCommand::Width); // a Label has no width to give
    EXPECT_EQ(button->userWidth(), buttonWidth);
}

} // namespace
} // namespace ornadeck
