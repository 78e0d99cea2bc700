// libFuzzer target: any bytes, read as an icon bitmap, decode or are refused without
// reading outside them; what decodes is written again and reads back the same.
#include "render/BmpFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ornadeck;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto picture = decodeBmp(bytes);
    if (!picture) return 0;
    if (decodeBmp(bmpFileBytes(*picture)) != picture) std::abort();
    return 0;
}
