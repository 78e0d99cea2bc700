#include "check/FindingNavigation.h"

#include "check/Checks.h"
#include "designer/FormEditor.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

namespace ornadeck {
namespace {

// The checks of the forms open in the designer, and the way from a finding back to them.
class FindingNavigation : public testing::Test {
  protected:
    Form& addForm(const std::string& name) {
        workspace.forms.push_back(std::make_unique<Form>(name));
        return *workspace.forms.back();
    }
    Control* place(Form& form, const std::string& tool, int x, int y) {
        workspace.tool = tool;
        kits.current().engine->createControl(form, x, y, &form.surface());
        return workspace.selected.control;
    }
    Finding findingAbout(const std::string& subject) {
        for (const Finding& f : runChecks(subjectOf(workspace, nullptr), TextGauge()))
            if (f.subject() == subject) return f;
        ADD_FAILURE() << "nothing about " << subject;
        return {};
    }

    Workspace workspace;
    test::FakeUi ui;
    LibraryKits kits{workspace, ui};
    Form& first = addForm("First");
    Form& second = addForm("Second");
    FormEditor firstWindow{workspace, ui, kits, first};
};

TEST_F(FindingNavigation, OnlyTheFormsShownAreCheckedWithTheProjectFileWhenSaved) {
    second.setVisible(false); // a closed designer window keeps its form, out of the project
    IniFile project;
    CheckSubject subject = subjectOf(workspace, &project);
    EXPECT_EQ(subject.forms, FormList{&first});
    EXPECT_EQ(subject.project, nullptr); // never saved
    workspace.projectPath = "/p/Demo.ozp";
    subject = subjectOf(workspace, &project);
    EXPECT_EQ(subject.project, &project);
    EXPECT_EQ(subject.projectPath, "/p/Demo.ozp");
}

TEST_F(FindingNavigation, AFindingBringsItsFormForwardAndSelectsItsControl) {
    Control* far = place(first, "Button", 150, 20);
    workspace.activate(second);
    const Finding f = findingAbout(far->name());
    ASSERT_EQ(formOfFinding(workspace, f), &first);
    showFinding(firstWindow, f);
    EXPECT_EQ(workspace.activeForm, &first);
    EXPECT_EQ(workspace.selected.form, &first);
    EXPECT_EQ(workspace.selected.control, far);
    EXPECT_TRUE(far->selected());

    // Renamed since: the form itself is shown.
    Finding stale = f;
    stale.control = "Gone";
    showFinding(firstWindow, stale);
    EXPECT_TRUE(workspace.selected.isForm());
    EXPECT_FALSE(far->selected());
}

TEST_F(FindingNavigation, FindingsOfTheProjectOrOfAClosedFormLeadNowhere) {
    Finding project;
    EXPECT_EQ(formOfFinding(workspace, project), nullptr);
    Form gone("Gone");
    Finding orphan;
    orphan.source = &gone;
    EXPECT_EQ(formOfFinding(workspace, orphan), nullptr);
}

} // namespace
} // namespace ornadeck
