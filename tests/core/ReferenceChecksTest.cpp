#include "codegen/Generation.h"
#include "model/AtomicFile.h"
#include "model/IniFile.h"
#include "model/SilentUi.h"
#include "support/CheckFixture.h"
#include "support/TempDir.h"

#include <fstream>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;
using test::CheckFixture;
using Subjects = std::vector<std::string>;

class ReferenceChecks : public CheckFixture {
  protected:
    // The checks see `project` as the file of a project saved in the temporary folder.
    void withProjectFile(const std::string& name) {
        subject.project = &project;
        subject.projectPath = temp.path() / name;
    }

    test::TempDir temp;
    IniFile project;
};

TEST_F(ReferenceChecks, ShowFormMustNameAFormOrDialogOfTheProject) {
    use(Library::CControls);
    Control* button = place("Button");
    set(button, "ShowForm", "Other");
    EXPECT_EQ(subjects("references.show-form"), Subjects{"Button1"});
    addForm("Other");
    EXPECT_EQ(subjects("references.show-form"), Subjects{});
    set(place("Dialog"), "Name", "Ask");
    set(button, "ShowForm", "Ask");
    EXPECT_EQ(subjects("references.show-form"), Subjects{});
    set(button, "ShowForm", "ask"); // PocketC tells cases apart
    EXPECT_EQ(subjects("references.show-form"), Subjects{"Button1"});
}

// A repeat button has no press case, so what it would show is never generated.
TEST_F(ReferenceChecks, PToolboxButtonsShowFormOnlyWhenTheyArePressed) {
    use(Library::PToolboxLib);
    Control* button = place("Button");
    set(button, "ShowForm", "Nowhere");
    EXPECT_EQ(subjects("references.show-form"), Subjects{"Button1"});
    set(button, "Type", "Repeat");
    EXPECT_EQ(subjects("references.show-form"), Subjects{});
}

TEST_F(ReferenceChecks, ATriggerMustBeAPopTriggerBesideItsList) {
    use(Library::PToolboxLib);
    Control* list = place("List");
    set(place("PopTrigger"), "Name", "PopTrigger2");
    set(place("Button"), "Name", "Button3");
    Control* dialog = place("Dialog");
    set(place(form(), "PopTrigger", 5, 20, dialog), "Name", "Inner");
    struct Case {
        const char* trigger;
        bool found;
    };
    for (const Case& c : {Case{"(None)", false}, Case{"PopTrigger2", false}, Case{"Button3", true},
                          Case{"Inner", true}, Case{"Gone", true}, Case{"poptrigger2", true}}) {
        set(list, "Trigger", c.trigger);
        EXPECT_EQ(subjects("references.trigger"), c.found ? Subjects{"List1"} : Subjects{})
            << c.trigger;
    }
}

TEST_F(ReferenceChecks, FirstFormAndIconsOfTheProjectFile) {
    use(Library::CControls);
    addForm("Main");
    withProjectFile("Demo.ozp");
    const fs::path icon = temp.path() / "icon.bmp";
    ASSERT_TRUE(writeFileAtomically(icon, "BM").ok());
    project.writeString("Code", "Memo", "1");
    project.writeString("Code", "FirstForm", "Main");
    project.writeString("Icons", "Large1", icon.string());
    EXPECT_EQ(family("references."), Subjects{});

    project.writeString("Code", "FirstForm", "Missing");
    project.writeString("Icons", "Small8", (temp.path() / "gone.bmp").string());
    const auto found = run();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].checkId, "references.first-form");
    EXPECT_NE(found[0].message.find("will start with Main"), std::string::npos);
    EXPECT_EQ(found[1].checkId, "references.icon");
    EXPECT_NE(found[1].message.find("Small8"), std::string::npos);
    for (const Finding& f : found) {
        EXPECT_EQ(f.severity, Severity::Warning);
        EXPECT_EQ(f.file, subject.projectPath.string());
        EXPECT_EQ(f.source, nullptr);
    }
}

