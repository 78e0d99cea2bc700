#include "cclib/AlignmentCode.h"
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
