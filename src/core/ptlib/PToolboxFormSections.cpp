#include "ptlib/PToolboxFormSections.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "formfile/SectionIo.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
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

} // namespace

void PToolboxFormSections::writeControl(IniFile& ini, const Control& control) const {
    writeOne(ini, control);
}

} // namespace ornadeck
