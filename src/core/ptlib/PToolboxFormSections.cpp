#include "ptlib/PToolboxFormSections.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "formfile/SectionIo.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTDialog.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"

namespace ornadeck {

namespace {

// Height, Width, Left, Top: the order every sized section uses.
SectionWriter& rect(SectionWriter& w, const Control& c) {
    return w.number("Height", c.height())
        .number("Width", c.width())
        .number("Left", c.left())
        .number("Top", c.top());
}

void writeOne(IniFile& ini, const Control& control) {
    switch (control.classId()) {
    case ClassId::PTButton: {
        const auto& c = static_cast<const TPTButton&>(control);
        auto w = beginSection(ini, c, "Button").text("Text", c.text());
        rect(w, c)
            .number("Frame", c.frame())
            .font(c)
            .number("Type", c.buttonType())
            .text("ShowForm", c.showForm())
            .parent(c);
        break;
    }
    case ClassId::CCSwitch: {
        const auto& c = static_cast<const TCCSwitch&>(control);
        auto w = beginSection(ini, c, "Push").text("Text", c.content());
        rect(w, c).font(c).number("State", c.state()).number("GroupNumber", c.tag()).parent(c);
        break;
    }
    case ClassId::CCButton: {
        const auto& c = static_cast<const TCCButton&>(control);
        auto w = beginSection(ini, c, "Select").text("Text", c.content());
        rect(w, c).font(c).number("Align", c.alignment() == Alignment::Right ? 1 : 0).parent(c);
        break;
    }
    case ClassId::PTCheckbox: {
        const auto& c = static_cast<const TPTCheckbox&>(control);
        auto w = beginSection(ini, c, "CheckBox").text("Text", c.content());
        rect(w, c)
            .font(c)
            .number("State", c.state())
            .number("GroupNumber", c.groupNumber())
            .parent(c);
        break;
    }
    case ClassId::PTLabel: {
        const auto& c = static_cast<const TPTLabel&>(control);
        beginSection(ini, c, "Label")
            .text("Text", c.content())
            .number("Left", c.left())
            .number("Top", c.top())
            .font(c)
            .parent(c);
        break;
    }
    case ClassId::PTList: {
        const auto& c = static_cast<const TPTList&>(control);
        beginListSection(ini, c, "List")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("MaxItems", c.maxItems())
            .number("SelectedItem", c.selectedItem())
            .number("Style", c.style())
            .text("Trigger", c.trigger())
            .font(c)
            .parent(c);
        break;
    }
    case ClassId::PTPopTrigger: {
        const auto& c = static_cast<const TPTPopTrigger&>(control);
        auto w = beginSection(ini, c, "PopTrigger").text("Text", c.text());
        rect(w, c).font(c).parent(c);
        break;
    }
    case ClassId::PTEdit: {
        const auto& c = static_cast<const TPTEdit&>(control);
        auto w = beginSection(ini, c, "Field").text("Text", c.text());
        rect(w, c)
            .font(c)
            .number("SingleLine", c.singleLine())
            .number("Justification", c.justification())
            .number("Underline", c.underline())
            .number("NumbersOnly", c.numbersOnly())
            .number("Editable", c.editable())
            .number("MaxChars", c.maxChars())
            .parent(c);
        break;
    }
    case ClassId::PTGsi:
        beginSection(ini, control, "GSI")
            .number("Left", control.left())
            .number("Top", control.top())
            .parent(control);
        break;
    case ClassId::CCBitmap: {
        const auto& c = static_cast<const TCCBitmap&>(control);
        auto w = beginSection(ini, c, "Bitmap").text("StringBits", c.stringBits());
        rect(w, c).parent(c);
        break;
    }
    case ClassId::CCRadio: {
        const auto& c = static_cast<const TCCRadio&>(control);
        beginListSection(ini, c, "Radio")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("Height", c.height())
            .number("GroupNumber", c.tag())
            .number("SelectedItem", c.selectedItem())
            .number("Orientation", c.orientation())
            .font(c)
            .parent(c);
        break;
    }
    case ClassId::PTDialog:
        writeDialogSection(ini, control, "Title");
        for (const auto& child : control.children())
            writeOne(ini, *child);
        break;
    default:
        break; // not a PToolboxLib kind
    }
}

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

void PToolboxFormSections::writeControl(IniFile& ini, const Control& control) const {
    writeOne(ini, control);
}

bool PToolboxFormSections::knowsKind(std::string_view tag) const {
    return knowsKindIn(kReaders, tag);
}

Status PToolboxFormSections::readSection(const IniFile& ini, const std::string& section,
                                         SectionReadContext& context) const {
    return readSectionWith(kReaders, ini, section, context);
}

} // namespace ornadeck
