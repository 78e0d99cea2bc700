#include "workbench/InspectorRules.h"

#include "model/Control.h"

#include <array>
#include <utility>

namespace ornadeck {

namespace {

constexpr std::string_view kNumericNames = "Left,Top,Width,Height,Edge,TopicWidth,VisibleItems,"
                                           "GroupNumber,MaxItems,SelectedItem,MaxChars";

using Words = std::vector<std::string>;

const std::array<std::pair<std::string_view, Words>, 16>& namedLists() {
    static const std::array<std::pair<std::string_view, Words>, 16> lists{{
        {"Font", {"Standard", "Bold", "Large", "LargeBold"}},
        {"Frame", {"Standard", "Bold", "Square", "No Frame"}},
        {"Type", {"Standard", "Repeat"}},
        {"Alignment", {"Left", "Center", "Right"}},
        {"Align", {"Left", "Right"}},
        {"Justification", {"Left", "Right"}},
        {"Orientation", {"Horizontal", "Vertical"}},
        {"Line", {"White", "Black", "Gray"}},
        {"State", {"False", "True"}},
        {"SingleLine", {"False", "True"}},
        {"NumbersOnly", {"False", "True"}},
        {"Underline", {"True", "False"}},
        {"Editable", {"True", "False"}},
        {"Test", {"No", "Yes"}},
        {"TestItems", {"No", "Yes"}},
        {"Clickable", {"No", "Yes"}},
    }};
    return lists;
}

Words styleList(const Control* control) {
    if (!control) return {};
    switch (control->classId()) {
    case ClassId::CCEdit:
    case ClassId::CCLabel:
        return {"Plain", "Underlined", "Boxed"};
    case ClassId::PTList:
        return {"Stand-alone", "Pop-triggered", "Popup-list"};
    default:
        return {};
    }
}

} // namespace

bool isNumericProperty(std::string_view name) {
    return kNumericNames.find(name) != std::string_view::npos;
}

bool isSendable(std::string_view name, std::string_view value) {
    return !(isNumericProperty(name) && (value.empty() || value == "-"));
}

std::optional<std::vector<std::string>> fixedPickList(std::string_view name,
                                                      const Control* control) {
    if (name == "Style") return styleList(control);
    for (const auto& [listed, words] : namedLists())
        if (listed == name) return words;
    return std::nullopt;
}

ValueEditor editorFor(std::string_view name, bool hasEntries) {
    if (name == "Items") return ValueEditor::ItemsBox;
    if (hasEntries) return ValueEditor::PickList;
    if (name == "Bitmap") return ValueEditor::BitmapBox;
    return ValueEditor::Text;
}

} // namespace ornadeck
