#include "cclib/CControlsProperties.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCLabel.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "engine/CommonProperties.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "model/Ui.h"

namespace ornadeck {

using namespace props;

namespace {

constexpr int kMaxImageSize = TCCBitmap::kCControlsMaxSize;

const std::vector<std::string_view> kLineWords{"White", "Black", "Gray"};
const std::vector<std::string_view> kStyleWords{"Plain", "Underlined", "Boxed"};

// An image is at most 40 pixels each way: a larger size is reported and cut back, both
// when it is typed and when it is found on reading.
Property imageSide(std::string_view name, Side side) {
    const bool isWidth = side == Side::Width;
    auto limit = [isWidth](Control& c, PropertyContext& ctx) {
        ctx.ui.showError(std::string("The maximum ") + (isWidth ? "width" : "height") +
                         " of a Image control is 40");
        isWidth ? c.setWidth(kMaxImageSize) : c.setHeight(kMaxImageSize);
    };
    return {name,
            [=](Control& c, PropertyContext& ctx) {
                if ((isWidth ? c.width() : c.height()) > kMaxImageSize) limit(c, ctx);
                return std::to_string(isWidth ? c.width() : c.height());
            },
            [=](Control& c, std::string_view text, PropertyContext& ctx) {
                auto v = parseStrictInt(text);
                if (!v) return Status::fail(notAnIntegerMessage(text));
                if (*v > kMaxImageSize)
                    limit(c, ctx);
                else
                    isWidth ? c.setWidth(*v) : c.setHeight(*v);
                return Status{};
            }};
}

Property menuBarTest() {
    return {"Test",
            [](Control& c, PropertyContext&) { return yesWhenNonZero(as<TCCMenuBar>(c).test()); },
            [](Control& c, std::string_view text, PropertyContext& ctx) {
                if (text == "No") {
                    as<TCCMenuBar>(c).setTest(0);
                    for (Control* m : ctx.form.menus()) {
                        as<TCCMenu>(*m).setTest(0);
                        m->setVisible(false);
                    }
                } else if (text == "Yes") {
                    as<TCCMenuBar>(c).setTest(1);
                }
                return Status{};
            }};
}

Property menuTest() {
    return {"Test",
            [](Control& c, PropertyContext&) { return yesWhenNonZero(as<TCCMenu>(c).test()); },
            [](Control& c, std::string_view text, PropertyContext& ctx) {
                if (text == "No") as<TCCMenu>(c).setTest(0);
                if (text == "Yes") openMenu(ctx.form, as<TCCMenu>(c), true);
                return Status{};
            }};
}

// A menu's Left is typed relative to the title box, four pixels left of the stored value.
Property menuLeft() {
    return {"Left", [](Control& c, PropertyContext&) { return std::to_string(c.userLeft()); },
            [](Control& c, std::string_view text, PropertyContext&) {
                auto v = parseStrictInt(text);
                if (!v) return Status::fail(notAnIntegerMessage(text));
                c.setUserLeft(Control::clampCoord(*v) + 4);
                return Status{};
            }};
}

Property menuTopic() {
    return {"Topic", [](Control& c, PropertyContext&) { return as<TCCMenu>(c).topic(); },
            [](Control& c, std::string_view text, PropertyContext& ctx) {
                as<TCCMenu>(c).setTopic(std::string(text));
                ctx.form.bringWindowChildToFront(&c);
                return Status{};
            }};
}

std::vector<Property> palmRect(bool withHeight) {
    std::vector<Property> p{palm("Left", Side::Left), palm("Top", Side::Top),
                            palm("Width", Side::Width)};
    if (withHeight) p.push_back(palm("Height", Side::Height));
    return p;
}

std::vector<Property> join(std::vector<Property> a, std::vector<Property> b) {
    a.insert(a.end(), std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()));
    return a;
}

std::vector<Property> textLine(bool edit) {
    std::vector<Property> p{
        text<TextLineControl>("Content", &TextLineControl::content, &TextLineControl::setContent),
        componentName(), fontName(),
        words<TextLineControl>("Line", &TextLineControl::line, &TextLineControl::setLine,
                               kLineWords),
        words<TextLineControl>("Style", &TextLineControl::style, &TextLineControl::setStyle,
                               kStyleWords)};
    if (edit) p.push_back(alignment<TextLineControl>("Alignment"));
    return join(std::move(p), palmRect(false));
}

std::vector<Property> listCommon() {
    return join({componentName(), fontName(), fixedText("Items", "(Items)"),
                 integer<ItemsControl>("SelectedItem", &ItemsControl::selectedItem,
                                       &ItemsControl::setSelectedItem)},
                palmRect(false));
}

const PropertyTable kButton{
    {"Content", "Edge", "Font", "Height", "Left", "Line", "Name", "ShowForm", "Top", "Width"},
    join({text<TCCButton>("Content", &TCCButton::content, &TCCButton::setContent),
          integer<TCCButton>("Edge", &TCCButton::radius, &TCCButton::setRadius),
          words<TCCButton>("Line", &TCCButton::line, &TCCButton::setLine, kLineWords),
          text<TCCButton>("ShowForm", &TCCButton::showForm, &TCCButton::setShowForm),
          componentName(), fontName()},
         palmRect(true))};

const PropertyTable kSwitch{
    {"Content", "Edge", "Font", "Height", "Left", "Line", "Name", "State", "Top", "Width"},
    join({text<TCCSwitch>("Content", &TCCSwitch::content, &TCCSwitch::setContent),
          integer<TCCSwitch>("Edge", &TCCSwitch::radius, &TCCSwitch::setRadius),
          words<TCCSwitch>("Line", &TCCSwitch::line, &TCCSwitch::setLine, kLineWords),
          choice<TCCSwitch>("State", &TCCSwitch::state, &TCCSwitch::setState, trueWhenOne,
                            oneIfTrue),
          componentName(), fontName()},
         palmRect(true))};

const PropertyTable kLabel{
    {"Alignment", "Content", "Font", "Left", "Line", "Name", "Style", "Top", "Width"},
    textLine(true)};

const PropertyTable kEdit{
    {"Alignment", "Content", "Left", "Line", "Name", "Style", "Top", "Topic", "Width"},
    join(textLine(true), {text<TCCEdit>("Topic", &TCCEdit::topic, &TCCEdit::setTopic)})};

const PropertyTable kEditLine{{"Content", "Left", "Line", "Name", "Style", "Top", "Width"},
                              textLine(false)};

const PropertyTable kCheckBox{
    {"Content", "Font", "Left", "Name", "State", "Top", "Width"},
    {text<TCCCheckbox>("Content", &TCCCheckbox::content, &TCCCheckbox::setContent),
     choice<TCCCheckbox>("State", &TCCCheckbox::state, &TCCCheckbox::setState, trueWhenOne,
                         oneIfTrue),
     componentName(), fontName(), palm("Left", Side::Left), palm("Top", Side::Top),
     window("Width", Side::Width)}};

const PropertyTable kListBox{
    {"Items", "Left", "Name", "SelectedItem", "Top", "VisibleItems", "Width"},
    join(listCommon(), {integer<TCCListBox>("VisibleItems", &TCCListBox::visibleItems,
                                            &TCCListBox::setVisibleItems)})};

const PropertyTable kRadio{{"Height", "Items", "Left", "Name", "SelectedItem", "Top", "Width"},
                           join(listCommon(), {palm("Height", Side::Height)})};

Property visibleRows() {
    return integer<DropListControl>("VisibleItems", &DropListControl::visibleItems,
                                    &DropListControl::setVisibleItems);
}

const PropertyTable kDropDown{
    {"Items", "Left", "Name", "SelectedItem", "TestItems", "Top", "VisibleItems", "Width"},
    join(listCommon(), {visibleRows(), choice<TCCDropDown>("TestItems", &TCCDropDown::testItems,
                                                           &TCCDropDown::setTestItems,
                                                           yesWhenNonZero, zeroIfNo)})};

const PropertyTable kPopUp{
    {"Items", "Left", "Name", "SelectedItem", "Test", "Top", "VisibleItems", "Width"},
    join(listCommon(), {visibleRows(), choice<TCCPopUp>("Test", &TCCPopUp::test, &TCCPopUp::setTest,
                                                        yesWhenNonZero, zeroIfNo)})};

const PropertyTable kImage{
    {"Bitmap", "Clickable", "Height", "Left", "Name", "Top", "Width"},
    {fixedText("Bitmap", "(Bitmap)"),
     choice<Control>("Clickable", &Control::tag, &Control::setTag, yesWhenOne, oneIfYes),
     imageSide("Height", Side::Height), window("Left", Side::Left), componentName(),
     window("Top", Side::Top), imageSide("Width", Side::Width)}};

const PropertyTable kDialog{{"Content", "Height", "Left", "Name", "Test", "Top", "Width"},
                            {text<TPTDialog>("Content", &TPTDialog::title, &TPTDialog::setTitle),
                             window("Height", Side::Height), window("Left", Side::Left),
                             componentName(), dialogTest(), window("Top", Side::Top),
                             window("Width", Side::Width)}};

const PropertyTable kMenuBar{{"Name", "Test"}, {componentName(), menuBarTest()}};

const PropertyTable kMenu{
    {"Items", "Left", "Name", "Test", "Topic", "TopicWidth", "Width"},
    {fixedText("Items", "(Items)"), menuLeft(), componentName(), menuTest(), menuTopic(),
     integer<TCCMenu>("TopicWidth", &TCCMenu::topicWidth, &TCCMenu::setTopicWidth),
     palm("Width", Side::Width)}};

} // namespace

