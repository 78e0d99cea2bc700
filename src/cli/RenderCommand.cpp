#include "cli/RenderCommand.h"

#include "cli/PngFile.h"
#include "cli/StderrUi.h"
#include "model/IniFile.h"
#include "model/IntText.h"
#include "render/PalmFonts.h"
#include "shell/FormPicture.h"

#include <optional>
#include <string>

namespace ornadeck::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxScale = 16;

struct Options {
    fs::path form;
    fs::path out;
    int scale = 1;
    bool device = false;
};

std::optional<std::string> parse(const std::vector<std::string_view>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a == "-o" || a == "--scale") {
            if (i + 1 >= args.size()) return std::string(a) + " needs a value";
            const std::string_view v = args[++i];
            if (a == "-o") {
                o.out = std::string(v);
                continue;
            }
            const auto scale = parseStrictInt(v);
            if (!scale || *scale < 1 || *scale > kMaxScale)
                return "--scale takes a whole number from 1 to " + std::to_string(kMaxScale);
            o.scale = *scale;
        } else if (a == "--device") {
            o.device = true;
        } else if (!a.empty() && a.front() == '-') {
            return "unknown option " + std::string(a);
        } else if (o.form.empty()) {
            o.form = std::string(a);
        } else {
            return "more than one form given";
        }
    }
    if (o.form.empty()) return "no form given";
    if (o.out.empty()) return "no output file given (-o OUT.png)";
    return std::nullopt;
}

} // namespace

int runRender(const std::vector<std::string_view>& args, const fs::path& fontFolder,
              std::ostream& out, std::ostream& err) {
    Options options;
    if (auto problem = parse(args, options)) {
        err << "ornadeck-cli render: " << *problem << "\n"
            << "usage: ornadeck-cli render FORM.ozf -o OUT.png [--scale N] [--device]\n";
        return 2;
    }
    IniFile ini;
    if (Status s = ini.load(options.form); !s) {
        err << "ornadeck-cli: " << s.message() << "\n";
        return 1;
    }
    const std::string lib = ini.readString("FORM", "Lib", "");
    const auto number = parseIniInt(lib);
    if (!number || (*number != 1 && *number != 2)) {
        err << "ornadeck-cli: " << options.form.string() << ": FORM/Lib is '" << lib
            << "', which is neither 1 (CControls) nor 2 (PToolboxLib)\n";
        return 1;
    }
    StderrUi ui(err);
    const PalmFonts fonts = PalmFonts::load(fontFolder, ui);
    const Library library = *number == 2 ? Library::PToolboxLib : Library::CControls;
    Status read;
    const Image picture = formFilePicture(ini, library, fonts, ui, options.device, read);
    if (!read)
        err << "ornadeck-cli: warning: " << options.form.string() << ": " << read.message() << "\n";
    if (Status s = writePng(picture.scaled(options.scale), options.out); !s) {
        err << "ornadeck-cli: " << s.message() << "\n";
        return 1;
    }
    out << options.out.string() << "\n";
    return 0;
}

} // namespace ornadeck::cli
