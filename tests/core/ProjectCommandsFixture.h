#pragma once

#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/Settings.h"
#include "model/Workspace.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "workbench/ProjectCommands.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace ornadeck::test {

namespace fs = std::filesystem;

// A project's commands over a workspace, answered by a script, in a folder of their own.
class ProjectCommandsTest : public testing::Test {
  protected:
    // A saved CControls project with two forms, Main and Extra.
    fs::path savedProject() {
        ui.library = Library::CControls;
        EXPECT_TRUE(commands.newProject());
        workspace.forms.front()->setName("Main");
        commands.createForm("Extra");
        ui.files = {dir / "Demo.ozp", dir / "Extra.ozf", dir / "Main.ozf"};
        EXPECT_TRUE(commands.saveProjectAs());
        ui.messages.clear();
        return dir / "Demo.ozp";
    }
    IniFile read(const fs::path& p) {
        IniFile ini;
        EXPECT_TRUE(ini.load(p).ok());
        return ini;
    }
    std::vector<std::string> formNames() {
        std::vector<std::string> names;
        for (const auto& f : workspace.forms)
            names.push_back(f->name());
        return names;
    }

    test::TempDir temp_;

    const fs::path dir = temp_.path();
    Workspace workspace;
    test::FakeUi ui;
    Settings settings;
    LibraryKits kits{workspace, ui};
    // The processes a lock may name that count as running: another copy of the program.
    std::set<int> livePrograms;
    ProjectCommands commands{workspace, ui, settings, kits,
                             [this](int id) { return livePrograms.count(id) > 0; }};
};

} // namespace ornadeck::test
