#include "cli/PngFile.h"

#include "model/AtomicFile.h"
#include "workbench/IconFiles.h"

#include <climits>
#include <fstream>
#include <memory>
#include <stb_image.h>
#include <stb_image_write.h>
#include <string>
#include <vector>

namespace ornadeck::cli {

namespace {

// Far beyond any picture we draw (16 times the device picture is under 10 million pixels),
// and small enough that a hostile header cannot ask for gigabytes.
constexpr std::size_t kMaxPixels = std::size_t{64} << 20;

// Toolkit colours are 0x00BBGGRR: red is the low byte.
std::vector<unsigned char> toRgb(const Image& image) {
    std::vector<unsigned char> rgb;
    rgb.reserve(image.pixels().size() * 3);
    for (Color c : image.pixels()) {
        rgb.push_back(static_cast<unsigned char>(c & 0xFF));
        rgb.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
        rgb.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
    }
    return rgb;
}

void append(void* bytes, void* data, int size) {
    static_cast<std::string*>(bytes)->append(static_cast<const char*>(data),
                                             static_cast<std::size_t>(size));
}

struct PixelsFree {
    void operator()(unsigned char* pixels) const { stbi_image_free(pixels); }
};

} // namespace

Status writePng(const Image& image, const std::filesystem::path& path) {
    const auto fail = [&](const char* why) {
        return Status::fail("Cannot write " + path.string() + ": the picture could not be " +
                            "encoded (" + why + ")");
    };
    if (image.width() <= 0 || image.height() <= 0) return fail("it is empty");
    const std::vector<unsigned char> rgb = toRgb(image);
    std::string bytes;
    if (!stbi_write_png_to_func(append, &bytes, image.width(), image.height(), 3, rgb.data(),
                                image.width() * 3))
        return fail("out of memory");
    return writeFileAtomically(path, bytes);
}

std::optional<Image> readPng(const std::filesystem::path& path) {
    std::string bytes;
    if (!readFileBytes(path, bytes).ok() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    // The header is read first, so a hostile one cannot make the decoder ask for gigabytes.
    if (!stbi_info_from_memory(data, length, &width, &height, &channels) || width <= 0 ||
        height <= 0 || std::size_t(width) * std::size_t(height) > kMaxPixels)
        return std::nullopt;
    const std::unique_ptr<unsigned char, PixelsFree> rgb(
        stbi_load_from_memory(data, length, &width, &height, &channels, 3));
    if (!rgb) return std::nullopt;
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = rgb.get() + (static_cast<std::size_t>(y) * width + x) * 3;
            image.set(x, y, Color{p[0]} | Color{p[1]} << 8 | Color{p[2]} << 16);
        }
    return image;
}

std::optional<Image> readIconPicture(const std::filesystem::path& path) {
    std::string signature(8, '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(signature.data(), static_cast<std::streamsize>(signature.size()));
    if (signature == "\x89PNG\r\n\x1a\n") return readPng(path);
    return readBmpPicture(path);
}

} // namespace ornadeck::cli
