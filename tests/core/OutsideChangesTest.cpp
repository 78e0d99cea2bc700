// Files changed, deleted or rewritten by another program while the designer has them open.
#include "workbench/OutsideChanges.h"

#include "ProjectCommandsFixture.h"
#include "designer/FormEditor.h"
#include "model/ChangedFileGuard.h"

#include <map>
#include <memory>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

FileStamp stamp(std::string_view bytes) { return stampOfBytes(bytes); }

TEST(DiskNewsTest, EachChangeIsNewsOnceAndTheHashDecides) {
    const FileStamp a = stamp("a"), b = stamp("b"), c = stamp("c"), gone{};
    struct Look {
        FileStamp now;
        DiskNews expected;
    };
    // One record looked at again and again, as the watcher and each activation do.
    const std::vector<Look> looks = {
        {a, DiskNews::None},    // as read
        {b, DiskNews::Changed}, // someone wrote
        {b, DiskNews::None},    // the same change seen again: a burst asks once
        {c, DiskNews::Changed}, // a further change is news
        {a, DiskNews::None},    // back as read (git checkout of the old version)
        {c, DiskNews::Changed}, // so the same change is news again
        {gone, DiskNews::Gone}, {gone, DiskNews::None}, {a, DiskNews::None},
    };
    DiskRecord record;
    record.note(a);
    for (std::size_t i = 0; i < looks.size(); ++i)
        EXPECT_EQ(newsOf(record, looks[i].now), looks[i].expected) << "look " << i;

    DiskRecord neverRead;
    EXPECT_EQ(newsOf(neverRead, b), DiskNews::None);
    // A touch, or a rewrite of the same bytes, is no change; a file that cannot be read is.
    EXPECT_TRUE(stamp("same").sameContent(stamp("same")));
    EXPECT_FALSE(stamp("same").sameContent(stamp("Same")));
    EXPECT_FALSE(stamp("").sameContent(FileStamp{true, false, 0, 0}));
    EXPECT_FALSE(stamp("").sameContent(gone));

    // On disk: gone, there but unreadable (a folder where the file was), there.
    test::TempDir temp;
    EXPECT_FALSE(stampOfFile(temp.path() / "none.ozf").exists);
    const FileStamp folder = stampOfFile(temp.path());
    EXPECT_TRUE(folder.exists);
    EXPECT_FALSE(folder.readable);
    ASSERT_TRUE(writeFileAtomically(temp.path() / "a.ozf", "a").ok());
    EXPECT_TRUE(stampOfFile(temp.path() / "a.ozf").sameContent(a));
}

// A saved two-form project, each shown form with its designer window, and the watch over them.
class OutsideChangesTest : public test::ProjectCommandsTest {
  protected:
    void SetUp() override {
        project = savedProject();
        workspace.formClosing = [this](Form& f) { editors.erase(&f); };
    }
    FormEditor* editorOf(Form& form) {
        auto& editor = editors[&form];
        if (!editor) editor = std::make_unique<FormEditor>(workspace, ui, kits, form);
        return editor.get();
    }
    Form& formNamed(const std::string& name) {
        for (const auto& f : workspace.forms)
            if (f->name() == name) return *f;
        ADD_FAILURE() << "no form " << name;
        return *workspace.forms.front();
    }
    static std::string bytesOf(const fs::path& p) {
        std::string bytes;
        EXPECT_TRUE(readFileBytes(p, bytes).ok());
        return bytes;
    }
    // Another program rewrites the form's title in its file.
    void retitleOnDisk(const fs::path& file, const std::string& title) {
        IniFile ini = read(file);
        ini.writeString("FORM", "Title", title);
        ASSERT_TRUE(ini.save(file).ok());
    }
    std::string title(const std::string& form) { return formNamed(form).surface().title(); }

    fs::path project;
    std::map<Form*, std::unique_ptr<FormEditor>> editors;
    OutsideChanges watch{workspace, ui, commands, [this](Form& f) { return editorOf(f); }};
};

TEST_F(OutsideChangesTest, OurOwnSavesAndUntouchedFilesAskNothing) {
    watch.check();
    ASSERT_TRUE(commands.saveProject());
    EXPECT_EQ(editorOf(formNamed("Main"))->save(false), SaveResult::Saved);
    ui.messages.clear();
    watch.check();
    EXPECT_TRUE(ui.messages.empty()) << ui.lastText();
    // The project's file and each shown form's: not a closed form's, not a never-saved one's.
    formNamed("Extra").setVisible(false);
    commands.createForm("Fresh");
    EXPECT_EQ(watch.watchedFiles(), (std::vector<fs::path>{project, dir / "Main.ozf"}));
}

