// libFuzzer target: any bytes, read as a form file of either library, must go through every
// check without a crash, a hang or undefined behaviour. Seeds: fuzz/corpus.
#include "TwoFormCheck.h"
#include "model/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ornadeck;
    const std::string text =
        decodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniFile ini = IniFile::parse(text);
    (void)fuzz::checkAsTwoForms(ini, Library::CControls);
    (void)fuzz::checkAsTwoForms(ini, Library::PToolboxLib);
    return 0;
}
