#include "workbench/GenerateSession.h"

#include "codegen/Generation.h"
#include "engine/LibraryKit.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/Settings.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "render/BmpFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "workbench/ProjectCommands.h"

#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <set>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// Remembers what each picture-open dialog was titled and filtered by.
class PickerUi : public test::FakeUi {
  public:
    std::vector<std::string> titles;
    std::string filter;
    std::optional<fs::path> chooseOpenFile(const std::string& caption, const std::string& f,
                                           const std::string& extension) override {
        titles.push_back(caption);
        filter = f;
        return FakeUi::chooseOpenFile(caption, f, extension);
    }
};

std::string bytesOf(const fs::path& p) {
    std::string bytes;
    EXPECT_TRUE(readFileBytes(p, bytes).ok()) << p;
    return bytes;
}

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

// The file's text without the named sections, as the INI writer lays sections out.
std::string withoutSections(std::string text, const std::set<std::string>& names) {
    for (const std::string& name : names) {
        const std::size_t at = text.find("[" + name + "]\r\n");
        if (at == std::string::npos) continue;
        const std::size_t end = text.find("\r\n\r\n", at);
        text.erase(at, end == std::string::npos ? std::string::npos : end + 4 - at);
    }
    return text;
}

class GenerateSessionTest : public testing::Test {
  protected:
    // A copy of a shipped example, opened as the user opens it: its windows then stand in
    // the order they were opened, the last one first.
    fs::path openExample(const char* folder, const char* project) {
        fs::copy(fs::path(ORNADECK_SOURCE_DIR) / "examples" / folder, dir / folder);
        const fs::path path = dir / folder / project;
        EXPECT_TRUE(commands.openProjectFile(path.string()));
        return path;
    }
    // Saves the project as the program writes it, then drops the given Code keys.
    fs::path savedExample(std::initializer_list<const char*> dropped = {}) {
        const fs::path path = openExample("ptoolbox", "Palm.ozp");
        EXPECT_TRUE(commands.saveProject());
        IniFile ini;
        EXPECT_TRUE(ini.load(path).ok());
        for (const char* key : dropped)
            ini.deleteKey("Code", key);
        EXPECT_TRUE(ini.save(path).ok());
        return path;
    }
    std::string projectKey(const char* section, const char* key) {
        IniFile ini;
        EXPECT_TRUE(ini.load(workspace.projectPath).ok());
        return ini.readString(section, key, "<absent>");
    }
    // A two-pixel bitmap, whatever its name says.
    fs::path picture(const char* name) {
        const fs::path p = dir / name;
        writeText(p, bmpFileBytes(Image(2, 1, kBlack)));
        return p;
    }

    test::TempDir temp_;
    const fs::path dir = temp_.path();
    Workspace workspace;
    PickerUi ui;
    Settings settings;
    LibraryKits kits{workspace, ui};
    ProjectCommands commands{workspace, ui, settings, kits};
    GenerateSession session{workspace, ui, readBmpPicture};
};

