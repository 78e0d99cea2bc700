#pragma once

// Random designs and random user edits of their generated files, for the merge's fuzz target
// and for holding the merge to git's.
#include "codegen/Generation.h"
#include "codegen/LibraryGenerator.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck::fuzz {

inline constexpr const char* kButtonNames[] = {"Ok",   "Go",   "Yes",  "No",
                                               "Back", "Next", "Save", "Edit"};
// What users type: code, braces, blank lines, and lines the generator writes too.
inline constexpr const char* kUserLines[] = {"  alert(\"a\");", "}",           "",
                                             "OnOk(){",         "    break;",  "int counter;",
                                             "helper(){",       "    case Go:"};

// The form with the buttons whose bits are set, in a row.
inline std::string buttonForm(Library library, std::uint8_t buttons) {
    const bool cc = library == Library::CControls;
    std::string text = std::string("[FORM]\nName=Main\nTitle=Main\nLib=") + (cc ? "1" : "2") + "\n";
    int top = 16;
    for (int i = 0; i < 8; ++i) {
        if (!(buttons & (1 << i))) continue;
        const std::string n = kButtonNames[i];
        text += "\n[" + n + "]\nControl=Button\nName=" + n + (cc ? "\nContent=" : "\nText=") + n +
                "\nHeight=14\nWidth=40\nLeft=9\nTop=" + std::to_string(top) +
                "\nShowForm=(None)\nParent=panScreen\n";
        top += 16;
    }
    return text;
}

// One of the four generated files (0 main, 1 forms, 2 events, 3 header) of that form.
inline std::string generatedFile(Library library, std::uint8_t buttons, std::size_t file) {
    Workspace workspace;
    workspace.library = library;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form form("Main");
    SectionReadContext context{form, workspace, *kits.current().engine};
    (void)loadFormIni(IniFile::parse(buttonForm(library, buttons)), *kits.current().sections,
                      context);
    const GeneratedTexts t =
        generateTexts(*makeGenerator(library), GenerationSettings{}, {&form}, "P");
    const Lines* files[] = {&t.main, &t.forms, &t.events, &t.header};
    return generatedFileBytes(*files[file % 4]);
}

// The text with one edit made at line `at` (taken modulo the lines): `op` picks a user line
// and whether it is inserted there, replaces the line, or the line is deleted.
inline void editLines(std::vector<std::string>& lines, std::uint8_t op, std::size_t at) {
    at = lines.empty() ? 0 : at % (lines.size() + 1);
    const std::string line = std::string(kUserLines[op % 8]) + "\r\n";
    if (op & 0x80 && at < lines.size())
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
    else if (op & 0x40 && at < lines.size())
        lines[at] = line;
    else
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

inline std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

// Whether every line added in `ours` to `base` is in `merged`, as often as it was added.
inline bool keepsAddedLines(std::string_view base, std::string_view ours, std::string_view merged) {
    auto counts = [](std::string_view text) {
        std::map<std::string_view, long> c;
        for (std::string_view l : linesOf(text))
            ++c[l];
        return c;
    };
    const auto mergedCounts = counts(merged), baseCounts = counts(base);
    for (const auto& [line, count] : counts(ours)) {
        const auto b = baseCounts.find(line);
        const long added = count - (b == baseCounts.end() ? 0 : b->second);
        const auto m = mergedCounts.find(line);
        if (added > 0 && (m == mergedCounts.end() || m->second < added)) return false;
    }
    return true;
}

} // namespace ornadeck::fuzz
