#include "model/ChangedFileGuard.h"

#include "model/Ui.h"
#include "platform/Platform.h"

namespace ornadeck {

bool changedBehindOurBack(const std::filesystem::path& path, const DiskRecord& record) {
    if (!record.known) return false;
    const FileStamp now = stampOfFile(path);
    return now.exists && !now.sameContent(*record.known);
}

bool mayOverwrite(const std::filesystem::path& path, const DiskRecord& record, Ui& ui) {
    return !changedBehindOurBack(path, record) || askOverwriteChanged(path, ui);
}

bool askOverwriteChanged(const std::filesystem::path& path, Ui& ui) {
    const Message question{
        platform::utf8Of(path) + " was changed on disk since it was opened. Overwrite it?",
        "File changed", MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No};
    return ui.ask(question) == Answer::Yes;
}

} // namespace ornadeck
