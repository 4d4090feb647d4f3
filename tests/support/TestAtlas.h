#pragma once

// Writes atlas files (XML + ".sheet" images) into a scratch directory, and an image
// uploader that needs no GPU.
#include "graphics/Image.h"
#include "graphics/TextureUploader.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

// A directory under the system's temporary directory, removed with the object.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vellimor-test-XXXXXX").string();
        Path = mkdtemp(pattern.data());
    }
    ~ScratchDirectory() { std::filesystem::remove_all(Path); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::filesystem::path Path;
};

inline Image SolidImage(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    Image image;
    image.Width = width;
    image.Height = height;
    for (int i = 0; i < width * height; ++i) {
        image.Rgba.insert(image.Rgba.end(), {r, g, b, a});
    }
    return image;
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// An image saved as PNG under a ".sheet" name, as the content build stores them.
inline void WriteSheet(const std::filesystem::path& path, const Image& image) {
    std::filesystem::create_directories(path.parent_path());
    WritePng(path.string(), image);
}

// <TextureAtlas imagePath="..."> with the given sprite elements.
inline std::string AtlasXml(const std::string& imagePath, const std::string& sprites) {
    return "<?xml version=\"1.0\"?>\n<TextureAtlas imagePath=\"" + imagePath + "\">\n" + sprites +
           "</TextureAtlas>\n";
}

// Hands out fresh numbers and remembers which are alive.
class FakeUploader : public TextureUploader {
public:
    unsigned Upload(const Image& image) override {
        Uploads.push_back(image);
        Live.insert(++next_);
        return next_;
    }
    void Release(unsigned image) override { Live.erase(image); }

    std::set<unsigned> Live;
    std::vector<Image> Uploads;

private:
    unsigned next_ = 0;
};
