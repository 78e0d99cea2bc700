#pragma once

#include "engine/Engine.h"
#include "model/Status.h"
#include "model/Workspace.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class FormEditor;
class Ui;

// The controls the inspector edits together: every marked control of the selected form when
// more than one is marked and the selected control is one of them, in control-list order;
// empty otherwise (one control, or the form, shows its own rows).
std::vector<Control*> controlsEditedTogether(const Selection& selected);

// The pick list a row of a control offers; empty for a typed row.
using EntriesOf = std::function<std::vector<std::string>(Control&, std::string_view name)>;

// The rows all `controls` have, with the same editor and the same pick list, in the first
// one's order. A value all of them share shows; values that differ leave the cell empty. Name
// is left out (no two controls may share one), and so are rows whose button opens an editor
// window for one control's items or picture.
std::vector<PropertyRow> commonRows(Engine& engine, Form& form,
                                    const std::vector<Control*>& controls,
                                    const EntriesOf& entriesOf);

// Sets `name` to `text` on each control as one undo step ("Set Font on 3 controls"); typing
// on in the same row of the same controls joins that step. A control that refuses the value,
// or keeps it within its own limit, is named in one report at the end instead of one
// message each. Returns how many controls took the value.
std::size_t setOnEach(FormEditor& editor, Engine& engine, Ui& ui,
                      const std::vector<Control*>& controls, std::string_view name,
                      std::string_view text);

} // namespace ornadeck
