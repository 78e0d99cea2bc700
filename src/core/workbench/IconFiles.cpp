#include "workbench/IconFiles.h"

#include "model/AtomicFile.h"
#include "render/BmpFile.h"

namespace ornadeck {

std::optional<Image> readBmpPicture(const std::filesystem::path& path) {
    std::string bytes;
    if (!readFileBytes(path, bytes)) return std::nullopt;
    return decodeBmp(bytes);
}

IconFileWriter bitmapIconWriter(PictureReader read, std::string formats) {
    return [read = std::move(read), formats = std::move(formats)](
               const std::filesystem::path& source, const std::filesystem::path& target) {
        const std::optional<Image> picture = read(source);
        if (picture && picture->width() > 0 && picture->height() > 0)
            return writeFileAtomically(target, bmpFileBytes(*picture));
        // A file that cannot be read at all says why.
        std::string bytes;
        if (Status readable = readFileBytes(source, bytes); !readable) return readable;
        return Status::fail(source.string() + " cannot be read as a picture" +
                            (formats.empty() ? "" : " (" + formats + ")"));
    };
}

} // namespace ornadeck
