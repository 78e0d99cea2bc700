#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;

// How a value cell of the inspector is edited.
enum class ValueEditor {
    Text,      // typed into the cell
    PickList,  // chosen from a list laid over the cell
    ItemsBox,  // "(Items)": its button opens the items editor
    BitmapBox, // "(Bitmap)": its button opens the bitmap editor
};

// A name counts as numeric when it occurs anywhere inside the list of numeric names, so
// "Items" and "Topic" count too.
bool isNumericProperty(std::string_view name);

// Whether a value typed so far may go to the engine: an empty cell or a lone minus sign in
// a numeric row is input still being typed, never sent.
bool isSendable(std::string_view name, std::string_view value);

// The entries of the fixed pick lists, in order; nullopt for a row without one. "Style"
// depends on the control's class. "ShowForm" and "Trigger" depend on the open forms and
// are not fixed lists.
std::optional<std::vector<std::string>> fixedPickList(std::string_view name,
                                                      const Control* control);

// The editor a row gets when its list of entries (fixed or not) is `entries`.
ValueEditor editorFor(std::string_view name, bool hasEntries);

} // namespace ornadeck
