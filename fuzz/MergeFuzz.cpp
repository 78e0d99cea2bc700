// libFuzzer target: a design of up to eight buttons is generated, the user's random edits are
// made to one of its files, the design changes at random and the file is merged. The merge
// must never crash, must keep every line the user added, and must give exactly the new text
// when the user changed nothing. Seeds: fuzz/corpus-merge.
#include "codegen/Generation.h"
#include "codegen/LibraryGenerator.h"
#include "codegen/ThreeWayMerge.h"
#include "engine/LibraryKit.h"
#include "formfile/FormFile.h"
#include "model/Form.h"
#include "model/IniFile.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ornadeck;

constexpr const char* kNames[] = {"Ok", "Go", "Yes", "No", "Back", "Next", "Save", "Edit"};
// What users type: code, braces, blank lines, and lines the generator writes too.
constexpr const char* kUserLines[] = {"  alert(\"a\");", "}",           "",
                                      "OnOk(){",         "    break;",  "int counter;",
                                      "helper(){",       "    case Go:"};

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The form with the buttons whose bits are set, in a row.
std::string formText(Library library, std::uint8_t buttons) {
    const bool cc = library == Library::CControls;
    std::string text = std::string("[FORM]\nName=Main\nTitle=Main\nLib=") + (cc ? "1" : "2") + "\n";
    int top = 16;
    for (int i = 0; i < 8; ++i) {
        if (!(buttons & (1 << i))) continue;
        const std::string n = kNames[i];
        text += "\n[" + n + "]\nControl=Button\nName=" + n + (cc ? "\nContent=" : "\nText=") + n +
                "\nHeight=14\nWidth=40\nLeft=9\nTop=" + std::to_string(top) +
                "\nShowForm=(None)\nParent=panScreen\n";
        top += 16;
    }
    return text;
}

std::string generatedFile(Library library, std::uint8_t buttons, std::size_t file) {
    Workspace workspace;
    workspace.library = library;
    SilentUi ui;
    LibraryKits kits(workspace, ui);
    Form form("Main");
    SectionReadContext context{form, workspace, *kits.current().engine};
    (void)loadFormIni(IniFile::parse(formText(library, buttons)), *kits.current().sections,
                      context);
    const GeneratedTexts t =
        generateTexts(*makeGenerator(library), GenerationSettings{}, {&form}, "P");
    const Lines* files[] = {&t.main, &t.forms, &t.events, &t.header};
    return generatedFileBytes(*files[file % 4]);
}

std::map<std::string_view, long> counts(const std::vector<std::string_view>& lines) {
    std::map<std::string_view, long> c;
    for (std::string_view l : lines)
        ++c[l];
    return c;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const std::uint8_t head = in.next();
    const Library library = head & 1 ? Library::PToolboxLib : Library::CControls;
    const std::size_t file = (head >> 1) & 3;
    const std::uint8_t before = in.next(), after = in.next();
    const std::string base = generatedFile(library, before, file);
    const std::string theirs = generatedFile(library, after, file);

    std::vector<std::string> ours;
    for (std::string_view l : linesOf(base))
        ours.emplace_back(l);
    for (int edits = 0; !in.empty() && edits < 16; ++edits) {
        const std::uint8_t op = in.next();
        const std::size_t at = ours.empty() ? 0 : in.next() % (ours.size() + 1);
        const std::string line = std::string(kUserLines[op % 8]) + "\r\n";
        if (op & 0x80 && at < ours.size())
            ours.erase(ours.begin() + static_cast<std::ptrdiff_t>(at));
        else if (op & 0x40 && at < ours.size())
            ours[at] = line;
        else
            ours.insert(ours.begin() + static_cast<std::ptrdiff_t>(at), line);
    }
    std::string oursText;
    for (const std::string& l : ours)
        oursText += l;

    const MergedText merged = mergeThreeWay(base, oursText, theirs);
    if (!merged.status) std::abort();
    if (oursText == base && merged.text != theirs) std::abort();
    // Every line the user added is still there, as often as they added it.
    const auto mergedCounts = counts(linesOf(merged.text));
    const auto baseCounts = counts(linesOf(base));
    for (const auto& [line, count] : counts(linesOf(oursText))) {
        const auto b = baseCounts.find(line);
        const long added = count - (b == baseCounts.end() ? 0 : b->second);
        const auto m = mergedCounts.find(line);
        if (added > 0 && (m == mergedCounts.end() || m->second < added)) std::abort();
    }
    return 0;
}
