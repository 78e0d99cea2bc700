#pragma once

#include "designer/FormEditor.h"
#include "engine/LibraryKit.h"
#include "model/Settings.h"
#include "support/FakeUi.h"
#include "workbench/Inspector.h"
#include "workbench/ProjectCommands.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ornadeck::test {

using Strings = std::vector<std::string>;

// Forms of one library opened as the user opens them, with the inspector over them.
class InspectorFixture : public testing::Test {
  protected:
    void use(Library library) { workspace.library = library; }
    Form& newForm(const std::string& name) { return projects.createForm(name); }
    Control* place(Form& form, const std::string& tool, Control* target = nullptr) {
        workspace.tool = tool;
        Engine& e = *kits.current().engine;
        if (!e.createControl(form, 10, 20, target ? target : &form.surface())) return nullptr;
        e.rebuildComponentList(form);
        inspector.sync();
        return workspace.selected.control;
    }
    std::size_t row(const std::string& name) const {
        const auto& rows = inspector.rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].name == name) return i;
        ADD_FAILURE() << "no row " << name;
        return rows.size();
    }
    std::string value(const std::string& name) const { return inspector.rows()[row(name)].value; }
    std::string engineValue(Control* c, const std::string& name) {
        return kits.current().engine->getProperty(*workspace.selected.form, c, name);
    }
    Strings entries(const std::string& name) const { return inspector.entries(row(name)); }
    // The form's designer window, made on first use as the inspector makes it.
    FormEditor& editorOf(Form& form) {
        auto& e = editors[&form];
        if (!e) e = std::make_unique<FormEditor>(workspace, ui, kits, form);
        return *e;
    }

    Workspace workspace;
    test::FakeUi ui;
    Settings settings;
    LibraryKits kits{workspace, ui};
    ProjectCommands projects{workspace, ui, settings, kits};
    // Every form has its editor, as in the designer, so edits are its undo steps.
    std::map<Form*, std::unique_ptr<FormEditor>> editors;
    Inspector inspector{workspace, ui, kits, [this](Form& form) {
                            auto& editor = editors[&form];
                            if (!editor)
                                editor = std::make_unique<FormEditor>(workspace, ui, kits, form);
                            return editor.get();
                        }};
};

} // namespace ornadeck::test
