#include "engine/CommonProperties.h"

#include "model/Font.h"
#include "model/Form.h"
#include "model/TPTDialog.h"

namespace ornadeck::props {

namespace {

Property geometry(std::string_view name, Side side, bool palmValues) {
    return {
        name,
        [=](Control& c, PropertyContext&) { return std::to_string(readSide(c, side, palmValues)); },
        [=](Control& c, std::string_view text, PropertyContext&) {
            auto v = parseStrictInt(text);
            if (!v) return Status::fail(notAnIntegerMessage(text));
            writeSide(c, side, palmValues, Control::clampCoord(*v));
            return Status{};
        }};
}

} // namespace

int readSide(const Control& c, Side side, bool palmValues) {
    switch (side) {
    case Side::Left:
        return palmValues ? c.userLeft() : c.left();
    case Side::Top:
        return palmValues ? c.userTop() : c.top();
    case Side::Width:
        return palmValues ? c.userWidth() : c.width();
    case Side::Height:
        return palmValues ? c.userHeight() : c.height();
    }
    return 0;
}

void writeSide(Control& c, Side side, bool palmValues, int v) {
    switch (side) {
    case Side::Left:
        palmValues ? c.setUserLeft(v) : c.setLeft(v);
        break;
    case Side::Top:
        palmValues ? c.setUserTop(v) : c.setTop(v);
        break;
    case Side::Width:
        palmValues ? c.setUserWidth(v) : c.setWidth(v);
        break;
    case Side::Height:
        palmValues ? c.setUserHeight(v) : c.setHeight(v);
        break;
    }
}

Property palm(std::string_view name, Side side) { return geometry(name, side, true); }
Property window(std::string_view name, Side side) { return geometry(name, side, false); }

Property componentName() {
    return {"Name", [](Control& c, PropertyContext&) { return c.name(); },
            [](Control& c, std::string_view text, PropertyContext& ctx) {
                return ctx.form.rename(c, std::string(text));
            }};
}

Property fontName() {
    return {"Font",
            [](Control& c, PropertyContext&) { return std::string(fontNameOfFace(c.font().face)); },
            [](Control& c, std::string_view text, PropertyContext&) {
                if (isFontName(text)) c.setFace(faceOfFontName(text));
                return Status{};
            }};
}

Property fixedText(std::string_view name, std::string_view shown) {
    return {name, [=](Control&, PropertyContext&) { return std::string(shown); },
            [](Control&, std::string_view, PropertyContext&) { return Status{}; }};
}

std::string trueWhenOne(int v) { return v == 1 ? "True" : "False"; }
std::string trueWhenNonZero(int v) { return v != 0 ? "True" : "False"; }
std::string trueWhenZero(int v) { return v == 0 ? "True" : "False"; }
std::string yesWhenOne(int v) { return v == 1 ? "Yes" : "No"; }
std::string yesWhenNonZero(int v) { return v != 0 ? "Yes" : "No"; }
std::optional<int> oneIfTrue(std::string_view text) { return text == "True" ? 1 : 0; }
std::optional<int> zeroIfTrue(std::string_view text) { return text == "True" ? 0 : 1; }
std::optional<int> oneIfYes(std::string_view text) { return text == "Yes" ? 1 : 0; }
std::optional<int> zeroIfNo(std::string_view text) { return text == "No" ? 0 : 1; }

} // namespace ornadeck::props

namespace ornadeck::props {

Property dialogTest() {
    return {"Test", [](Control& c, PropertyContext&) { return yesWhenOne(c.tag()); },
            [](Control& c, std::string_view text, PropertyContext& ctx) {
                auto& dialog = as<TPTDialog>(c);
                Form& form = ctx.form;
                if (text == "Yes") {
                    if (TPTDialog* shown = form.currentDialog()) {
                        shown->setSelected(false);
                        shown->setTag(0);
                        shown->setVisible(false);
                    }
                    dialog.setTag(1);
                    dialog.setVisible(true);
                    form.setCurrentDialog(&dialog);
                    form.surface().bringChildToFront(&dialog);
                } else if (dialog.tag() != 0) {
                    dialog.setTag(0);
                    dialog.setVisible(false);
                    dialog.setSelected(false);
                    form.setCurrentDialog(nullptr);
                }
                return Status{};
            }};
}

} // namespace ornadeck::props
