#include "cli/PngFile.h"

#include "model/AtomicFile.h"

#include <cstdint>
#include <string>
#include <zlib.h>

namespace ornadeck::cli {

namespace {

void appendBigEndian(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void appendChunk(std::string& out, const char (&type)[5], std::string_view data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    appendBigEndian(
        out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

// 8-bit RGB rows, each led by filter type 0 (none).
std::string rawRows(const Image& image) {
    std::string raw;
    raw.reserve(static_cast<std::size_t>(image.height()) *
                (1 + 3 * static_cast<std::size_t>(image.width())));
    for (int y = 0; y < image.height(); ++y) {
        raw += '\0';
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.at(x, y); // 0x00BBGGRR
            raw += static_cast<char>(c & 0xFF);
            raw += static_cast<char>((c >> 8) & 0xFF);
            raw += static_cast<char>((c >> 16) & 0xFF);
        }
    }
    return raw;
}

} // namespace

// Written with zlib alone, so that the command-line tool needs no GUI library to start.
Status writePng(const Image& image, const std::filesystem::path& path) {
    const std::string raw = rawRows(image);
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return Status::fail("Cannot write " + path.string() + ": the picture could not be encoded");
    packed.resize(packedSize);

    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width()));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height()));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no interlace
    std::string png = "\x89PNG\r\n\x1A\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return writeFileAtomically(path, png);
}

} // namespace ornadeck::cli