TEST_F(ReferenceChecks, ListedFormsThatAreMissingOrOfTheOtherLibrary) {
    const fs::path examples = fs::absolute(ORNADECK_SOURCE_DIR "/examples");
    const fs::path mixed = temp.path() / "Mixed.ozp";
    std::ofstream(mixed) << "[Project]\nLib=1\n[ActiveForms]\nForm0="
                         << (examples / "ccontrols" / "About.ozf").string()
                         << "\nForm1=gone.ozf\nForm2="
                         << (examples / "ptoolbox" / "Settings.ozf").string() << "\n";
    SilentUi silent;
    Workspace loading;
    LibraryKits loadingKits(loading, silent);
    HeadlessProject loaded;
    ASSERT_TRUE(loadHeadlessProject(mixed, loading, loadingKits, loaded).ok());
    std::vector<std::string> lines;
    for (const Finding& f : runChecks(subjectOf(loaded), TextGauge()))
        if (f.checkId.starts_with("references.")) lines.push_back(f.checkId + " " + f.file);
    // About's back button shows Main, which this project does not have.
    EXPECT_EQ(
        lines,
        (Subjects{"references.missing-form " + (temp.path() / "gone.ozf").string(),
                  "references.other-library " + (examples / "ptoolbox" / "Settings.ozf").string(),
                  "references.show-form " + (examples / "ccontrols" / "About.ozf").string()}));
}

TEST_F(ReferenceChecks, TheLibrarySourceBesideTheCodeIsANoteUntilCopied) {
    use(Library::PToolboxLib);
    addForm("Main");
    withProjectFile("Palm.ozp");
    project.writeString("Code", "Output", "out");
    const auto found = only("library.source-missing");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, Severity::Note);
    EXPECT_NE(found[0].message.find((temp.path() / "out").string()), std::string::npos);

    fs::create_directories(temp.path() / "out");
    ASSERT_TRUE(writeFileAtomically(temp.path() / "out" / "Fctl.h", "").ok());
    EXPECT_EQ(only("library.source-missing").size(), 0u);
    use(Library::CControls);
    EXPECT_EQ(only("library.source-missing").size(), 1u);
    project.writeString("Code", "Memo", "1"); // memos are copied by hand, without the library
    EXPECT_EQ(only("library.source-missing").size(), 0u);
}

// The code includes "Ccontrols.c" and "Fctl.h": found in another spelling, the file is there
// on Windows but not on a system that tells capitals apart.
TEST_F(ReferenceChecks, ALibrarySourceSpelledOtherwiseIsAWarning) {
    addForm("Main");
    withProjectFile("Demo.ozp");
    struct Case {
        Library library;
        const char* file;
        std::size_t warnings;
    };
    const Case cases[] = {{Library::CControls, "CControls.c", 1},
                          {Library::CControls, "Ccontrols.c", 0},
                          {Library::PToolboxLib, "fctl.h", 1},
                          {Library::PToolboxLib, "Fctl.h", 0}};
    for (const Case& c : cases) {
        use(c.library);
        for (const auto& entry : fs::directory_iterator(temp.path()))
            if (entry.path().extension() != ".ozp") fs::remove_all(entry.path());
        ASSERT_TRUE(writeFileAtomically(temp.path() / c.file, "").ok());
        const auto found = only("library.source-case");
        ASSERT_EQ(found.size(), c.warnings) << c.file;
        EXPECT_EQ(only("library.source-missing").size(), 0u) << c.file;
        if (c.warnings == 0) continue;
        EXPECT_EQ(found[0].severity, Severity::Warning);
        EXPECT_EQ(found[0].message,
                  "The code includes \"" + std::string(librarySourceName(c.library)) +
                      "\" but the folder holds " + c.file +
                      ": a system that tells capitals apart will not find it. Rename it " +
                      std::string(librarySourceName(c.library)) + ".");
    }
}

} // namespace
} // namespace ornadeck
