#include "codegen/Generation.h"

#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "render/BmpFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "workbench/IconFiles.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// Records which form each text was asked for, so the frame's part can be checked alone.
class RecordingGenerator final : public LibraryGenerator {
  public:
    void generateMain(Lines& out, const FormList&, const Form& first,
                      std::string_view) const override {
        out.push_back("main " + first.name());
    }
    void generateForms(Lines& out, bool memos, const FormList&, std::string_view p) const override {
        out.push_back(std::string(memos ? "memo " : "pde ") + std::string(p));
    }
    void generateEvents(Lines& out, bool, const FormList&, std::string_view) const override {
        out.push_back("events");
    }
    void generateHeader(Lines& out, bool, const FormList&, std::string_view) const override {
        out.push_back("header");
    }
};

class GenerationTest : public testing::Test {
  protected:
    void SetUp() override { forms = {&one, &two}; }
    std::string contents(const fs::path& p) {
        std::string out;
        EXPECT_TRUE(readFileBytes(p, out).ok());
        return out;
    }

    test::TempDir temp_;

    const fs::path dir = temp_.path();
    Form one{"One"}, two{"Two"};
    FormList forms;
    RecordingGenerator generator;
    GenerationSettings settings;
    test::FakeUi ui;
    IconFileWriter writeIcon = bitmapIconWriter(readBmpPicture, "BMP");
};

TEST_F(GenerationTest, PdeTargetStartsWithThePrcLinesAndLoadedIconsInOrder) {
    settings.firstForm = "Two";
    auto t = generateTexts(generator, settings, forms, "Demo");
    EXPECT_EQ(t.main, (Lines{"@cid \"ORDK\";", "@name \"Application\";",
                             "@dbname \"ApplicationDB\";", "@ver \"1.0\";", "main Two"}));
    settings.icons[7] = "/x/s8.bmp";
    settings.icons[0] = "/x/l1.bmp";
    settings.firstForm = "Missing";
    t = generateTexts(generator, settings, forms, "Demo");
    EXPECT_EQ(t.main[4], "@licon1 \"large1.bmp\";");
    EXPECT_EQ(t.main[5], "@sicon8 \"small8.bmp\";");
    EXPECT_EQ(t.main[6], "main One"); // an unknown first form falls back to the first listed
}

TEST_F(GenerationTest, MemoTargetHasOnlyItsTitleLine) {
    settings.memos = true;
    const auto t = generateTexts(generator, settings, forms, "Demo");
    EXPECT_EQ(t.main, (Lines{"//Main Demo.pc", "main One"}));
    EXPECT_EQ(t.forms, Lines{"memo Demo"});
}

// Files Ornadeck has no record of are replaced only when the user says so.
TEST_F(GenerationTest, SaveAsksPerFileNoSkipsCancelStops) {
    const auto t = generateTexts(generator, settings, forms, "Demo");
    std::ofstream(dir / "Demo.pc") << "old main";
    std::ofstream(dir / "DemoEvents.pc") << "old events";
    ui.answers = {Answer::No, Answer::Cancel};
    auto report = saveGeneratedTexts(t, settings, dir, "Demo", Library::CControls,
                                     ReplacePolicy::Ask, ui, writeIcon);
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(ui.messages[0].text,
              (dir / "Demo.pc").string() +
                  " already exists. Do you want to replace it?\nThe old file is kept as "
                  "Demo.pc.bak.");
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].defaultAnswer, Answer::No); // replacing is never the default
    EXPECT_EQ(contents(dir / "Demo.pc"), "old main");
    EXPECT_EQ(contents(dir / "DemoForms.pc"), "pde Demo\r\n");
    EXPECT_EQ(contents(dir / "DemoEvents.pc"), "old events");
    EXPECT_FALSE(fs::exists(dir / "Demo.h")); // nothing after Cancel
    EXPECT_EQ(ui.messages.size(), 2u);        // and no library warning either
}

