#include "cli/RenderCommand.h"

#include "cli/PngFile.h"
#include "cli/StderrUi.h"
#include "codegen/GenerationSettings.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/IntText.h"
#include "model/Names.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "platform/Platform.h"
#include "render/DevicePicture.h"
#include "render/FormRenderer.h"
#include "render/PalmFonts.h"
#include "workbench/FormPicture.h"
#include "workbench/HeadlessProject.h"
#include "workbench/PreviewSession.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

namespace ornadeck::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxScale = 16;

// Paths as typed, UTF-8 (the program's code page on Windows too).
struct Options {
    std::string form;
    std::string out;
    std::string scale = "1";
    bool device = false;
    // Taps on the screen, "X,Y" in Palm pixels, run in order by a preview before drawing.
    std::vector<std::string> taps;
};

std::optional<Point> parseTap(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto x = parseStrictInt(text.substr(0, comma));
    const auto y = parseStrictInt(text.substr(comma + 1));
    if (!x || !y || *x < 0 || *y < 0 || *x >= 160 || *y >= 160) return std::nullopt;
    return Point{*x, *y};
}

std::string checkTap(const std::string& text) {
    return parseTap(text) ? std::string() : "takes X,Y: two whole numbers from 0 to 159";
}

bool isProjectFile(const fs::path& path) { return sameName(path.extension().string(), ".ozp"); }

// A project (or a form alone) tried as the program runs it: the taps go through a preview,
// and the screen it ends on is drawn.
int renderPreview(const Options& options, const fs::path& fontFolder, std::ostream& out,
                  std::ostream& err) {
    StderrUi ui(err);
    const PalmFonts fonts = PalmFonts::load(fontFolder, ui);
    Workspace workspace;
    workspace.metrics = &fonts;
    SilentUi quiet;
    LibraryKits kits(workspace, quiet);
    HeadlessProject project;
    const fs::path input = platform::pathFromUtf8(options.form);
    const Status loaded = isProjectFile(input)
                              ? loadHeadlessProject(input, workspace, kits, project)
                              : loadHeadlessForms({input}, workspace, kits, project);
    for (const std::string& warning : project.warnings)
        err << "ornadeck-cli: warning: " << warning << "\n";
    if (!loaded) {
        err << "ornadeck-cli: " << loaded.message() << "\n";
        return 1;
    }
    workspace.library = project.library;
    workspace.forms = std::move(project.forms);
    const std::string first = GenerationSettings::read(project.ini, "").firstForm;
    PreviewSession preview(workspace, kits, first);
    for (const std::string& tap : options.taps)
        preview.tap(*parseTap(tap));
    preview.endFlash(); // a moment on the handheld, not part of the screen it ends on
    const FormRenderer renderer(fonts);
    Image picture = preview.screen(renderer);
    if (options.device) {
        Image whole = DevicePicture::image();
        whole.blit(picture, DevicePicture::kScreenLeft, DevicePicture::kScreenTop);
        picture = std::move(whole);
    }
    if (Status s = writePng(picture.scaled(*parseStrictInt(options.scale)),
                            platform::pathFromUtf8(options.out));
        !s) {
        err << "ornadeck-cli: " << s.message() << "\n";
        return 1;
    }
    if (!preview.status().empty())
        err << "ornadeck-cli: the last tap runs " << preview.status() << "\n";
    out << options.out << "\n";
    return 0;
}

// Decimal only: "010" is ten pixels, not eight.
std::string checkScale(const std::string& text) {
    const auto scale = parseStrictInt(text);
    if (scale && *scale >= 1 && *scale <= kMaxScale) return {};
    std::string problem = "takes a whole number from 1 to ";
    problem += std::to_string(kMaxScale);
    return problem;
}

int render(const Options& options, const fs::path& fontFolder, std::ostream& out,
           std::ostream& err) {
    if (!options.taps.empty() || isProjectFile(platform::pathFromUtf8(options.form)))
        return renderPreview(options, fontFolder, out, err);
    IniFile ini;
    if (Status s = ini.load(platform::pathFromUtf8(options.form)); !s) {
        err << "ornadeck-cli: " << s.message() << "\n";
        return 1;
    }
    const std::string lib = ini.readString("FORM", "Lib", "");
    const auto number = parseIniInt(lib);
    if (!number || (*number != 1 && *number != 2)) {
        err << "ornadeck-cli: " << options.form << ": FORM/Lib is '" << lib
            << "', which is neither 1 (CControls) nor 2 (PToolboxLib)\n";
        return 1;
    }
    StderrUi ui(err);
    const PalmFonts fonts = PalmFonts::load(fontFolder, ui);
    const Library library = *number == 2 ? Library::PToolboxLib : Library::CControls;
    Status read;
    const Image picture = formFilePicture(ini, library, fonts, ui, options.device, read);
    if (!read) err << "ornadeck-cli: warning: " << options.form << ": " << read.message() << "\n";
    if (Status s = writePng(picture.scaled(*parseStrictInt(options.scale)),
                            platform::pathFromUtf8(options.out));
        !s) {
        err << "ornadeck-cli: " << s.message() << "\n";
        return 1;
    }
    out << options.out << "\n";
    return 0;
}

} // namespace

Command addRenderCommand(CLI::App& tool, const fs::path& fontFolder, std::ostream& out,
                         std::ostream& err) {
    auto options = std::make_shared<Options>();
    CLI::App* app = tool.add_subcommand(
        "render",
        "Draw a form's screen as the designer shows it (or, with --device, the whole designer "
        "picture) into a PNG file");
    app->add_option("form", options->form,
                    "The form file (.ozf), or a project (.ozp) whose first form is drawn")
        ->type_name("FORM.ozf")
        ->required();
    app->add_option("-o,--output", options->out, "The PNG file to write")
        ->type_name("OUT.png")
        ->required();
    app->add_option("--scale", options->scale, "Enlarge every pixel N times, 1 to 16 (default 1)")
        ->type_name("N")
        ->check(CLI::Validator(checkScale, "", "scale"));
    app->add_flag("--device", options->device, "Draw the handheld around the screen");
    app->add_option("--tap", options->taps,
                    "Tap the screen at X,Y (Palm pixels) as the program would take it, before "
                    "drawing; repeatable, in order")
        ->type_name("X,Y")
        ->check(CLI::Validator(checkTap, "", "tap"));
    return {app,
            [options, fontFolder, &out, &err] { return render(*options, fontFolder, out, err); }};
}

int runRender(const std::vector<std::string_view>& args, const fs::path& fontFolder,
              std::ostream& out, std::ostream& err) {
    const AddCommand add = [&](CLI::App& tool, std::ostream& o, std::ostream& e) {
        return addRenderCommand(tool, fontFolder, o, e);
    };
    return runCommandAlone(add, "render", args, out, err);
}

} // namespace ornadeck::cli
