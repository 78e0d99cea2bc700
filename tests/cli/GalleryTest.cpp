#include "cli/PngFile.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "render/FormRenderer.h"
#include "render/PalmFonts.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

// The example forms as the designer shows them, against reviewed pictures. After a
// deliberate change of the look, run with ORNADECK_UPDATE_GALLERY=1 and review the PNGs.
struct Sample {
    const char* form;
    Library library;
    bool device;
    const char* picture;
};

class Gallery : public testing::TestWithParam<Sample> {};

TEST_P(Gallery, MatchesTheReviewedPicture) {
    const Sample& s = GetParam();
    const fs::path source = ORNADECK_SOURCE_DIR;
    SilentUi ui;
    const PalmFonts fonts = PalmFonts::load(source / "fonts", ui);
    Workspace workspace;
    workspace.library = s.library;
    LibraryKits kits(workspace, ui);
    Form form("Sample", &fonts);
    SectionReadContext context{form, workspace, *kits.current().engine};
    ASSERT_TRUE(loadFormFile(source / "examples" / s.form, *kits.current().sections, context).ok());

    const FormRenderer renderer(fonts);
    const Image picture = s.device ? renderer.designer(form) : renderer.surface(form);
    const fs::path reviewed = source / "tests/gallery" / s.picture;
    if (std::getenv("ORNADECK_UPDATE_GALLERY")) {
        ASSERT_TRUE(cli::writePng(picture, reviewed).ok());
        GTEST_SKIP() << "wrote " << reviewed;
    }
    const auto expected = cli::readPng(reviewed);
    ASSERT_TRUE(expected) << "no reviewed picture " << reviewed;
    ASSERT_EQ(picture.width(), expected->width());
    ASSERT_EQ(picture.height(), expected->height());
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            differing += picture.at(x, y) != expected->at(x, y);
    EXPECT_EQ(differing, 0) << s.picture << " differs in " << differing << " pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Gallery,
    testing::Values(Sample{"ccontrols/Main.ozf", Library::CControls, true, "ccontrols-main.png"},
                    Sample{"ccontrols/About.ozf", Library::CControls, false, "ccontrols-about.png"},
                    Sample{"ptoolbox/Main.ozf", Library::PToolboxLib, true, "ptoolbox-main.png"},
                    Sample{"ptoolbox/Settings.ozf", Library::PToolboxLib, false,
                           "ptoolbox-settings.png"}),
    [](const auto& param) {
        std::string name = param.param.picture;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

} // namespace
} // namespace ornadeck
