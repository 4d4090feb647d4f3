#pragma once

#include "Image.h"

#include <filesystem>
#include <string>
#include <vector>

// Bakes one font description (a small JSON file in Fonts/<Bank>/) into a ".fnt"
// XML with one square page image. The description names a TrueType face and a
// pixel size:  { "Face": "DejaVuSans.ttf", "Size": 16 }
// A face that is not found beside the description is looked up in the system's
// DejaVu directory.
class FontBaker {
public:
    struct Spec {
        std::filesystem::path Face;
        int Size = 0;
    };

    struct Glyph {
        int Id = 0, X = 0, Y = 0, Width = 0, Height = 0, XOffset = 0, YOffset = 0, XAdvance = 0;
    };

    struct Kerning {
        int First = 0, Second = 0, Amount = 0;
    };

    struct Baked {
        std::string Name;
        std::string FaceName;
        int Size = 0, LineHeight = 0, Base = 0;
        std::vector<Glyph> Glyphs;
        std::vector<Kerning> Kernings;
        Image Page;
    };

    struct CharRange {
        int First = 0, Last = 0;
    };
    // What fonts hold: printable ASCII, the Latin-1 Supplement and Latin Extended-A
    // (Western and Central European letters); the game draws UTF-8 by code point.
    static constexpr CharRange Ranges[] = {{32, 126}, {0xA0, 0xFF}, {0x100, 0x17F}};
    static constexpr int Spacing = 2;     // transparent pixels between glyphs on the page

    static Spec ReadSpec(const std::filesystem::path& specFile);
    static Baked Bake(const std::string& name, const Spec& spec);
    static void Write(const Baked& font, const std::filesystem::path& bankDirectory);
    static std::vector<std::string> OutputFileNames(const std::string& fontName);
};
