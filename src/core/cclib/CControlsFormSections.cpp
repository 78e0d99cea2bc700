#include "cclib/CControlsFormSections.h"

#include "cclib/AlignmentCode.h"
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
#include "formfile/SectionIo.h"
#include "model/Form.h"

namespace ornadeck {

namespace {

void writeOne(IniFile& ini, const Control& control) {
    switch (control.classId()) {
    case ClassId::CCButton: {
        const auto& c = static_cast<const TCCButton&>(control);
        beginSection(ini, c, "Button")
            .text("Content", c.content())
            .number("Height", c.height())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("Edge", c.radius())
            .number("Line", c.line())
            .font(c)
            .text("ShowForm", c.showForm())
            .parent(c);
        break;
    }
    case ClassId::CCLabel: {
        const auto& c = static_cast<const TCCLabel&>(control);
        beginSection(ini, c, "Label")
            .text("Content", c.content())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .font(c)
            .number("Line", c.line())
            .number("Alignment", alignmentCode(c.alignment()))
            .number("Style", c.style())
            .parent(c);
        break;
    }
    case ClassId::CCCheckbox: {
        const auto& c = static_cast<const TCCCheckbox&>(control);
        beginSection(ini, c, "CheckBox")
            .text("Content", c.content())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .font(c)
            .number("State", c.state())
            .parent(c);
        break;
    }
    case ClassId::CCSwitch: {
        const auto& c = static_cast<const TCCSwitch&>(control);
        beginSection(ini, c, "Switch")
            .text("Content", c.content())
            .number("Height", c.height())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .font(c)
            .number("Edge", c.radius())
            .number("Line", c.line())
            .number("State", c.state())
            .parent(c);
        break;
    }
    case ClassId::CCEdit: {
        const auto& c = static_cast<const TCCEdit&>(control);
        auto w = beginSection(ini, c, c.isEditLine() ? "EditLine" : "Edit");
        w.text("Content", c.content())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .font(c)
            .number("Style", c.style())
            .number("Line", c.line());
        if (c.isEditLine())
            w.parent(c).number("Type", 1);
        else
            w.number("Alignment", alignmentCode(c.alignment())).text("Topic", c.topic()).parent(c);
        break;
    }
    case ClassId::CCListBox: {
        const auto& c = static_cast<const TCCListBox&>(control);
        beginListSection(ini, c, "ListBox")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("VisibleItems", c.visibleItems())
            .number("SelectedItem", c.selectedItem())
            .font(c)
            .parent(c);
        break;
    }
    case ClassId::CCDropDown: {
        const auto& c = static_cast<const TCCDropDown&>(control);
        beginListSection(ini, c, "DropDown")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("VisibleItems", c.visibleItems())
            .number("SelectedItem", c.selectedItem())
            .number("TestItems", c.testItems())
            .parent(c);
        break;
    }
    case ClassId::CCRadio: {
        const auto& c = static_cast<const TCCRadio&>(control);
        beginListSection(ini, c, "Radio")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("Height", c.height())
            .number("SelectedItem", c.selectedItem())
            .font(c)
            .parent(c);
        break;
    }
    case ClassId::CCPopUp: {
        const auto& c = static_cast<const TCCPopUp&>(control);
        beginListSection(ini, c, "PopUp")
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("VisibleItems", c.visibleItems())
            .number("SelectedItem", c.selectedItem())
            .font(c)
            .parent(c)
            .number("Test", c.test());
        break;
    }
    case ClassId::CCBitmap: {
        const auto& c = static_cast<const TCCBitmap&>(control);
        beginSection(ini, c, "Image")
            .text("StringBits", c.stringBits())
            .number("Height", c.height())
            .number("Width", c.width())
            .number("Left", c.left())
            .number("Top", c.top())
            .number("Clickable", c.tag())
            .parent(c);
        break;
    }
    case ClassId::PTDialog:
        writeDialogSection(ini, control, "Content");
        for (const auto& child : control.children())
            writeOne(ini, *child);
        break;
    default:
        break; // not a CControls kind
    }
}

} // namespace

void CControlsFormSections::writeControl(IniFile& ini, const Control& control) const {
    writeOne(ini, control);
}

void CControlsFormSections::writeWindowChildren(IniFile& ini, const Form& form) const {
    if (const auto* bar = static_cast<const TCCMenuBar*>(form.menuBar()))
        beginSection(ini, *bar, "MenuBar").number("Test", bar->test());
    for (const Control* m : form.menus()) {
        const auto& menu = static_cast<const TCCMenu&>(*m);
        beginListSection(ini, menu, "Menu")
            .number("Width", menu.userWidth())
            .number("Left", menu.userLeft())
            .number("Test", menu.test())
            .text("Topic", menu.topic())
            .number("TopicWidth", menu.topicWidth());
    }
}

} // namespace ornadeck
