#include "cclib/TCCMenu.h"
#include "cclib/TCCRadio.h"
#include "check/CheckContext.h"
#include "check/ControlTexts.h"
#include "model/Form.h"
#include "model/TCCForm.h"

#include <optional>

namespace ornadeck {

namespace {

// Pixels the control gives a caption, as its picture lays it out; none for the kinds that
// size themselves to their text or let it scroll. A text fits when its ink does: its width
// less the spacing after its last character.
std::optional<int> captionRoom(const Control& c, bool cc) {
    switch (c.classId()) {
    case ClassId::CCButton: // in PToolboxLib a Select, as wide as its text
        if (!cc) return std::nullopt;
        [[fallthrough]];
    case ClassId::CCSwitch:
    case ClassId::CCLabel:
    case ClassId::PTButton:
    case ClassId::PTDialog:
        return c.userWidth();
    case ClassId::CCCheckbox:
        return c.width() - 13; // the box comes first
    case ClassId::PTCheckbox:
        return c.width() - 18;
    default:
        return std::nullopt;
    }
}

// Pixels for each item: a cell of a radio row, a row of a list or menu.
std::optional<int> itemRoom(const Control& c) {
    switch (c.classId()) {
    case ClassId::CCRadio: {
        const auto& r = static_cast<const TCCRadio&>(c);
        const int n = r.itemCount();
        const bool row = r.orientation() == 0 && n > 0;
        return (row ? c.width() / n : c.width()) - 2;
    }
    case ClassId::CCListBox:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
    case ClassId::PTList:
        return c.userWidth() - 2;
    case ClassId::CCMenu:
        return c.userWidth() - 4;
    default:
        return std::nullopt;
    }
}

std::optional<int> roomFor(const Control& c, const GeneratedText& t, bool cc) {
    if (t.what.starts_with("item ")) return itemRoom(c);
    if (c.classId() == ClassId::CCMenu) return static_cast<const TCCMenu&>(c).topicWidth() - 4;
    return captionRoom(c, cc);
}

void checkFit(CheckContext& ctx, const Form& form, const Control* c, const GeneratedText& t,
              std::optional<int> room) {
    if (!room || t.text.empty()) return;
    const int width = ctx.gauge.textWidth(t.font, t.text);
    if (width - 1 <= *room) return;
    ctx.add(Severity::Warning, "geometry.text-cut", form, c,
            t.what + " is " + std::to_string(width) + " pixels wide in its font, but only " +
                std::to_string(std::max(*room, 0)) + " fit, so it is cut on the handheld");
}

} // namespace

void checkTextFit(CheckContext& ctx) {
    // The title tab's frame takes five pixels of the screen's width, besides the text's ink.
    constexpr int kTitleRoom = TCCForm::kScreenSize - 6;
    const auto check = [&](const Form& form, const Control& c) {
        forEachGeneratedText(c, ctx.subject.library, [&](const GeneratedText& t) {
            checkFit(ctx, form, &c, t, roomFor(c, t, ctx.cc()));
        });
    };
    for (const Form* form : ctx.subject.forms) {
        checkFit(ctx, *form, nullptr, formTitleText(*form), kTitleRoom);
        forEachPlaced(*form, [&](const Control& c, const Control&) { check(*form, c); });
        for (const auto& child : form->windowChildren())
            check(*form, *child);
    }
}

} // namespace ornadeck