TEST_F(GenerateSessionTest, OpeningReadsTheProjectsKeysOrTheirDefaults) {
    const fs::path path = openExample("ptoolbox", "Palm.ozp");
    session.open();
    EXPECT_EQ(session.title(), "Ornadeck 1.0 - Generate code - PToolboxLib");
    EXPECT_EQ(session.formNames(), (std::vector<std::string>{"Settings", "Main"}));
    EXPECT_EQ(session.firstForm(), 1); // FirstForm=Main, by its exact text
    EXPECT_EQ(session.output(), "out");
    EXPECT_FALSE(session.memos());
    EXPECT_TRUE(session.prcShown());
    EXPECT_EQ(session.creatorId(), "ORPT");
    EXPECT_EQ(session.appName(), "PT Demo");
    EXPECT_EQ(session.appDb(), "PTDemoDB");
    for (std::size_t p = 0; p < GenerateSession::PaneCount; ++p) {
        EXPECT_EQ(session.pane(p), "");
        EXPECT_EQ(session.counters(p).lines, "");
        EXPECT_EQ(session.counters(p).chars, "");
    }
    EXPECT_FALSE(session.saveEnabled());

    // Without the Code section: the project's folder and the fixed defaults; a FirstForm
    // that names no open form selects the first entry.
    writeText(path, "[Project]\nLib=2\n[Code]\nFirstForm=main\n");
    session.setOutput("");
    session.open();
    EXPECT_EQ(session.output(), path.parent_path().string());
    // A box emptied by the user means the project's folder, never the current one.
    session.setOutput("");
    EXPECT_EQ(session.outputDirectory(), path.parent_path());
    EXPECT_EQ(session.firstForm(), 0);
    EXPECT_EQ(session.creatorId(), "ORDK");
    EXPECT_EQ(session.appName(), "Application");
    EXPECT_EQ(session.appDb(), "ApplicationDB");
    EXPECT_EQ(session.version(), "1.0");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerateSessionTest, AMemosProjectOpensWithoutPrcPropertiesOrSave) {
    const fs::path path = openExample("ccontrols", "Demo.ozp");
    IniFile ini;
    ASSERT_TRUE(ini.load(path).ok());
    ini.writeInt("Code", "Memo", 1);
    ASSERT_TRUE(ini.save(path).ok());
    session.open();
    EXPECT_EQ(session.title(), "Ornadeck 1.0 - Generate code - CControls");
    EXPECT_TRUE(session.memos());
    EXPECT_FALSE(session.prcShown());
    EXPECT_FALSE(session.saveShown());
    ASSERT_TRUE(session.generate());
    EXPECT_EQ(session.pane(GenerateSession::Main).rfind("//Main Demo.pc\n", 0), 0u);
    EXPECT_FALSE(session.save()); // nothing is saved for memos
    EXPECT_FALSE(fs::exists(path.parent_path() / "out"));
}

TEST_F(GenerateSessionTest, HiddenWindowsAreNotListedNorGenerated) {
    openExample("ptoolbox", "Palm.ozp");
    workspace.forms.front()->setVisible(false); // Settings
    session.open();
    EXPECT_EQ(session.formNames(), std::vector<std::string>{"Main"});
    ASSERT_TRUE(session.generate());
    EXPECT_EQ(session.pane(GenerateSession::Forms).find("Settings"), std::string::npos);

    workspace.forms.back()->setVisible(false);
    session.open();
    EXPECT_EQ(session.firstForm(), -1);
    const std::string before = bytesOf(workspace.projectPath);
    EXPECT_FALSE(session.generate());
    EXPECT_EQ(ui.lastText(), "The project has no form: there is no code to generate.");
    EXPECT_EQ(bytesOf(workspace.projectPath), before); // FirstForm=Main is kept
}

TEST_F(GenerateSessionTest, GenerateWritesTheCodeKeysAndFillsThePanesInWindowOrder) {
    openExample("ptoolbox", "Palm.ozp");
    session.open();
    session.chooseFirstForm(0);
    session.chooseFirstForm(2); // past the list: no change
    session.chooseFirstForm(-1);
    EXPECT_EQ(session.firstForm(), 0);
    session.setOutput("build");
    session.setAppName("Renamed");
    ASSERT_TRUE(session.generate());
    EXPECT_TRUE(session.saveEnabled());
    EXPECT_EQ(projectKey("Code", "Output"), "build");
    EXPECT_EQ(projectKey("Code", "FirstForm"), "Settings");
    EXPECT_EQ(projectKey("Code", "Memo"), "0");
    EXPECT_EQ(projectKey("Code", "AppName"), "Renamed");

    FormList forms;
    for (const auto& f : workspace.forms)
        forms.push_back(f.get());
    GenerationSettings s;
    s.firstForm = "Settings";
    s.creatorId = "ORPT";
    s.appName = "Renamed";
    s.appDb = "PTDemoDB";
    const GeneratedTexts texts =
        generateTexts(*makeGenerator(Library::PToolboxLib), s, forms, "Palm");
    EXPECT_EQ(session.pane(GenerateSession::Main), paneTextOf(texts.main));
    EXPECT_EQ(session.pane(GenerateSession::Forms), paneTextOf(texts.forms));
    EXPECT_EQ(session.pane(GenerateSession::Events), paneTextOf(texts.events));
    EXPECT_EQ(session.pane(GenerateSession::Header), paneTextOf(texts.header));
    EXPECT_EQ(session.counters(GenerateSession::Header),
              countPane(session.pane(GenerateSession::Header)));
}

