#include "check/CheckContext.h"
#include "codegen/Generation.h"
#include "codegen/GenerationSettings.h"

namespace ornadeck {

// The code compiles only beside the library's source, which the user copies there. Until the
// code is generated the folder may well be empty, so this is only a note.
void checkLibrarySource(CheckContext& ctx) {
    if (!ctx.subject.project) return;
    const GenerationSettings settings = GenerationSettings::read(*ctx.subject.project, "");
    if (settings.memos) return;
    const auto folder = settings.outputFolder(ctx.subject.projectPath.parent_path());
    if (librarySourcePresent(folder, ctx.subject.library)) {
        if (std::string spelling = librarySourceCaseWarning(folder, ctx.subject.library);
            !spelling.empty())
            ctx.addForProject(Severity::Warning, "library.source-case", std::move(spelling));
        return;
    }
    ctx.addForProject(Severity::Note, "library.source-missing",
                      std::string(librarySourceName(ctx.subject.library)) +
                          " is not in the output folder " + folder.string() +
                          "; copy it there before compiling");
}

} // namespace ornadeck
