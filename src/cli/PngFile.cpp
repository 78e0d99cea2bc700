#include "cli/PngFile.h"

#include "model/AtomicFile.h"
#include "workbench/IconFiles.h"

#include <fstream>
#include <png.h>
#include <string>
#include <vector>

namespace ornadeck::cli {

namespace {

// Far beyond any picture we draw (16 times the device picture is under 10 million pixels),
// and small enough that a hostile header cannot ask for gigabytes.
constexpr std::size_t kMaxPixels = std::size_t{64} << 20;

// Toolkit colours are 0x00BBGGRR: red is the low byte.
std::vector<png_byte> toRgb(const Image& image) {
    std::vector<png_byte> rgb;
    rgb.reserve(image.pixels().size() * 3);
    for (Color c : image.pixels()) {
        rgb.push_back(static_cast<png_byte>(c & 0xFF));
        rgb.push_back(static_cast<png_byte>((c >> 8) & 0xFF));
        rgb.push_back(static_cast<png_byte>((c >> 16) & 0xFF));
    }
    return rgb;
}

png_image rgbImage(png_uint_32 width, png_uint_32 height) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = width;
    png.height = height;
    png.format = PNG_FORMAT_RGB;
    return png;
}

} // namespace

Status writePng(const Image& image, const std::filesystem::path& path) {
    const auto fail = [&](const char* why) {
        return Status::fail("Cannot write " + path.string() + ": the picture could not be " +
                            "encoded (" + why + ")");
    };
    if (image.width() <= 0 || image.height() <= 0) return fail("it is empty");
    const std::vector<png_byte> rgb = toRgb(image);
    png_image png =
        rgbImage(static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()));
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, rgb.data(), 0, nullptr))
        return fail(png.message);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, rgb.data(), 0, nullptr))
        return fail(png.message);
    bytes.resize(size);
    return writeFileAtomically(path, bytes);
}

std::optional<Image> readPng(const std::filesystem::path& path) {
    std::string bytes;
    if (!readFileBytes(path, bytes).ok()) return std::nullopt;
    png_image png = rgbImage(0, 0);
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
    const std::size_t pixels = std::size_t{png.width} * png.height;
    if (pixels == 0 || pixels > kMaxPixels) {
        png_image_free(&png);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const png_byte* p = &rgb[(static_cast<std::size_t>(y) * image.width() + x) * 3];
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
