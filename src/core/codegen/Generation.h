#pragma once

#include "codegen/GenerationSettings.h"
#include "codegen/LibraryGenerator.h"
#include "model/Library.h"
#include "model/Status.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Ui;

// The four generated texts, in the order they are shown and saved.
struct GeneratedTexts {
    Lines main, forms, events, header;
    // Why nothing was generated; the texts are then empty and are never saved.
    Status status;
    // One warning per form title and per control whose texts hold a character the handheld
    // has no code for; it is written as "?".
    std::vector<std::string> charsetWarnings;
};

// Runs one library's generator over the forms, after the target's first lines. The first
// form is the one named in the settings, else the first of the list. Without forms nothing
// is generated and the status says so.
GeneratedTexts generateTexts(const LibraryGenerator& generator, const GenerationSettings& settings,
                             const FormList& forms, const std::string& project);

// The file name of each text: project + ".pc", "Forms.pc", "Events.pc", ".h".
std::array<std::string, 4> generatedFileNames(const std::string& project);

// Text lines as a file: every line ends with CR LF.
std::string joinCrLf(const Lines& lines);

// The library's source the generated code includes, spelled as it includes it:
// "Ccontrols.c" or "Fctl.h".
std::string_view librarySourceName(Library library);
// Whether it is in `directory`, in any spelling of its name.
bool librarySourcePresent(const std::filesystem::path& directory, Library library);
// A warning when the file in `directory` is spelled otherwise than the include ("CControls.c"
// for "Ccontrols.c"): a file system that tells capitals apart will not find it. Empty when it
// is spelled exactly, or not there at all.
std::string librarySourceCaseWarning(const std::filesystem::path& directory, Library library);

enum class ReplacePolicy { Ask, Overwrite };

// Writes the icon picture at `source` as the bitmap file `target`, or says why it cannot.
using IconFileWriter =
    std::function<Status(const std::filesystem::path& source, const std::filesystem::path& target)>;

struct SaveReport {
    std::vector<std::filesystem::path> written;
    // The library source is not beside the code: the warning text, else empty.
    std::string libraryWarning;
    // It is there, but spelled otherwise than the code includes it; else empty.
    std::string libraryCaseWarning;
    // Characters written as "?": the texts' warnings, or one naming the file when only an
    // edit of the shown texts brought them in.
    std::vector<std::string> charsetWarnings;
    // One message per icon that could not be written, naming its key and file; nothing was
    // written for it, and the other files were written all the same.
    std::vector<std::string> iconErrors;
    bool cancelled = false;
    Status status;
};

// Saves the texts into `directory` in Windows-1252, the handheld's character set (asking
// before replacing each existing file, or not), writes the loaded icons as their bitmap
// files for the desktop target through `writeIcon`, and checks for the library's source.
// Warnings are shown through the Ui and kept in the report; icon errors are only reported.
SaveReport saveGeneratedTexts(const GeneratedTexts& texts, const GenerationSettings& settings,
                              const std::filesystem::path& directory, const std::string& project,
                              Library library, ReplacePolicy policy, Ui& ui,
                              const IconFileWriter& writeIcon);

} // namespace ornadeck