// The question's own window takes the focus, and coming back looks again: that look, inside
// the first, must not ask a second time.
TEST_F(OutsideChangesTest, ALookStartedWhileAQuestionIsOpenDoesNothing) {
    struct Nested : test::FakeUi {
        OutsideChanges* watch = nullptr;
        int depth = 0, deepest = 0;
        Answer ask(const Message& message) override {
            deepest = std::max(deepest, ++depth);
            if (watch) watch->check();
            const Answer a = FakeUi::ask(message);
            --depth;
            return a;
        }
    } nestedUi;
    OutsideChanges nestedWatch{workspace, nestedUi, commands,
                               [this](Form& f) { return editorOf(f); }};
    nestedUi.watch = &nestedWatch;
    retitleOnDisk(dir / "Main.ozf", "Once");
    retitleOnDisk(dir / "Extra.ozf", "Twice");
    nestedUi.answers = {Answer::No, Answer::No};
    nestedWatch.check();
    EXPECT_EQ(nestedUi.messages.size(), 2u);
    EXPECT_EQ(nestedUi.deepest, 1); // one question after the other, never one inside another
}

TEST_F(OutsideChangesTest, ReloadReadsTheFileAsOneStepThatUndoTakesBack) {
    const std::string before = title("Main");
    retitleOnDisk(dir / "Main.ozf", "From git");
    retitleOnDisk(dir / "Main.ozf", "From git, second write");
    watch.check();
    ASSERT_EQ(ui.messages.size(), 1u); // one question for the burst
    const Message& asked = ui.messages.front();
    EXPECT_EQ(asked.text, (dir / "Main.ozf").string() + " changed on disk. Reload it?");
    EXPECT_EQ(asked.defaultAnswer, Answer::Yes);
    EXPECT_EQ(asked.buttonTexts, (std::vector<std::string>{"Reload", "Keep"}));
    EXPECT_EQ(title("Main"), "From git, second write");
    FormEditor& editor = *editorOf(formNamed("Main"));
    EXPECT_FALSE(editor.modified());

    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(title("Main"), before);
    EXPECT_TRUE(editor.modified());
    ui.messages.clear();
    watch.check(); // the file is as last read: nothing to ask
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OutsideChangesTest, UnsavedEditsMakeKeepTheDefaultAndTheSaveGuardKeepsTheOtherBytes) {
    FormEditor& editor = *editorOf(formNamed("Main"));
    editor.edit("Retitle", [&] { formNamed("Main").surface().setTitle("Mine"); });
    retitleOnDisk(dir / "Main.ozf", "Theirs");
    const std::string theirs = bytesOf(dir / "Main.ozf");

    ui.answers = {Answer::No}; // Keep
    watch.check();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].defaultAnswer, Answer::No);
    EXPECT_NE(ui.messages[0].text.find("discards the unsaved edits of form Main"),
              std::string::npos);
    EXPECT_EQ(title("Main"), "Mine");
    watch.check(); // kept: the same change is not asked about again
    EXPECT_EQ(ui.messages.size(), 1u);

    // Save, Save As onto the same file, and the project's save all meet the guard.
    ui.answers = {Answer::No};
    EXPECT_EQ(editor.save(false), SaveResult::Cancelled);
    EXPECT_EQ(ui.lastText(), (dir / "Main.ozf").string() +
                                 " was changed on disk since it was opened. Overwrite it?");
    EXPECT_EQ(ui.messages.back().defaultAnswer, Answer::No);
    ui.files = {dir / "Main.ozf"};
    ui.answers = {Answer::No};
    EXPECT_EQ(editor.save(true), SaveResult::Cancelled);
    // Save the project? Yes; replace Extra? Yes; overwrite Main? No.
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_FALSE(commands.closeAll());
    EXPECT_EQ(bytesOf(dir / "Main.ozf"), theirs);

    ui.answers = {Answer::Yes};
    EXPECT_EQ(editor.save(false), SaveResult::Saved);
    EXPECT_EQ(read(dir / "Main.ozf").readString("FORM", "Title", ""), "Mine");
    EXPECT_FALSE(changedBehindOurBack(dir / "Main.ozf", formNamed("Main").disk()));
}

