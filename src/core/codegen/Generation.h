#pragma once

#include "codegen/GenerationSettings.h"
#include "codegen/LibraryGenerator.h"
#include "codegen/OutputPlan.h"
#include "model/Library.h"
#include "model/Status.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Ui;

// The four generated texts, in the order they are shown and saved.
struct GeneratedTexts {
    Lines main, forms, events, header;
    // The forms' names in the order they were generated.
    std::vector<std::string> formOrder;
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

// The forms with those named in `recorded` first, in that order, then the others as given:
// the order of the last generation, so that a regeneration moves no block of code.
FormList inRecordedOrder(const FormList& forms, const std::vector<std::string>& recorded);

// The file name of each text: project + ".pc", "Forms.pc", "Events.pc", ".h".
std::array<std::string, 4> generatedFileNames(const std::string& project);

// Text lines as a file: every line ends with CR LF.
std::string joinCrLf(const Lines& lines);
// The lines as a generated file holds them: CR LF breaks, in Windows-1252, the handheld's
// character set; characters it has no code for are written "?" and counted in `missing`.
std::string generatedFileBytes(const Lines& lines, std::size_t* missing = nullptr);

// The library's source the generated code includes, spelled as it includes it:
// "Ccontrols.c" or "Fctl.h".
std::string_view librarySourceName(Library library);
// Whether it is in `directory`, in any spelling of its name.
bool librarySourcePresent(const std::filesystem::path& directory, Library library);
// A warning when the file in `directory` is spelled otherwise than the include ("CControls.c"
// for "Ccontrols.c"): a file system that tells capitals apart will not find it. Empty when it
// is spelled exactly, or not there at all.
std::string librarySourceCaseWarning(const std::filesystem::path& directory, Library library);

// The warning for a place whose text holds a character the handheld has no code for.
std::string charsetWarning(const std::string& where);

// Per generated file, the text the user edited in the window, if they did.
using EditedTexts = std::array<std::optional<Lines>, 4>;

// How saving treats a generated file that is there already. Merge and Ask merge the user's
// changes since the last generation into the new text, or keep a file Ornadeck has no
// record for as a backup first; Ask asks before each backup. Overwrite replaces the files.
enum class ReplacePolicy { Merge, Ask, Overwrite };

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
    // What became of each generated file written.
    struct FileOutcome {
        std::filesystem::path path;
        OutputAction action = OutputAction::Write;
        std::filesystem::path backup;
        std::vector<std::size_t> clashLines;
        std::vector<KeptLines> kept;
    };
    std::vector<FileOutcome> outcomes;
    // Files left as they were: clash markers still in them, or unreadable; one message each.
    std::vector<std::string> unresolved;
    // Files written whose record of this generation could not be.
    std::vector<std::string> recordProblems;
    bool cancelled = false;
    Status status;

    // Whether a file needs the user: a clash was written into it or it was left alone.
    bool needsAttention() const;
    // One sentence per backup, per block whose lines were kept and per file with clashes.
    std::vector<std::string> notes() const;
};

// Saves the texts into `directory` in Windows-1252, the handheld's character set (merging,
// asking before each backup, or replacing), records them as the base of the next merge,
// writes the loaded icons as their bitmap
// files for the desktop target through `writeIcon`, and checks for the library's source.
// Warnings are shown through the Ui and kept in the report; icon errors are only reported.
// A file's text in `edited` is what it gets instead of the merge (a pane the user edited in
// the window); `texts` stays the generator's own and is what is recorded.
SaveReport saveGeneratedTexts(const GeneratedTexts& texts, const GenerationSettings& settings,
                              const std::filesystem::path& directory, const std::string& project,
                              Library library, ReplacePolicy policy, Ui& ui,
                              const IconFileWriter& writeIcon, const EditedTexts* edited = nullptr);

} // namespace ornadeck