// The desktop compiler reads Windows bitmaps: whatever file was picked, a real one is written,
// and a file that is no picture writes nothing for its icon but stops nothing else.
TEST_F(GenerationTest, SaveWritesIconsAsBitmapsAndWarnsWhenTheLibraryIsMissing) {
    Image blackAndWhite(3, 2, kWhite), colour(2, 1, kWhite);
    blackAndWhite.set(0, 0, kBlack);
    colour.set(1, 0, 0x00336699);
    // Kept as 24-bit files, so the written 1-bit one cannot be a copy.
    Image widened = blackAndWhite;
    widened.set(2, 1, 0x00010101);
    std::string stored = bmpFileBytes(widened);
    // Back to white in the file (the bottom row comes first): 24 bits, only two colours.
    stored.replace(54 + 2 * 3, 3, "\xFF\xFF\xFF");
    const fs::path bw = dir / "my icon.bmp", rgb = dir / "colour.bmp", gif = dir / "icon.gif";
    std::ofstream(bw, std::ios::binary) << stored;
    std::ofstream(rgb, std::ios::binary) << bmpFileBytes(colour);
    std::ofstream(gif, std::ios::binary) << "GIF89a";
    settings.icons[2] = bw.string();
    settings.icons[3] = gif.string();
    settings.icons[6] = rgb.string();
    const auto t = generateTexts(generator, settings, forms, "Demo");
    const fs::path out = dir / "out";
    fs::create_directory(out);
    auto report = saveGeneratedTexts(t, settings, out, "Demo", Library::PToolboxLib,
                                     ReplacePolicy::Overwrite, ui, writeIcon);
    ASSERT_TRUE(report.status.ok());
    EXPECT_EQ(report.written.size(), 6u);
    EXPECT_EQ(contents(out / "large2.bmp"), bmpFileBytes(blackAndWhite));
    EXPECT_EQ(contents(out / "large2.bmp")[28], 1); // bits per pixel
    EXPECT_EQ(contents(out / "large8.bmp"), bmpFileBytes(colour));
    EXPECT_FALSE(fs::exists(out / "small2.bmp"));
    EXPECT_EQ(report.iconErrors, std::vector<std::string>{"Icon Small2: " + gif.string() +
                                                          " cannot be read as a picture (BMP); "
                                                          "small2.bmp was not written."});
    EXPECT_EQ(report.libraryWarning, "PToolboxLib header file Fctl.h not found at project "
                                     "source path. You must copy it before compile.");

    std::ofstream(out / "Fctl.h") << "";
    settings.icons[3].clear();
    report = saveGeneratedTexts(t, settings, out, "Demo", Library::PToolboxLib,
                                ReplacePolicy::Overwrite, ui, writeIcon);
    EXPECT_TRUE(report.libraryWarning.empty());
    EXPECT_TRUE(report.libraryCaseWarning.empty());
    EXPECT_TRUE(report.iconErrors.empty());

#ifndef _WIN32 // a folder on Windows keeps a file's spelling through a rename in case only
    // Found in another spelling: there, but not for a system that tells capitals apart.
    fs::rename(out / "Fctl.h", out / "FCTL.H");
    report = saveGeneratedTexts(t, settings, out, "Demo", Library::PToolboxLib,
                                ReplacePolicy::Overwrite, ui, writeIcon);
    EXPECT_TRUE(report.libraryWarning.empty());
    EXPECT_EQ(report.libraryCaseWarning,
              "The code includes \"Fctl.h\" but the folder holds FCTL.H: a system that tells "
              "capitals apart will not find it. Rename it Fctl.h.");
    EXPECT_EQ(ui.lastText(), report.libraryCaseWarning);
#endif
}

// A reader that finds no pixels at all makes no bitmap of them.
TEST_F(GenerationTest, AnIconWithoutPixelsIsNotWritten) {
    const fs::path icon = dir / "empty.png";
    std::ofstream(icon) << "any bytes";
    const IconFileWriter write =
        bitmapIconWriter([](const fs::path&) { return std::optional<Image>(Image()); }, "");
    const Status s = write(icon, dir / "large1.bmp");
    EXPECT_EQ(s.message(), icon.string() + " cannot be read as a picture");
    EXPECT_FALSE(fs::exists(dir / "large1.bmp"));
}

TEST_F(GenerationTest, NoFormsGeneratesAndSavesNothing) {
    const auto t = generateTexts(generator, settings, {}, "Demo");
    EXPECT_FALSE(t.status.ok());
    EXPECT_NE(t.status.message().find("no form"), std::string::npos);
    EXPECT_TRUE(t.main.empty() && t.forms.empty() && t.events.empty() && t.header.empty());
    const auto report = saveGeneratedTexts(t, settings, dir, "Demo", Library::CControls,
                                           ReplacePolicy::Overwrite, ui, writeIcon);
    EXPECT_FALSE(report.status.ok());
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(GenerationTest, MemosTargetWritesNoIcons) {
    const fs::path icon = dir / "icon.bmp";
    std::ofstream(icon) << "BM";
    settings.icons[0] = icon.string();
    settings.memos = true;
    const fs::path out = dir / "out";
    fs::create_directory(out);
    const auto report =
        saveGeneratedTexts(generateTexts(generator, settings, forms, "Demo"), settings, out, "Demo",
                           Library::CControls, ReplacePolicy::Overwrite, ui, writeIcon);
    ASSERT_TRUE(report.status.ok());
    EXPECT_EQ(report.written.size(), 4u);
    EXPECT_FALSE(fs::exists(out / "large1.bmp"));
}

// Text typed into the shown panes has no control to name: the file is named instead.
TEST_F(GenerationTest, EditedTextsAreSavedInWindows1252) {
    auto t = generateTexts(generator, settings, forms, "Demo");
    t.events.push_back("// caf\u00e9 \u2192 \u20ac");
    const auto report = saveGeneratedTexts(t, settings, dir, "Demo", Library::CControls,
                                           ReplacePolicy::Overwrite, ui, writeIcon);
    ASSERT_TRUE(report.status.ok());
    EXPECT_EQ(contents(dir / "DemoEvents.pc"), "events\r\n// caf\xE9 ? \x80\r\n");
    ASSERT_EQ(report.charsetWarnings.size(), 1u);
    EXPECT_NE(report.charsetWarnings[0].find("DemoEvents.pc"), std::string::npos);
    EXPECT_EQ(ui.messages.back().text, report.charsetWarnings[0]);
}

TEST_F(GenerationTest, SettingsReadDefaultsAndSkipMissingIcons) {
    IniFile ini;
    ini.writeString("Code", "Memo", "1");
    ini.writeString("Icons", "Small4", (dir / "none.bmp").string());
    const auto s = GenerationSettings::read(ini, "/proj");
    EXPECT_EQ(s.output, "/proj");
    EXPECT_TRUE(s.memos);
    EXPECT_EQ(s.creatorId, "ORDK");
    EXPECT_TRUE(s.icons[5].empty());
    IniFile written;
    s.writeCode(written);
    EXPECT_EQ(written.keyNames("Code"),
              (std::vector<std::string>{"Output", "FirstForm", "Memo", "CreatorID", "AppName",
                                        "AppDB", "Version"}));
}

} // namespace
} // namespace ornadeck
