#pragma once

#include "model/Form.h"
#include "model/Workspace.h"
#include "ptlib/PToolboxEngine.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

namespace ornadeck::test {

// A form of a PToolboxLib project and the engine that edits it.
class PToolboxFixture : public testing::Test {
  protected:
    PToolboxFixture() { workspace.library = Library::PToolboxLib; }

    Workspace workspace;
    FakeUi ui;
    PToolboxEngine engine{workspace, ui};
    Form form{"Main"};

    // Places a control the way a click with a tool does; returns the new selection.
    Control* place(const std::string& tool, int x = 10, int y = 20, Control* target = nullptr) {
        workspace.tool = tool;
        if (!engine.createControl(form, x, y, target ? target : &form.surface())) return nullptr;
        return workspace.selected.control;
    }
    template <class T> T* placeAs(const std::string& tool, int x = 10, int y = 20) {
        return static_cast<T*>(place(tool, x, y));
    }
    std::string get(Control* c, std::string_view name) { return engine.getProperty(form, c, name); }
    Status set(Control* c, std::string_view name, std::string_view text) {
        engine.showProperties(form, c);
        return engine.setProperty(name, text);
    }
};

} // namespace ornadeck::test
