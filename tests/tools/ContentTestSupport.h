#pragma once

#include "Image.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <filesystem>
#include <exception>
#include <functional>
#include <string>
#include <unistd.h>

// A fresh directory under the system's temporary directory, removed afterwards.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("vellimor-" + name + "-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDirectory() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// An image whose every pixel depends on its position and a seed, so a pixel that
// lands in the wrong place is noticed; `opaque` says which pixels have alpha.
inline Image PatternImage(int w, int h, int seed, const std::function<bool(int, int)>& opaque = nullptr) {
    Image image = BlankImage(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = image.Pixel(x, y);
            p[0] = std::uint8_t(x * 7 + seed * 31);
            p[1] = std::uint8_t(y * 13 + seed * 17);
            p[2] = std::uint8_t((x ^ y) + seed);
            p[3] = (!opaque || opaque(x, y)) ? std::uint8_t(128 + (x + y + seed) % 128) : 0;
        }
    return image;
}

// Content errors start with the path of the file to fix, and for a text file the line
// ("<path>: <what>", "<path>:<line>: <what>").
inline bool NamesFile(const std::exception& error, const std::filesystem::path& file) {
    const std::string text = error.what(), path = file.string();
    if (text.rfind(path + ": ", 0) == 0)
        return true;
    if (text.rfind(path + ":", 0) != 0)
        return false;
    const std::size_t end = text.find_first_not_of("0123456789", path.size() + 1);
    return end != std::string::npos && end > path.size() + 1 && text.compare(end, 2, ": ") == 0;
}

inline boost::property_tree::ptree ReadXml(const std::filesystem::path& file) {
    boost::property_tree::ptree tree;
    boost::property_tree::read_xml(file.string(), tree);
    return tree;
}
