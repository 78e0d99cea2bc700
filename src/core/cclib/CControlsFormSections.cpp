#include "cclib/CControlsFormSections.h"

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

// Label and Edit file their alignment as 0 left, 1 centre, 2 right.
int alignmentCode(Alignment a) {
    return a == Alignment::Center ? 1 : a == Alignment::Right ? 2 : 0;
}
Alignment alignmentOfCode(int code) {
    return code == 1 ? Alignment::Center : code == 2 ? Alignment::Right : Alignment::Left;
}

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

namespace ornadeck {

namespace {

Status readButton(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCButton>();
    c->setContent(r.text("Content", "Button"));
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34),
                 r.number("Height", 14));
    c->setRadius(r.number("Edge", 4));
    r.font(*c);
    c->setLine(r.number("Line", 1));
    c->setShowForm(r.text("ShowForm", "(None)"));
    return placeRead(ctx, std::move(c), r, "Button");
}

template <class T> void readTextLine(const SectionReader& r, T& c, std::string_view content) {
    c.setContent(r.text("Content", content));
    c.setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34), c.height());
    r.font(c);
    c.setLine(r.number("Line", 1));
    c.setStyle(r.number("Style", 1));
}

Status readLabel(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCLabel>();
    readTextLine(r, *c, "Label");
    c->setAlignment(alignmentOfCode(r.number("Alignment", 0)));
    return placeRead(ctx, std::move(c), r, "Label");
}

Status readEdit(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCEdit>();
    readTextLine(r, *c, "Edit");
    c->setAlignment(alignmentOfCode(r.number("Alignment", 0)));
    c->setTopic(r.text("Topic", "Topic"));
    c->setTag(0);
    return placeRead(ctx, std::move(c), r, "Edit");
}

Status readEditLine(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCEdit>();
    readTextLine(r, *c, "Edit");
    c->setTag(TCCEdit::kEditLineTag);
    return placeRead(ctx, std::move(c), r, "EditLine");
}

Status readCheckBox(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCCheckbox>();
    c->setContent(r.text("Content", "CheckBox"));
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34), c->height());
    r.font(*c);
    c->setState(r.number("State", 0));
    return placeRead(ctx, std::move(c), r, "CheckBox");
}

Status readSwitch(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCSwitch>();
    c->setContent(r.text("Content", "Switch"));
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34),
                 r.number("Height", 14));
    r.font(*c);
    c->setRadius(r.number("Edge", 0));
    c->setLine(r.number("Line", 1));
    c->setState(r.number("State", 0));
    return placeRead(ctx, std::move(c), r, "Switch");
}

Status readListBox(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCListBox>();
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34), c->height());
    c->setVisibleItems(r.number("VisibleItems", 2));
    c->setSelectedItem(r.number("SelectedItem", 0));
    r.font(*c);
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "ListBox");
}

Status readDropDown(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCDropDown>();
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34), c->height());
    c->setVisibleItems(r.number("VisibleItems", 2));
    c->setSelectedItem(r.number("SelectedItem", 0));
    c->setTestItems(r.number("TestItems", 0));
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "Drop");
}

Status readRadio(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCRadio>();
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34),
                 r.number("Height", 14));
    c->setSelectedItem(r.number("SelectedItem", 0));
    r.font(*c);
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "Radio");
}

Status readPopUp(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCPopUp>();
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34), c->height());
    c->setVisibleItems(r.number("VisibleItems", 2));
    c->setSelectedItem(r.number("SelectedItem", 0));
    r.font(*c);
    c->setTest(r.number("Test", 0));
    readItems(r, *c);
    return placeRead(ctx, std::move(c), r, "PopUp");
}

Status readImage(const SectionReader& r, SectionReadContext& ctx) {
    auto c = std::make_unique<TCCBitmap>();
    c->setStringBits(r.text("StringBits", ""));
    c->setBounds(r.number("Left", 10), r.number("Top", 10), r.number("Width", 34),
                 r.number("Height", 14));
    c->setTag(r.number("Clickable", 1));
    return placeRead(ctx, std::move(c), r, "Image");
}

Status readDialog(const SectionReader& r, SectionReadContext& ctx) {
    return readDialogSection(r, "Content", ctx);
}

// The menu bar is read hidden, whatever its stored Test, and is not shown in the inspector.
Status readMenuBar(const SectionReader& r, SectionReadContext& ctx) {
    const TCCForm& surface = ctx.form.surface();
    auto c = std::make_unique<TCCMenuBar>();
    c->setLeft(surface.left());
    c->setTop(surface.top());
    c->setTest(0);
    Status status;
    placeReadControl(ctx, std::move(c), "", r.text("Name", "MenuBar" + ctx.form.name()), status,
                     false);
    return status;
}

Status readMenu(const SectionReader& r, SectionReadContext& ctx) {
    const TCCForm& surface = ctx.form.surface();
    auto c = std::make_unique<TCCMenu>();
    c->setTop(surface.top());
    c->setUserLeft(r.number("Left", surface.left() + 5));
    c->setUserWidth(r.number("Width", 38));
    c->setTopicWidth(r.number("TopicWidth", 36));
    c->setTest(0);
    c->setTopic(r.text("Topic", "Topic"));
    readItems(r, *c);
    Status status;
    placeReadControl(ctx, std::move(c), "", r.text("Name", "Menu"), status);
    return status;
}

constexpr std::pair<std::string_view, KindReader> kReaders[] = {
    {"Button", readButton},   {"Label", readLabel},       {"CheckBox", readCheckBox},
    {"Switch", readSwitch},   {"Edit", readEdit},         {"ListBox", readListBox},
    {"Radio", readRadio},     {"Dialog", readDialog},     {"EditLine", readEditLine},
    {"PopUp", readPopUp},     {"DropDown", readDropDown}, {"Image", readImage},
    {"MenuBar", readMenuBar}, {"Menu", readMenu},
};

} // namespace

bool CControlsFormSections::knowsKind(std::string_view tag) const {
    return knowsKindIn(kReaders, tag);
}

Status CControlsFormSections::readSection(const IniFile& ini, const std::string& section,
                                          SectionReadContext& context) const {
    return readSectionWith(kReaders, ini, section, context);
}

} // namespace ornadeck
