#include "designer/FormSaving.h"

#include "cclib/CControlsFormSections.h"
#include "formfile/FormFile.h"
#include "model/AtomicFile.h"
#include "support/CControlsFixture.h"
#include "support/TempDir.h"

#include <fstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class FormSaving : public test::CControlsFixture {
  protected:
    static std::string contents(const fs::path& p) {
        std::string out;
        EXPECT_TRUE(readFileBytes(p, out).ok());
        return out;
    }

    CControlsFormSections sections;
    test::TempDir temp_;
    const fs::path dir = temp_.path();
};

TEST_F(FormSaving, NewFormIsProposedUnderItsCaptionAndCancelWritesNothing) {
    EXPECT_EQ(form.caption(), "Main.ozf");
    EXPECT_EQ(saveForm(form, false, ui, sections), SaveResult::Cancelled); // dialog cancelled
    EXPECT_TRUE(form.filePath().empty());
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(FormSaving, ChosenPathIsWrittenAndBecomesTheCaption) {
    ui.files.push_back(dir / "screen");
    place("Button");
    EXPECT_EQ(saveForm(form, false, ui, sections), SaveResult::Saved);
    EXPECT_EQ(form.filePath(), dir / "screen.ozf");
    EXPECT_EQ(form.caption(), "screen.ozf");
    EXPECT_EQ(contents(dir / "screen.ozf"), formToIni(form, sections).toText());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormSaving, EverySaveAsksBeforeReplacingAndNoWritesNothing) {
    const fs::path path = dir / "Main.ozf";
    std::ofstream(path) << "old";
    form.setFilePath(path);
    ui.answers = {Answer::No};
    EXPECT_EQ(saveForm(form, false, ui, sections), SaveResult::Cancelled);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, path.string() + " already exists. Do you want to replace it?");
    EXPECT_EQ(ui.messages[0].caption, "Save form");
    EXPECT_EQ(ui.messages[0].defaultAnswer, Answer::No);
    EXPECT_EQ(contents(path), "old");

    ui.answers = {Answer::Yes};
    EXPECT_EQ(saveForm(form, false, ui, sections), SaveResult::Saved);
    EXPECT_NE(contents(path), "old");
}

TEST_F(FormSaving, FailedWriteIsReportedAndKeepsTheFormsPath) {
    ui.files.push_back(dir / "missing" / "x.ozf");
    EXPECT_EQ(saveForm(form, true, ui, sections), SaveResult::Failed);
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_NE(ui.lastText().find("x.ozf"), std::string::npos);
    EXPECT_TRUE(form.filePath().empty());
}

TEST_F(FormSaving, LoadSetsCaptionFromTheFileName) {
    ui.files.push_back(dir / "saved.ozf");
    form.surface().setTitle("Hello");
    ASSERT_EQ(saveForm(form, false, ui, sections), SaveResult::Saved);
    Form other("Other");
    SectionReadContext ctx{other, workspace, engine};
    ASSERT_TRUE(loadFormFile(dir / "saved.ozf", sections, ctx).ok());
    EXPECT_EQ(other.caption(), "saved.ozf");
    EXPECT_EQ(other.surface().title(), "Hello");
    EXPECT_EQ(other.name(), "Other"); // the form name comes from the project, not the file
}

} // namespace
} // namespace ornadeck
