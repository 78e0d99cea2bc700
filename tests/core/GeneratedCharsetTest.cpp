#include "codegen/Generation.h"
#include "engine/Engine.h"
#include "engine/LibraryKit.h"
#include "model/AtomicFile.h"
#include "model/Form.h"
#include "model/Workspace.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "workbench/IconFiles.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// Generated code goes to the handheld, which reads Windows-1252: each character with a code
// there is written as its byte, any other as "?", named once per control.
class GeneratedCharset : public testing::TestWithParam<Library> {
  protected:
    GeneratedCharset() { workspace.library = GetParam(); }

    Control* placeWithText(const std::string& tool, int y, std::string_view text) {
        workspace.tool = tool;
        Engine& engine = *kits.current().engine;
        EXPECT_TRUE(engine.createControl(form, 10, y, &form.surface()));
        Control* c = workspace.selected.control;
        engine.showProperties(form, c);
        const bool cc = GetParam() == Library::CControls;
        EXPECT_TRUE(engine.setProperty(cc ? "Content" : "Text", text).ok());
        return c;
    }
    std::string file(const std::string& name) {
        std::string bytes;
        EXPECT_TRUE(readFileBytes(temp.path() / name, bytes).ok());
        return bytes;
    }

    test::TempDir temp;
    Workspace workspace;
    test::FakeUi ui;
    LibraryKits kits{workspace, ui};
    Form form{"Main"};
};

TEST_P(GeneratedCharset, AllFourFilesAreWindows1252AndEachBadControlIsNamedOnce) {
    form.surface().setTitle("D\u00eda");
    placeWithText("Label", 10, "Caf\u00e9 \u20ac");
    Control* arrows = placeWithText("Label", 30, "\u2192 \u2190");
    Control* snow = placeWithText("Button", 60, "\u2603");
    Form other{"Other"};
    other.surface().setTitle("\u2603");
    const auto generator = makeGenerator(GetParam());
    GenerationSettings settings;
    const GeneratedTexts texts = generateTexts(*generator, settings, {&form, &other}, "Demo");
    ASSERT_TRUE(texts.status.ok());
    const SaveReport report =
        saveGeneratedTexts(texts, settings, temp.path(), "Demo", GetParam(),
                           ReplacePolicy::Overwrite, ui, bitmapIconWriter(readBmpPicture, "BMP"));
    ASSERT_TRUE(report.status.ok());

    std::string all;
    for (const std::string& name : generatedFileNames("Demo"))
        all += file(name);
    EXPECT_NE(all.find("D\xED"
                       "a"),
              std::string::npos);
    EXPECT_NE(all.find("Caf\xE9 \x80"), std::string::npos);
    EXPECT_NE(all.find("? ?"), std::string::npos);
    EXPECT_EQ(all.find("\xC3"), std::string::npos); // no UTF-8 left
    const std::string tail = ": a character without a Windows-1252 code is written as \"?\"";
    EXPECT_EQ(report.charsetWarnings,
              (std::vector<std::string>{"Form Main, control " + arrows->name() + tail,
                                        "Form Main, control " + snow->name() + tail,
                                        "Form Other" + tail}));
    for (const std::string& w : report.charsetWarnings)
        EXPECT_TRUE(std::any_of(ui.messages.begin(), ui.messages.end(), [&](const Message& m) {
            return m.text == w && m.caption == "Warning";
        })) << w;
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, GeneratedCharset,
                         testing::Values(Library::CControls, Library::PToolboxLib));

} // namespace
} // namespace ornadeck
