#pragma once

#include "core/LowerExtension.h"

#include <filesystem>
#include <string>

// Which files of a source atlas directory the content build packs. Hot reload
// watches by the same rule, so a file that would not change the atlas (an editor's
// backup "Stone.png~", a hidden swap file, an artist's "(src)" working file) never
// starts a build.

// An image extension the content build decodes, in any letter case.
inline bool HasSourceImageExtension(const std::filesystem::path& file) {
    const std::string extension = LowerExtension(file);
    return extension == ".png" || extension == ".jpg" || extension == ".jpeg" || extension == ".tga" ||
           extension == ".bmp" || extension == ".gif" || extension == ".psd";
}

// A file name (no directory) the build packs into its atlas.
inline bool IsPackedImageName(const std::string& fileName) {
    return !fileName.empty() && fileName[0] != '.' && fileName.find("(src)") == std::string::npos &&
           HasSourceImageExtension(fileName);
}
