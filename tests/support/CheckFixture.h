#pragma once

#include "check/Checks.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "support/FakeUi.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ornadeck::test {

// Forms of one project, built as a user would place their controls, and the checks over them.
class CheckFixture : public testing::Test {
  protected:
    void use(Library library) { workspace.library = library; }

    Form& addForm(const std::string& name) {
        forms.push_back(std::make_unique<Form>(name));
        return *forms.back();
    }
    Form& form() { return forms.empty() ? addForm("Main") : *forms.front(); }

    Control* place(Form& f, const std::string& tool, int x = 10, int y = 20,
                   Control* target = nullptr) {
        workspace.tool = tool;
        if (!engine().createControl(f, x, y, target ? target : &f.surface())) return nullptr;
        return workspace.selected.control;
    }
    Control* place(const std::string& tool, int x = 10, int y = 20) {
        return place(form(), tool, x, y);
    }
    template <class T> T* placeAs(const std::string& tool, int x = 10, int y = 20) {
        return static_cast<T*>(place(tool, x, y));
    }
    void set(Control* c, std::string_view name, std::string_view text) {
        ASSERT_NE(c, nullptr);
        engine().showProperties(*c->owner(), c);
        ASSERT_TRUE(engine().setProperty(name, text).ok()) << name << "=" << text;
    }

    std::vector<Finding> run(const TextGauge& gauge = TextGauge()) {
        subject.library = workspace.library;
        subject.forms.clear();
        for (const auto& f : forms)
            subject.forms.push_back(f.get());
        return runChecks(subject, gauge);
    }
    // The findings of one check, as "subject" or "subject: message" lines.
    std::vector<std::string> subjects(const std::string& id, const TextGauge& gauge = TextGauge()) {
        std::vector<std::string> out;
        for (const Finding& f : run(gauge))
            if (f.checkId == id) out.push_back(f.subject());
        return out;
    }
    // "check-id subject" for every finding whose check id starts with `prefix`.
    std::vector<std::string> family(const std::string& prefix,
                                    const TextGauge& gauge = TextGauge()) {
        std::vector<std::string> out;
        for (const Finding& f : run(gauge))
            if (f.checkId.starts_with(prefix)) out.push_back(f.checkId + " " + f.subject());
        return out;
    }
    std::vector<Finding> only(const std::string& id, const TextGauge& gauge = TextGauge()) {
        std::vector<Finding> all = run(gauge);
        std::erase_if(all, [&](const Finding& f) { return f.checkId != id; });
        return all;
    }

    Engine& engine() { return *kits.current().engine; }

    Workspace workspace;
    FakeUi ui;
    LibraryKits kits{workspace, ui};
    std::vector<std::unique_ptr<Form>> forms;
    CheckSubject subject;
};

} // namespace ornadeck::test
