#include "render/BmpFile.h"

#include <algorithm>
#include <cstdint>

namespace ornadeck {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
// Far beyond any icon, small enough that no size below overflows.
constexpr std::int64_t kLargestSide = 8192;

void put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t get(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

std::size_t rowBytes(int width, int bits) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

Color colorOf(unsigned blue, unsigned green, unsigned red) {
    return red | (green << 8) | (blue << 16);
}

bool blackAndWhite(const Image& picture) {
    return std::all_of(picture.pixels().begin(), picture.pixels().end(),
                       [](Color c) { return c == kBlack || c == kWhite; });
}

} // namespace

std::string bmpFileBytes(const Image& picture) {
    const int bits = blackAndWhite(picture) ? 1 : 24;
    const std::size_t stride = rowBytes(picture.width(), bits);
    const std::size_t paletteBytes = bits == 1 ? 8 : 0;
    const std::size_t offset = kFileHeader + kInfoHeader + paletteBytes;
    const std::size_t dataBytes = stride * static_cast<std::size_t>(picture.height());
    std::string out;
    out.reserve(offset + dataBytes);
    out += "BM";
    put32(out, static_cast<std::uint32_t>(offset + dataBytes));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(offset));
    put32(out, kInfoHeader);
    put32(out, static_cast<std::uint32_t>(picture.width()));
    put32(out, static_cast<std::uint32_t>(picture.height()));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0); // no compression
    put32(out, static_cast<std::uint32_t>(dataBytes));
    put32(out, 2835); // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, bits == 1 ? 2 : 0);
    put32(out, 0);
    if (bits == 1) {
        put32(out, 0x000000); // index 0: black
        put32(out, 0xFFFFFF); // index 1: white
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < picture.width(); ++x) {
            const Color c = picture.at(x, y);
            const auto ux = static_cast<std::size_t>(x);
            if (bits == 1) {
                if (c == kWhite) row[ux / 8] = static_cast<char>(row[ux / 8] | (0x80 >> (ux % 8)));
            } else {
                row[ux * 3] = static_cast<char>((c >> 16) & 0xFF);
                row[ux * 3 + 1] = static_cast<char>((c >> 8) & 0xFF);
                row[ux * 3 + 2] = static_cast<char>(c & 0xFF);
            }
        }
        out += row;
    }
    return out;
}

std::optional<Image> decodeBmp(std::string_view bytes) {
    if (bytes.size() < kFileHeader + kInfoHeader || bytes.substr(0, 2) != "BM") return std::nullopt;
    const std::size_t offset = get(bytes, 10, 4);
    const std::size_t header = get(bytes, 14, 4);
    const auto width = static_cast<std::int32_t>(get(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(get(bytes, 22, 4));
    const auto bits = static_cast<int>(get(bytes, 28, 2));
    const std::uint32_t compression = get(bytes, 30, 4);
    std::uint32_t colours = get(bytes, 46, 4);
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (header < kInfoHeader || compression != 0 || width <= 0 || rows == 0 ||
        width > kLargestSide || rows > kLargestSide)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const bool indexed = bits <= 8;
    if (indexed && (colours == 0 || colours > (1u << bits))) colours = 1u << bits;
    const std::size_t palette = kFileHeader + header;
    const std::size_t stride = rowBytes(width, bits);
    if (palette > bytes.size() || (indexed && colours * 4 > bytes.size() - palette) ||
        offset > bytes.size() || stride * static_cast<std::size_t>(rows) > bytes.size() - offset)
        return std::nullopt;

    Image picture(width, static_cast<int>(rows));
    for (int r = 0; r < rows; ++r) {
        // Rows run bottom up unless the height is negative.
        const int y = height > 0 ? static_cast<int>(rows) - 1 - r : r;
        const std::size_t start = offset + static_cast<std::size_t>(r) * stride;
        for (int x = 0; x < width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            if (!indexed) {
                const std::size_t at = start + ux * static_cast<std::size_t>(bits / 8);
                picture.set(
                    x, y, colorOf(get(bytes, at, 1), get(bytes, at + 1, 1), get(bytes, at + 2, 1)));
                continue;
            }
            const std::size_t bit = ux * static_cast<std::size_t>(bits);
            const auto byte = static_cast<unsigned char>(bytes[start + bit / 8]);
            const unsigned shift = 8 - static_cast<unsigned>(bits) - bit % 8;
            const unsigned index = (byte >> shift) & ((1u << bits) - 1);
            if (index >= colours) return std::nullopt;
            const std::size_t entry = palette + index * 4;
            picture.set(
                x, y,
                colorOf(get(bytes, entry, 1), get(bytes, entry + 1, 1), get(bytes, entry + 2, 1)));
        }
    }
    return picture;
}

} // namespace ornadeck
