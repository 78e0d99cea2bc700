// libFuzzer target: any bytes as a project file, and after a NUL byte as the one form file
// beside it, opened the way the application opens a project and the way ornadeck-cli does.
// Both must load or fail cleanly, and whatever loaded must generate.
#include "codegen/Generation.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "model/Settings.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "workbench/HeadlessProject.h"
#include "workbench/ProjectCommands.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace ornadeck;
namespace fs = std::filesystem;

// One folder for the whole run; each input overwrites its two files.
const fs::path& folder() {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "ornadeck-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return fs::path(pattern);
    }();
    return dir;
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void openAsTheApplicationDoes(const fs::path& project) {
    Workspace workspace;
    SilentUi ui;
    Settings settings;
    LibraryKits kits(workspace, ui);
    ProjectCommands commands(workspace, ui, settings, kits);
    (void)commands.openProjectFile(project.string());
}

void openAsTheToolDoes(const fs::path& project) {
    Workspace workspace;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    HeadlessProject loaded;
    if (!loadHeadlessProject(project, workspace, kits, loaded)) return;
    FormList forms;
    for (const auto& f : loaded.forms)
        forms.push_back(f.get());
    GenerationSettings settings = GenerationSettings::read(loaded.ini, "");
    (void)generateTexts(*makeGenerator(loaded.library), settings, forms, loaded.name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const fs::path project = folder() / "Fuzz.ozp";
    writeFile(project, input.substr(0, split));
    writeFile(folder() / "Form.ozf",
              split == std::string_view::npos ? std::string_view() : input.substr(split + 1));
    openAsTheApplicationDoes(project);
    openAsTheToolDoes(project);
    return 0;
}
