#include "Image.h"

#include "app/ContentError.h"
#include "platform/AtomicFile.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstring>

Image LoadImage(const std::filesystem::path& path) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (!data) {
        const char* reason = stbi_failure_reason();
        throw ContentError(path, std::string("cannot read image (") + (reason ? reason : "unknown reason") + ")");
    }
    Image image(width, height);
    std::memcpy(image.Pixels.data(), data, image.Pixels.size());
    stbi_image_free(data);
    return image;
}

void SavePng(const Image& image, const std::filesystem::path& path) {
    std::string bytes;
    auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
    };
    if (!stbi_write_png_to_func(append, &bytes, image.Width, image.Height, 4, image.Pixels.data(), image.Width * 4))
        throw ContentError(path, "cannot encode PNG");
    WriteFileAtomically(path, bytes);
}
