#include "BigProject.h"

#include "engine/Engine.h"

#include <array>
#include <string>

namespace ornadeck::bench {

namespace {

constexpr std::array kCControlsTools{"Button",  "Label", "CheckBox", "Switch", "Edit", "EditLine",
                                     "ListBox", "Radio", "DropDown", "PopUp",  "Image"};
constexpr std::array kPToolboxTools{"Button",     "Select", "Label", "CheckBox", "Push", "List",
                                    "PopTrigger", "Field",  "GSI",   "Bitmap",   "Radio"};

} // namespace

BigProject::BigProject(Library library, int formCount, int perForm) {
    workspace.library = library;
    Engine& engine = *kits.current().engine;
    const bool cc = library == Library::CControls;
    for (int f = 0; f < formCount; ++f) {
        auto form = std::make_unique<Form>("Form" + std::to_string(f + 1));
        for (int i = 0; i < perForm; ++i) {
            workspace.tool = cc ? kCControlsTools[i % kCControlsTools.size()]
                                : kPToolboxTools[i % kPToolboxTools.size()];
            engine.createControl(*form, (i * 13) % 150, (i * 7) % 150, &form->surface());
        }
        engine.rebuildComponentList(*form);
        forms.push_back(std::move(form));
    }
}

} // namespace ornadeck::bench
