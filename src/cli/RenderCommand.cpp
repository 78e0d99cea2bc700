#include "cli/RenderCommand.h"

#include "cli/PngFile.h"
#include "cli/StderrUi.h"
#include "model/IniFile.h"
#include "model/IntText.h"
#include "platform/Platform.h"
#include "render/PalmFonts.h"
#include "workbench/FormPicture.h"

#include <CLI/CLI.hpp>
#include <memory>
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
};

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
    app->add_option("form", options->form, "The form file (.ozf)")
        ->type_name("FORM.ozf")
        ->required();
    app->add_option("-o,--output", options->out, "The PNG file to write")
        ->type_name("OUT.png")
        ->required();
    app->add_option("--scale", options->scale, "Enlarge every pixel N times, 1 to 16 (default 1)")
        ->type_name("N")
        ->check(CLI::Validator(checkScale, "", "scale"));
    app->add_flag("--device", options->device, "Draw the handheld around the screen");
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