TEST_F(OutsideChangesTest, AFileThatCanNoLongerBeReadChangesNothing) {
    FormEditor& editor = *editorOf(formNamed("Main"));
    IniFile ini = read(dir / "Main.ozf");
    ini.writeInt("FORM", "Lib", 2); // now a PToolboxLib form
    ASSERT_TRUE(ini.save(dir / "Main.ozf").ok());
    const std::string before = title("Main");
    const std::size_t steps = editor.history().undoCount();
    watch.check();
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(title("Main"), before);
    EXPECT_EQ(editor.history().undoCount(), steps);
}

TEST_F(OutsideChangesTest, ADeletedFormStaysOpenModifiedAndSaveAsksForAPlace) {
    Form& main = formNamed("Main");
    FormEditor& editor = *editorOf(main);
    fs::remove(dir / "Main.ozf");
    watch.check();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_NE(ui.lastText().find("was deleted or moved away"), std::string::npos);
    EXPECT_TRUE(main.filePath().empty());
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(main.caption(), "Main.ozf");

    ui.files = {dir / "Moved.ozf"};
    EXPECT_EQ(editor.save(false), SaveResult::Saved);
    EXPECT_TRUE(fs::exists(dir / "Moved.ozf"));
    EXPECT_FALSE(fs::exists(dir / "Main.ozf"));
}

TEST_F(OutsideChangesTest, AReloadedProjectFollowsItsNewFormList) {
    // Another copy drops Extra and lists a third form, written beside the others.
    fs::copy_file(dir / "Extra.ozf", dir / "Third.ozf");
    IniFile third = read(dir / "Third.ozf");
    third.writeString("FORM", "Name", "Third");
    ASSERT_TRUE(third.save(dir / "Third.ozf").ok());
    IniFile ini = read(project);
    ini.eraseSection("ActiveForms");
    ini.writeString("ActiveForms", "Form0", "Main.ozf");
    ini.writeString("ActiveForms", "Form1", "Third.ozf");
    ini.writeInt("Zoom", "Active", 1);
    ASSERT_TRUE(ini.save(project).ok());

    retitleOnDisk(dir / "Extra.ozf", "Changed too"); // closed with the reload: not asked about
    ui.answers = {Answer::Yes, Answer::No};          // reload; save changes to Extra? no
    watch.check();
    EXPECT_EQ(ui.messages.size(), 2u) << ui.lastText();
    ASSERT_GE(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, project.string() + " changed on disk. Reload it?");
    EXPECT_EQ(ui.messages[1].text, "Save changes to form Extra?");
    EXPECT_FALSE(formNamed("Extra").visible());
    EXPECT_TRUE(formNamed("Third").visible());
    EXPECT_TRUE(workspace.zoom.shown);

    // Cancel on the question keeps a dropped form's window.
    ini.eraseSection("ActiveForms");
    ini.writeString("ActiveForms", "Form0", "Third.ozf");
    ASSERT_TRUE(ini.save(project).ok());
    ui.answers = {Answer::Yes, Answer::Cancel};
    watch.check();
    EXPECT_TRUE(formNamed("Main").visible());

    // A form without a designer window is simply hidden.
    OutsideChanges windowless{workspace, ui, commands, [](Form&) { return nullptr; }};
    ini.writeString("ActiveForms", "Form0", "Main.ozf");
    ini.writeString("ActiveForms", "Form1", "Main.ozf");
    ASSERT_TRUE(ini.save(project).ok());
    ui.answers = {Answer::Yes};
    windowless.check();
    EXPECT_FALSE(formNamed("Third").visible());
    EXPECT_TRUE(formNamed("Main").visible());
}

TEST_F(OutsideChangesTest, TheProjectFileHasTheSameGuardAndCanGoAway) {
    IniFile ini = read(project);
    ini.writeString("Project", "Comment", "theirs");
    ASSERT_TRUE(ini.save(project).ok());
    const std::string theirs = bytesOf(project);
    ui.answers = {Answer::No}; // keep
    watch.check();
    ui.answers = {Answer::No}; // do not overwrite
    ui.messages.clear();
    EXPECT_FALSE(commands.saveProject());
    ASSERT_EQ(ui.messages.size(), 1u); // the guard, and no error after it
    EXPECT_EQ(ui.lastText(),
              project.string() + " was changed on disk since it was opened. Overwrite it?");
    EXPECT_EQ(bytesOf(project), theirs);

    fs::remove(project);
    watch.check();
    EXPECT_NE(ui.lastText().find("was deleted or moved away"), std::string::npos);
    EXPECT_TRUE(workspace.projectPath.empty());
    ui.files = {dir / "Again.ozp"};
    EXPECT_TRUE(commands.saveProject());
    EXPECT_TRUE(fs::exists(dir / "Again.ozp"));
}

} // namespace
} // namespace ornadeck
