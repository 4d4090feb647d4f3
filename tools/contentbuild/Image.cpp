#include "Image.h"

#include "core/ContentError.h"
#include "platform/AtomicFile.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstring>

Image BlankImage(int width, int height) {
    return Image{width, height, std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height) * 4, 0)};
}

Image LoadImage(const std::filesystem::path& path) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (!data) {
        // The system's stb gives no reason text; a truncated file is the usual cause.
        const char* reason = stbi_failure_reason();
        throw ContentError(path, reason != nullptr && *reason != '\0'
                                     ? std::string("cannot read image (") + reason + ")"
                                     : std::string("cannot read image: damaged, truncated or not an image"));
    }
    Image image = BlankImage(width, height);
    std::memcpy(image.Rgba.data(), data, image.Rgba.size());
    stbi_image_free(data);
    return image;
}

void SavePng(const Image& image, const std::filesystem::path& path) {
    std::string bytes;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
    };
    if (!stbi_write_png_to_func(append, &bytes, image.Width, image.Height, 4, image.Rgba.data(), image.Width * 4))
        throw ContentError(path, "cannot encode PNG");
    WriteFileAtomically(path, bytes);
}
