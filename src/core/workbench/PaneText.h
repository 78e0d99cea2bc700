#pragma once

#include "codegen/LibraryGenerator.h"

#include <string>
#include <string_view>

namespace ornadeck {

// A generated text as an editable pane holds it: the lines joined by "\n", with no break
// after the last, so splitting gives back the same lines.
std::string paneTextOf(const Lines& lines);
// The lines a pane's text saves as; a "\r" before a break (pasted Windows text) is dropped.
Lines linesOfPane(std::string_view text);

// A generated file's bytes (Windows-1252, CR LF after each line) as a pane shows them.
std::string paneTextOfFile(std::string_view bytes);

// The two counters under a pane: "N lines" and "N chars". A line break is one character,
// as on the handheld, whose memos have a size limit the count helps to meet.
struct PaneCounters {
    std::string lines;
    std::string chars;
    bool operator==(const PaneCounters&) const = default;
};
PaneCounters countPane(std::string_view text);

} // namespace ornadeck
