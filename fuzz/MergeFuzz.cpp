// libFuzzer target: a design of up to eight buttons is generated, the user's random edits are
// made to one of its files, the design changes at random and the file is merged. The merge
// must never crash, must keep every line the user added, and must give exactly the new text
// when the user changed nothing. Seeds: fuzz/corpus-merge.
#include "RandomDesign.h"
#include "codegen/ThreeWayMerge.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace ornadeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::linesOf;
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    const std::uint8_t head = next();
    const Library library = head & 1 ? Library::PToolboxLib : Library::CControls;
    const std::size_t file = (head >> 1) & 3;
    const std::uint8_t before = next(), after = next();
    const std::string base = fuzz::generatedFile(library, before, file);
    const std::string theirs = fuzz::generatedFile(library, after, file);

    std::vector<std::string> ours;
    for (std::string_view l : linesOf(base))
        ours.emplace_back(l);
    for (int edits = 0; at < size && edits < 16; ++edits) {
        const std::uint8_t op = next();
        fuzz::editLines(ours, op, next());
    }
    std::string oursText;
    for (const std::string& l : ours)
        oursText += l;

    const MergedText merged = mergeThreeWay(base, oursText, theirs);
    if (!merged.status) std::abort();
    if (oursText == base && merged.text != theirs) std::abort();
    // Every line the user added is still there, as often as they added it.
    if (!fuzz::keepsAddedLines(base, oursText, merged.text)) std::abort();
    return 0;
}
