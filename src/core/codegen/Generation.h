#pragma once

#include "codegen/GenerationSettings.h"
#include "codegen/LibraryGenerator.h"
#include "model/Library.h"
#include "model/Status.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace ornadeck {

class Ui;

// The four generated texts, in the order they are shown and saved.
struct GeneratedTexts {
    Lines main, forms, events, header;
};

// Runs one library's generator over the forms, after the target's first lines. The first
// form is the one named in the settings, else the first of the list; `forms` must not be
// empty.
GeneratedTexts generateTexts(const LibraryGenerator& generator, const GenerationSettings& settings,
                             const FormList& forms, const std::string& project);

// The file name of each text: project + ".pc", "Forms.pc", "Events.pc", ".h".
std::array<std::string, 4> generatedFileNames(const std::string& project);

// Text lines as a file: every line ends with CR LF.
std::string joinCrLf(const Lines& lines);

// The library's source the generated code needs beside it: "CControls.c" or "Fctl.h".
std::string_view librarySourceName(Library library);
// Whether it is in `directory`, in any spelling of its name.
bool librarySourcePresent(const std::filesystem::path& directory, Library library);

enum class ReplacePolicy { Ask, Overwrite };

struct SaveReport {
    std::vector<std::filesystem::path> written;
    // The library source is not beside the code: the warning text, else empty.
    std::string libraryWarning;
    bool cancelled = false;
    Status status;
};

// Saves the texts into `directory` (asking before replacing each existing file, or not),
// copies the loaded icons as their bitmap files, and checks for the library's source.
SaveReport saveGeneratedTexts(const GeneratedTexts& texts, const GenerationSettings& settings,
                              const std::filesystem::path& directory, const std::string& project,
                              Library library, ReplacePolicy policy, Ui& ui);

} // namespace ornadeck
