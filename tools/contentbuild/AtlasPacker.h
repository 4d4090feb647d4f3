#pragma once

#include "Image.h"

#include <filesystem>
#include <string>
#include <vector>

// Packs one atlas directory (Textures/<Bank>/<Atlas>/) into the atlas XML and
// ".sheet" images the texture manager reads. A directory whose images come with
// "_NRM" and "_SPEC" variants is a lit atlas: it gives "<Atlas>_COL", "_NRM" and
// "_SPEC" sheets of one layout, trimmed by the union of the three images' alpha.
class AtlasPacker {
public:
    // The source images of one sub-image: the colour image, then normal and
    // specular for a lit atlas.
    struct SourceImage {
        std::string Name;
        std::vector<std::filesystem::path> Files;
    };

    struct Source {
        std::string Name;  // the directory name
        bool Lit = false;
        std::vector<SourceImage> Images;  // sorted by name: the sprite order of the XML
    };

    // One sprite as written to the XML: its stored rectangle in the sheet and
    // where that rectangle sits in the untrimmed frame.
    struct Sprite {
        std::string Name;
        int X = 0, Y = 0, W = 0, H = 0;
        int OffsetX = 0, OffsetY = 0, FrameW = 0, FrameH = 0;
    };

    struct Packed {
        std::string Name;
        bool Lit = false;
        std::vector<Sprite> Sprites;
        std::vector<Image> Sheets;  // one, or colour, normal, specular
    };

    static constexpr int Padding = 2;      // pixels around each sprite, filled by extending its edge
    static constexpr int MaxSheetSide = 4096;

    // Lists the directory's images and checks that a lit atlas is complete.
    static Source Scan(const std::filesystem::path& directory);
    // Loads, trims and packs the images.
    static Packed Pack(const Source& source);
    // Writes the XML and sheet files into the bank's output directory.
    static void Write(const Packed& atlas, const std::filesystem::path& bankDirectory);
    // The files Write produces for an atlas, without directory.
    static std::vector<std::string> OutputFileNames(const std::string& atlasName, bool lit);

    static bool IsImageFile(const std::filesystem::path& path);
};
