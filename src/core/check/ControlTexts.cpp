#include "check/ControlTexts.h"

#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCSwitch.h"
#include "codegen/CControlsKinds.h"
#include "model/Form.h"
#include "model/ItemsControl.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTPopTrigger.h"

namespace ornadeck {

namespace {

using Visit = std::function<void(const GeneratedText&)>;

Font titleFont(Font font) {
    font.face = "PilotBold";
    return font;
}

void items(const ItemsControl& c, const Visit& visit) {
    for (std::size_t i = 0; i < c.items().size(); ++i)
        visit({"item " + std::to_string(i), c.items()[i], "", c.font()});
}

// CControls writes a font prefix before the captions of buttons, labels and boxes.
void ccTexts(const Control& c, const Visit& visit) {
    const auto caption = [&](std::string_view text) {
        visit({"Content", text, fontPrefix(c), c.font()});
    };
    switch (c.classId()) {
    case ClassId::CCButton:
        caption(static_cast<const TCCButton&>(c).content());
        break;
    case ClassId::CCLabel:
        caption(static_cast<const TextLineControl&>(c).content());
        break;
    case ClassId::CCSwitch:
        caption(static_cast<const TCCSwitch&>(c).content());
        break;
    case ClassId::CCCheckbox:
        caption(static_cast<const TCCCheckbox&>(c).content());
        break;
    case ClassId::CCEdit: {
        const auto& e = static_cast<const TCCEdit&>(c);
        if (!e.isEditLine()) visit({"Topic", e.topic(), "", c.font()});
        visit({"Content", e.content(), "", c.font()});
        break;
    }
    case ClassId::CCMenu:
        visit({"Topic", static_cast<const TCCMenu&>(c).topic(), "", c.font()});
        items(static_cast<const ItemsControl&>(c), visit);
        break;
    case ClassId::CCRadio:
    case ClassId::CCListBox:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
        items(static_cast<const ItemsControl&>(c), visit);
        break;
    default:
        break;
    }
}

void ptTexts(const Control& c, const Visit& visit) {
    const auto text = [&](std::string_view t) { visit({"Text", t, "", c.font()}); };
    switch (c.classId()) {
    case ClassId::PTButton:
        text(static_cast<const TPTButton&>(c).text());
        break;
    case ClassId::CCSwitch:
        text(static_cast<const TCCSwitch&>(c).content());
        break;
    case ClassId::CCButton:
        text(static_cast<const TCCButton&>(c).content());
        break;
    case ClassId::PTCheckbox:
        text(static_cast<const TPTCheckbox&>(c).content());
        break;
    case ClassId::PTPopTrigger:
        text(static_cast<const TPTPopTrigger&>(c).text());
        break;
    case ClassId::PTEdit:
        text(static_cast<const TPTEdit&>(c).text());
        break;
    case ClassId::PTLabel:
        text(static_cast<const TPTLabel&>(c).content());
        break;
    case ClassId::PTList:
    case ClassId::CCRadio:
        items(static_cast<const ItemsControl&>(c), visit);
        break;
    default:
        break;
    }
}

} // namespace

void forEachGeneratedText(const Control& c, Library library, const Visit& visit) {
    if (c.isDialog()) {
        visit({"Title", static_cast<const TPTDialog&>(c).title(), "", titleFont(c.font())});
        return;
    }
    library == Library::CControls ? ccTexts(c, visit) : ptTexts(c, visit);
}

GeneratedText formTitleText(const Form& form) {
    return {"Title", form.surface().title(), "", titleFont(form.surface().font())};
}

} // namespace ornadeck
