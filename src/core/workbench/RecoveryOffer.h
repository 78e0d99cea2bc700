#pragma once

#include <vector>

namespace ornadeck {

class Form;
class LibraryKits;
class ProjectCommands;
class RecoveryFiles;
class Ui;
struct Workspace;

// At start-up: offers, in one question, every form a crashed run left. Recovered forms open
// as designer windows with unsaved changes and their original path, so nothing is written
// until the user saves. Declined files are deleted only after a second confirmation; forms
// of the other library stay for a run of theirs. Returns the forms recovered.
std::vector<Form*> offerRecovery(const RecoveryFiles& files, ProjectCommands& projects,
                                 Workspace& workspace, const LibraryKits& kits, Ui& ui);

} // namespace ornadeck