const PropertyTable* ccPropertiesOf(const Control& control) {
    switch (control.classId()) {
    case ClassId::CCButton:
        return &kButton;
    case ClassId::CCSwitch:
        return &kSwitch;
    case ClassId::CCLabel:
        return &kLabel;
    case ClassId::CCEdit:
        return control.tag() == 0 ? &kEdit : &kEditLine;
    case ClassId::CCCheckbox:
        return &kCheckBox;
    case ClassId::CCListBox:
        return &kListBox;
    case ClassId::CCRadio:
        return &kRadio;
    case ClassId::CCDropDown:
        return &kDropDown;
    case ClassId::CCPopUp:
        return &kPopUp;
    case ClassId::CCBitmap:
        return &kImage;
    case ClassId::PTDialog:
        return &kDialog;
    case ClassId::CCMenuBar:
        return &kMenuBar;
    case ClassId::CCMenu:
        return &kMenu;
    default:
        return nullptr;
    }
}

void openMenu(Form& form, TCCMenu& menu, bool showBar) {
    menu.setTest(1);
    for (Control* other : form.menus())
        if (other != &menu) as<TCCMenu>(*other).setTest(0);
    if (Control* bar = form.menuBar(); bar && showBar) as<TCCMenuBar>(*bar).setTest(1);
}

} // namespace ornadeck
