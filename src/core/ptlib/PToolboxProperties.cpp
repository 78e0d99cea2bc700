#include "ptlib/PToolboxProperties.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "engine/CommonProperties.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"

namespace ornadeck {

using namespace props;

namespace {

// How far a select box's text moves when its alignment flips.
constexpr int kAlignShift = 5;

std::string repeatWhenNonZero(int v) { return v != 0 ? "Repeat" : "Standard"; }
std::optional<int> zeroIfStandard(std::string_view t) { return t == "Standard" ? 0 : 1; }
std::string rightWhenNonZero(int v) { return v != 0 ? "Right" : "Left"; }
std::optional<int> zeroIfLeft(std::string_view t) { return t == "Left" ? 0 : 1; }
std::string verticalWhenNonZero(int v) { return v != 0 ? "Vertical" : "Horizontal"; }
std::optional<int> zeroIfHorizontal(std::string_view t) { return t == "Horizontal" ? 0 : 1; }

// Only Left and Right exist for a select box; the text moves with the side it keeps to,
// and only when the side really changes.
Property selectAlign() {
    return {"Align",
            [](Control& c, PropertyContext&) {
                switch (as<TCCButton>(c).alignment()) {
                case Alignment::Left:
                    return std::string("Left");
                case Alignment::Right:
                    return std::string("Right");
                default:
                    return std::string();
                }
            },
            [](Control& c, std::string_view text, PropertyContext&) {
                auto& select = as<TCCButton>(c);
                if (text == "Left") {
                    if (select.alignment() == Alignment::Right) c.setLeft(c.left() - kAlignShift);
                    select.setAlignment(Alignment::Left);
                } else if (text == "Right") {
                    if (select.alignment() == Alignment::Left) c.setLeft(c.left() + kAlignShift);
                    select.setAlignment(Alignment::Right);
                }
                return Status{};
            }};
}

std::vector<Property> rect(bool palmValues, const std::vector<Side>& sides) {
    static constexpr std::string_view kNames[] = {"Left", "Top", "Width", "Height"};
    std::vector<Property> p;
    for (Side s : sides) {
        const std::string_view name = kNames[static_cast<int>(s)];
        p.push_back(palmValues ? palm(name, s) : window(name, s));
    }
    return p;
}

std::vector<Property> join(std::vector<Property> a, std::vector<Property> b) {
    a.insert(a.end(), std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()));
    return a;
}

const std::vector<Side> kAllSides{Side::Left, Side::Top, Side::Width, Side::Height};

Property groupNumberInTag() {
    return integer<Control>("GroupNumber", &Control::tag, &Control::setTag);
}

Property selectedItem() {
    return integer<ItemsControl>("SelectedItem", &ItemsControl::selectedItem,
                                 &ItemsControl::setSelectedItem);
}

const PropertyTable kButton{
    {"Font", "Frame", "Height", "Left", "Name", "ShowForm", "Text", "Top", "Type", "Width"},
    join({fontName(), componentName(),
          words<TPTButton>("Frame", &TPTButton::frame, &TPTButton::setFrame,
                           {"Standard", "Bold", "Square", "No Frame"}),
          text<TPTButton>("ShowForm", &TPTButton::showForm, &TPTButton::setShowForm),
          text<TPTButton>("Text", &TPTButton::text, &TPTButton::setText),
          choice<TPTButton>("Type", &TPTButton::buttonType, &TPTButton::setButtonType,
                            repeatWhenNonZero, zeroIfStandard)},
         rect(true, kAllSides))};

const PropertyTable kPush{
    {"Font", "GroupNumber", "Height", "Left", "Name", "State", "Text", "Top", "Width"},
    join({fontName(), groupNumberInTag(), componentName(),
          choice<TCCSwitch>("State", &TCCSwitch::state, &TCCSwitch::setState, trueWhenOne,
                            oneIfTrue),
          text<TCCSwitch>("Text", &TCCSwitch::content, &TCCSwitch::setContent)},
         rect(true, kAllSides))};

// A select box's width follows its text, so it has no Width row.
const PropertyTable kSelect{
    {"Align", "Font", "Height", "Left", "Name", "Text", "Top"},
    join({selectAlign(), fontName(), componentName(),
          text<TCCButton>("Text", &TCCButton::content, &TCCButton::setContent)},
         rect(true, {Side::Left, Side::Top, Side::Height}))};

// Framed position, unframed size.
const PropertyTable kCheckBox{
    {"Font", "GroupNumber", "Height", "Left", "Name", "State", "Text", "Top", "Width"},
    join({fontName(),
          integer<TPTCheckbox>("GroupNumber", &TPTCheckbox::groupNumber,
                               &TPTCheckbox::setGroupNumber),
          componentName(),
          choice<TPTCheckbox>("State", &TPTCheckbox::state, &TPTCheckbox::setState, trueWhenOne,
                              oneIfTrue),
          text<TPTCheckbox>("Text", &TPTCheckbox::content, &TPTCheckbox::setContent)},
         join(rect(true, {Side::Left, Side::Top}), rect(false, {Side::Width, Side::Height})))};

const PropertyTable kLabel{{"Font", "Left", "Name", "Text", "Top"},
                           join({fontName(), componentName(),
                                 text<TPTLabel>("Text", &TPTLabel::content, &TPTLabel::setContent)},
                                rect(false, {Side::Left, Side::Top}))};

const PropertyTable kList{
    {"Font", "Items", "Left", "MaxItems", "Name", "SelectedItem", "Style", "Top", "Trigger",
     "Width"},
    join({fontName(), fixedText("Items", "(Items)"),
          integer<TPTList>("MaxItems", &TPTList::maxItems, &TPTList::setMaxItems), componentName(),
          selectedItem(),
          words<TPTList>("Style", &TPTList::style, &TPTList::setStyle,
                         {"Stand-alone", "Pop-triggered", "Popup-list"}),
          text<TPTList>("Trigger", &TPTList::trigger, &TPTList::setTrigger)},
         rect(true, {Side::Left, Side::Top, Side::Width}))};

const PropertyTable kPopTrigger{
    {"Font", "Height", "Left", "Name", "Text", "Top", "Width"},
    join({fontName(), componentName(),
          text<TPTPopTrigger>("Text", &TPTPopTrigger::text, &TPTPopTrigger::setText)},
         rect(false, kAllSides))};

const PropertyTable kField{
    {"Editable", "Font", "Height", "Justification", "Left", "MaxChars", "Name", "NumbersOnly",
     "SingleLine", "Text", "Top", "Underline", "Width"},
    join({choice<TPTEdit>("Editable", &TPTEdit::editable, &TPTEdit::setEditable, trueWhenZero,
                          zeroIfTrue),
          fontName(),
          choice<TPTEdit>("Justification", &TPTEdit::justification, &TPTEdit::setJustification,
                          rightWhenNonZero, zeroIfLeft),
          integer<TPTEdit>("MaxChars", &TPTEdit::maxChars, &TPTEdit::setMaxChars), componentName(),
          choice<TPTEdit>("NumbersOnly", &TPTEdit::numbersOnly, &TPTEdit::setNumbersOnly,
                          trueWhenNonZero, oneIfTrue),
          choice<TPTEdit>("SingleLine", &TPTEdit::singleLine, &TPTEdit::setSingleLine,
                          trueWhenNonZero, oneIfTrue),
          text<TPTEdit>("Text", &TPTEdit::text, &TPTEdit::setText),
          choice<TPTEdit>("Underline", &TPTEdit::underline, &TPTEdit::setUnderline, trueWhenZero,
                          zeroIfTrue)},
         rect(false, kAllSides))};

const PropertyTable kDialog{
    {"Height", "Left", "Name", "Test", "Title", "Top", "Width"},
    join({componentName(), dialogTest(),
          text<TPTDialog>("Title", &TPTDialog::title, &TPTDialog::setTitle)},
         rect(false, kAllSides))};

const PropertyTable kGsi{{"Left", "Name", "Top"},
                         join({componentName()}, rect(false, {Side::Left, Side::Top}))};

const PropertyTable kBitmap{
    {"Bitmap", "Height", "Left", "Name", "Top", "Width"},
    join({fixedText("Bitmap", "(Bitmap)"), componentName()}, rect(false, kAllSides))};

const PropertyTable kRadio{
    {"Font", "GroupNumber", "Height", "Items", "Left", "Name", "Orientation", "SelectedItem", "Top",
     "Width"},
    join({fontName(), groupNumberInTag(), fixedText("Items", "(Items)"), componentName(),
          choice<TCCRadio>("Orientation", &TCCRadio::orientation, &TCCRadio::setOrientation,
                           verticalWhenNonZero, zeroIfHorizontal),
          selectedItem()},
         rect(true, kAllSides))};

} // namespace

const PropertyTable* ptPropertiesOf(const Control& control) {
    switch (control.classId()) {
    case ClassId::PTButton:
        return &kButton;
    case ClassId::CCSwitch:
        return &kPush;
    case ClassId::CCButton:
        return &kSelect;
    case ClassId::PTCheckbox:
        return &kCheckBox;
    case ClassId::PTLabel:
        return &kLabel;
    case ClassId::PTList:
        return &kList;
    case ClassId::PTPopTrigger:
        return &kPopTrigger;
    case ClassId::PTEdit:
        return &kField;
    case ClassId::PTDialog:
        return &kDialog;
    case ClassId::PTGsi:
        return &kGsi;
    case ClassId::CCBitmap:
        return &kBitmap;
    case ClassId::CCRadio:
        return &kRadio;
    default:
        return nullptr;
    }
}

} // namespace ornadeck