TEST_F(GenerateSessionTest, GenerateAndIconPicksKeepEveryOtherSectionByteForByte) {
    const fs::path path = savedExample();
    // A section of someone else's, which the program never writes.
    writeText(path, bytesOf(path) + "[Notes]\r\nWho=me; and you\r\n\r\n");
    const std::string before = bytesOf(path);
    session.open();
    ui.files = {picture("l1.bmp")};
    ASSERT_TRUE(session.pickIcon(0));
    session.setVersion("2.0");
    ASSERT_TRUE(session.generate());
    const std::string after = bytesOf(path);
    EXPECT_EQ(withoutSections(after, {"Code", "Icons"}), withoutSections(before, {"Code"}));
    EXPECT_EQ(projectKey("Code", "Version"), "2.0");
    EXPECT_EQ(projectKey("Icons", "Large1"), (dir / "l1.bmp").string());
}

TEST_F(GenerateSessionTest, IconPicksWriteTheirKeyAtOnceOrNothing) {
    savedExample();
    session.open();
    writeText(dir / "notes.txt", "BM, but no bitmap");
    ui.files = {picture("s8.bmp"), std::nullopt, dir / "notes.txt"};
    ASSERT_TRUE(session.pickIcon(7));
    EXPECT_EQ(projectKey("Icons", "Small8"), (dir / "s8.bmp").string()); // no Generate needed
    EXPECT_EQ(session.icon(7), (dir / "s8.bmp").string());

    const std::string before = bytesOf(workspace.projectPath);
    EXPECT_FALSE(session.pickIcon(0)); // Cancel
    EXPECT_FALSE(session.pickIcon(0)); // not a picture
    EXPECT_EQ(ui.lastText(), (dir / "notes.txt").string() + " cannot be read as a picture.");
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_EQ(bytesOf(workspace.projectPath), before);
    EXPECT_EQ(session.icon(0), "");

    EXPECT_EQ(ui.titles, (std::vector<std::string>{"Open 8 bit small icon", "Open 1 bit large icon",
                                                   "Open 1 bit large icon"}));
    EXPECT_EQ(ui.filter, "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(ui.openExtension, "bmp");

    // A picture in the project's folder is named relative to it, and found from it again.
    const fs::path folder = fs::path(workspace.projectPath).parent_path();
    fs::create_directory(folder / "icons");
    fs::rename(picture("l1.bmp"), folder / "icons" / "l1.bmp");
    ui.files = {folder / "icons" / "l1.bmp"};
    ASSERT_TRUE(session.pickIcon(0));
    EXPECT_EQ(projectKey("Icons", "Large1"), "icons/l1.bmp");
    session.open();
    EXPECT_EQ(session.icon(0), platform::utf8Of(folder / "icons" / "l1.bmp"));
}

TEST_F(GenerateSessionTest, OpeningLoadsOnlyIconsThatAreReadablePictures) {
    const fs::path path = savedExample();
    const fs::path large2 = picture("l2.bmp");
    writeText(path, bytesOf(path) + "[Icons]\r\nLarge2=" + large2.string() +
                        "\r\nSmall1=" + (dir / "gone.bmp").string() +
                        "\r\nSmall2=" + (dir / "s2.txt").string() + "\r\n");
    writeText(dir / "s2.txt", "no picture");
    ui.messages.clear(); // the project's save asked about its forms
    session.open();
    EXPECT_EQ(session.icon(2), large2.string());
    EXPECT_EQ(session.icon(1), "");
    EXPECT_EQ(session.icon(3), "");
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_TRUE(session.generate());
    EXPECT_NE(session.pane(GenerateSession::Main).find("@licon2 \"large2.bmp\";"),
              std::string::npos);
    EXPECT_EQ(session.pane(GenerateSession::Main).find("@sicon"), std::string::npos);

    // Another project without icons shows none of this one's, nor its directory.
    ui.answers = {Answer::No};
    openExample("ccontrols", "Demo.ozp");
    writeText(workspace.projectPath, "[Project]\nLib=1\n");
    session.open();
    EXPECT_EQ(session.icon(2), "");
    EXPECT_EQ(session.output(), (dir / "ccontrols").string());
}

TEST_F(GenerateSessionTest, TheDirectoryBoxKeepsWhatWasTypedForTheSameProject) {
    savedExample({"Output"});
    session.open();
    EXPECT_EQ(session.output(), (dir / "ptoolbox").string());
    session.setOutput("/somewhere/else");
    session.open();
    EXPECT_EQ(session.output(), "/somewhere/else");
}

TEST_F(GenerateSessionTest, ChangingTargetEmptiesThePanesAndSaveStaysEnabled) {
    openExample("ptoolbox", "Palm.ozp");
    session.open();
    ASSERT_TRUE(session.generate());
    for (bool memos : {true, false}) {
        session.chooseTarget(memos);
        EXPECT_EQ(session.prcShown(), !memos);
        EXPECT_EQ(session.saveShown(), !memos);
        EXPECT_TRUE(session.saveEnabled());
        for (std::size_t p = 0; p < GenerateSession::PaneCount; ++p) {
            EXPECT_EQ(session.pane(p), "");
            EXPECT_EQ(session.counters(p).lines, "0 lines");
            EXPECT_EQ(session.counters(p).chars, "0 chars");
        }
    }
    // Four empty files would only replace real ones.
    EXPECT_FALSE(session.save());
    EXPECT_EQ(ui.lastText(), "There is no code to save: press Generate first.");
    EXPECT_FALSE(fs::exists(dir / "ptoolbox" / "out"));
}

TEST_F(GenerateSessionTest, LimitsKeepTheFirstCharacters) {
    struct Case {
        std::string typed, creatorId, appDb;
    };
    const std::string long31 = std::string(31, 'D');
    const Case cases[] = {{"ABCDE", "ABCD", "ABCDE"},
                          {"ÄÖÜßX", "ÄÖÜß", "ÄÖÜßX"},
                          {long31 + "Z", (long31 + "Z").substr(0, 4), long31},
                          {"", "", ""}};
    for (const Case& c : cases) {
        session.setCreatorId(c.typed);
        session.setAppDb(c.typed);
        EXPECT_EQ(session.creatorId(), c.creatorId);
        EXPECT_EQ(session.appDb(), c.appDb);
    }
}

TEST(PaneText, CountersAndLinesRoundTrip) {
    struct Case {
        std::string text;
        const char* lines;
        const char* chars;
        std::size_t lineCount;
    };
    const Case cases[] = {{"", "0 lines", "0 chars", 0},       {"a", "1 lines", "1 chars", 1},
                          {"ab\ncd", "2 lines", "5 chars", 2}, {"a\n", "2 lines", "2 chars", 2},
                          {"\n\n", "3 lines", "2 chars", 3},   {"é€", "1 lines", "2 chars", 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(countPane(c.text).lines, c.lines) << c.text;
        EXPECT_EQ(countPane(c.text).chars, c.chars) << c.text;
        const Lines lines = linesOfPane(c.text);
        EXPECT_EQ(lines.size(), c.lineCount) << c.text;
        EXPECT_EQ(paneTextOf(lines), c.text);
    }
    EXPECT_EQ(linesOfPane("a\r\nb"), (Lines{"a", "b"}));
}

// Activating another window puts its form first in the list; the code keeps the order of the
// last generation, so the user's code merges cleanly instead of clashing with moved blocks.
TEST_F(GenerateSessionTest, ARegenerationKeepsTheFormOrderOfTheLastOne) {
    openExample("ptoolbox", "Palm.ozp");
    session.open();
    ASSERT_TRUE(session.generate());
    const std::string first = session.pane(GenerateSession::Events);
    ASSERT_TRUE(session.save());
    const fs::path events = dir / "ptoolbox" / "out" / "PalmEvents.pc";
    std::string text = bytesOf(events);
    text.insert(text.find("    case WarnOk:\r\n") + 18, "      mine();\r\n");
    writeText(events, text);

    workspace.activate(*workspace.forms.back());
    session.open();
    ASSERT_TRUE(session.generate());
    std::string expected = first;
    expected.insert(expected.find("    case WarnOk:\n") + 17, "      mine();\n");
    EXPECT_EQ(session.pane(GenerateSession::Events), expected);
    EXPECT_EQ(session.paneTitle(GenerateSession::Events), "Events");

    // Forms the last generation did not have come after those it had.
    const Form a("A"), b("B"), c("C");
    EXPECT_EQ(inRecordedOrder({&a, &b, &c}, {"C", "Gone", "A"}), (FormList{&c, &a, &b}));
}

TEST_F(GenerateSessionTest, SaveWritesTheEditedPanesAndAsksOnlyBeforeABackup) {
    openExample("ccontrols", "Demo.ozp");
    session.open();
    ui.files = {picture("l4.bmp")};
    ASSERT_TRUE(session.pickIcon(4));
    ASSERT_TRUE(session.generate());
    session.editPane(GenerateSession::Events, "// mine\n");
    EXPECT_EQ(session.counters(GenerateSession::Events).lines, "2 lines");
    EXPECT_EQ(session.counters(GenerateSession::Events).chars, "8 chars");

    const fs::path out = dir / "ccontrols" / "out"; // Output=out, from the project's folder
    ASSERT_TRUE(session.save());
    EXPECT_EQ(bytesOf(out / "DemoEvents.pc"), "// mine\r\n\r\n");
    EXPECT_EQ(bytesOf(out / "large4.bmp"), bmpFileBytes(Image(2, 1, kBlack)));
    EXPECT_EQ(bytesOf(out / "Demo.pc").rfind("@cid \"ORDK\";\r\n", 0), 0u);
    EXPECT_EQ(ui.lastText(),
              "CControls library not found at project source path. You must copy it before "
              "compile.");

    // A change made to a file since it was saved stays, unasked; an edited pane is written.
    writeText(out / "Demo.pc", "kept");
    session.editPane(GenerateSession::Header, "changed");
    ui.messages.clear();
    ASSERT_TRUE(session.save());
    EXPECT_EQ(bytesOf(out / "Demo.pc"), "kept\r\n");
    EXPECT_EQ(bytesOf(out / "Demo.h"), "changed\r\n");

    // Without the record of what was saved, a different file is replaced only after a Yes,
    // and kept as a backup; Cancel stops at once.
    fs::remove_all(out / ".ornadeck");
    session.editPane(GenerateSession::Header, "again");
    ui.messages.clear();
    ui.answers = {Answer::No, Answer::Yes, Answer::Cancel};
    EXPECT_FALSE(session.save());
    ASSERT_EQ(ui.messages.size(), 4u); // three questions, then what was done
    EXPECT_EQ(ui.lastText(), (out / "DemoEvents.pc").string() +
                                 " was not written by the last generation: the old file is "
                                 "kept as " +
                                 (out / "DemoEvents.pc.bak").string() + ".");
    EXPECT_EQ(ui.messages.front().text,
              (out / "Demo.pc").string() +
                  " already exists. Do you want to replace it?\nThe old file is kept as "
                  "Demo.pc.bak.");
    EXPECT_EQ(bytesOf(out / "Demo.pc"), "kept\r\n");
    EXPECT_FALSE(fs::exists(out / "Demo.pc.bak"));
    EXPECT_EQ(bytesOf(out / "DemoEvents.pc.bak"), "// mine\r\n\r\n");
    EXPECT_EQ(bytesOf(out / "Demo.h"), "changed\r\n");
}

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST_F(GenerateSessionTest, AProjectFileThatCannotBeReadIsNotReplaced) {
    openExample("ptoolbox", "Palm.ozp");
    session.open();
    fs::remove(workspace.projectPath);
    ASSERT_EQ(::mkfifo(workspace.projectPath.c_str(), 0600), 0);
    EXPECT_FALSE(session.generate());
    EXPECT_EQ(ui.messages.back().caption, "Error");
    EXPECT_TRUE(fs::is_fifo(workspace.projectPath));
    EXPECT_EQ(session.pane(GenerateSession::Main), "");

    ui.files = {picture("l1.bmp")};
    EXPECT_FALSE(session.pickIcon(0));
    EXPECT_EQ(session.icon(0), "");
    EXPECT_TRUE(fs::is_fifo(workspace.projectPath));
}
#else
TEST_F(GenerateSessionTest, AProjectFileThatCannotBeReadIsNotReplaced) {
    GTEST_SKIP() << "needs POSIX";
}
#endif

} // namespace
} // namespace ornadeck
