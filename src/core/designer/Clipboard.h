#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ornadeck {

class FormEditor;
class LibraryKits;
struct Workspace;

// The Edit menu's Cut, Copy and Paste on the selected control. The text they produce and
// take is what the application puts on the system clipboard under kControlMimeType.
class Clipboard {
  public:
    Clipboard(Workspace& workspace, const LibraryKits& kits) : workspace_(workspace), kits_(kits) {}

    // The selected control with its children; nothing for the form itself, a menu or the bar.
    std::optional<std::string> copy() const;
    // As copy, then the control is deleted from `window`, which must hold it.
    std::optional<std::string> cut(FormEditor& window);
    // Into the selected dialog, or onto the surface; the new control becomes the selected
    // one. False, with nothing changed, when the text holds nothing this project can paste.
    bool paste(FormEditor& window, std::string_view text);

  private:
    Workspace& workspace_;
    const LibraryKits& kits_;
};

} // namespace ornadeck
