#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "formfile/SectionIo.h"
#include "model/TPTDialog.h"
#include "ptlib/PToolboxFormSections.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"

namespace ornadeck {

namespace {

// Reads Top, Left, Height, Width with the kind's defaults onto the window.
void readRect(const SectionReader& r, Control& c, int top, int left, int height, int width) {
    c.setBounds(r.number("Left", left), r.number("Top", top), r.number("Width", width),
                r.number("Height", height));
}

Status readButton(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTButton>();
    c->setText(r.text("Text", "Button"));
    readRect(r, *c, 18, 5, 17, 46);
    c->setFrame(r.number("Frame", 0));
    r.font(*c);
    c->setShowForm(r.text("ShowForm", "(None)"));
    c->setButtonType(r.number("Type", 0));
    return placeRead(ctx, std::move(c), r, "Button");
}

Status readPush(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCSwitch>();
    c->setContent(r.text("Text", "Push"));
    readRect(r, *c, 10, 10, 14, 34);
    c->setTag(r.number("GroupNumber", 0));
    r.font(*c);
    c->setState(r.number("State", 0));
    return placeRead(ctx, std::move(c), r, "Push");
}

Status readSelect(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCButton>();
    c->setContent(r.text("Text", "Select"));
    readRect(r, *c, 18, 10, 14, 34);
    c->setAlignment(r.number("Align", 0) == 1 ? Alignment::Right : Alignment::Left);
    r.font(*c);
    c->setTag(TCCButton::kSelectTag);
    c->setShowForm("(None)");
    c->setRadius(0);
    c->setLine(kLineGray);
    return placeRead(ctx, std::move(c), r, "Select");
}

Status readCheckBox(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTCheckbox>();
    c->setContent(r.text("Text", "CheckBox"));
    readRect(r, *c, 10, 10, 15, 34);
    r.font(*c);
    c->setState(r.number("State", 0));
    c->setGroupNumber(r.number("GroupNumber", 0));
    return placeRead(ctx, std::move(c), r, "CheckBox");
}

// A label sizes itself: stored Width and Height keys are ignored.
Status readLabel(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTLabel>();
    c->setContent(r.text("Text", "Label"));
    c->setTop(r.number("Top", 18));
    c->setLeft(r.number("Left", 10));
    r.font(*c);
    return placeRead(ctx, std::move(c), r, "Label");
}

// Style is read after Trigger, whose setter would otherwise overwrite a stored Style 2.
Status readList(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTList>();
    c->setTop(r.number("Top", 10));
    c->setLeft(r.number("Left", 10));
    c->setWidth(r.number("Width", 34));
    r.font(*c);
    c->setMaxItems(r.number("MaxItems", 2));
    c->setSelectedItem(r.number("SelectedItem", 0));
    c->setTrigger(r.text("Trigger", "(None)"));
    if (r.has("Style")) c->setStyle(r.number("Style", c->style()));
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "List");
}

Status readPopTrigger(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTPopTrigger>();
    c->setText(r.text("Text", "PopTr"));
    readRect(r, *c, 18, 10, 15, 34);
    r.font(*c);
    return placeRead(ctx, std::move(c), r, "PopTrigger");
}

Status readField(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTEdit>();
    c->setText(r.text("Text", "Field"));
    readRect(r, *c, 18, 10, 15, 34);
    r.font(*c);
    c->setSingleLine(r.number("SingleLine", 0));
    c->setJustification(r.number("Justification", 0));
    c->setNumbersOnly(r.number("NumbersOnly", 0));
    c->setEditable(r.number("Editable", 0));
    c->setUnderline(r.number("Underline", 0));
    c->setMaxChars(r.number("MaxChars", 20));
    return placeRead(ctx, std::move(c), r, "Field");
}

Status readDialog(const SectionReader& r, SectionReadContext& ctx) {
    return readDialogSection(r, "Title", ctx);
}

Status readGsi(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TPTGsi>();
    c->setTop(r.number("Top", 150));
    c->setLeft(r.number("Left", 150));
    return placeRead(ctx, std::move(c), r, "GSI");
}

Status readBitmap(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCBitmap>();
    readRect(r, *c, 18, 10, 20, 20);
    c->setStringBits(r.text("StringBits", ""));
    return placeRead(ctx, std::move(c), r, "Bitmap");
}

Status readRadio(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCRadio>();
    c->setOrientation(r.number("Orientation", 0));
    c->setTop(r.number("Top", 10));
    c->setLeft(r.number("Left", 10));
    c->setWidth(r.number("Width", 34));
    c->setHeight(r.number("Height", 15));
    c->setTag(r.number("GroupNumber", 1));
    r.font(*c);
    c->setSelectedItem(r.number("SelectedItem", 0));
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "Radio");
}

constexpr std::pair<std::string_view, KindReader> kReaders[] = {
    {"Button", readButton},         {"Push", readPush},
    {"Select", readSelect},         {"CheckBox", readCheckBox},
    {"Label", readLabel},           {"List", readList},
    {"PopTrigger", readPopTrigger}, {"Field", readField},
    {"Dialog", readDialog},         {"GSI", readGsi},
    {"Bitmap", readBitmap},         {"Radio", readRadio},
};

} // namespace

bool PToolboxFormSections::knowsKind(std::string_view tag) const {
    return knowsKindIn(kReaders, tag);
}

Status PToolboxFormSections::readSection(const IniFile& ini, const std::string& section,
                                         SectionReadContext& context) const {
    return readSectionWith(kReaders, ini, section, context);
}

} // namespace ornadeck
