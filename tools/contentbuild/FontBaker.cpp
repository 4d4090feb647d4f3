#include "FontBaker.h"

#include "XmlText.h"
#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "platform/AtomicFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <stb/stb_rect_pack.h>

#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kSystemFontDirectory = "/usr/share/fonts/truetype/dejavu";

struct FreeTypeFace {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeTypeFace() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

struct GlyphBitmap {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Coverage;
};

GlyphBitmap CopyBitmap(const FT_Bitmap& bitmap) {
    GlyphBitmap copy{int(bitmap.width), int(bitmap.rows), {}};
    copy.Coverage.resize(std::size_t(copy.Width) * copy.Height);
    for (int y = 0; y < copy.Height; ++y)
        for (int x = 0; x < copy.Width; ++x)
            copy.Coverage[std::size_t(y) * copy.Width + x] = bitmap.buffer[y * bitmap.pitch + x];
    return copy;
}

// Packs the glyphs on the smallest square power-of-two page; fills in their x, y.
int PackGlyphs(std::vector<FontBaker::Glyph>& glyphs, const fs::path& face) {
    for (int side = 32; side <= 4096; side *= 2) {
        std::vector<stbrp_rect> rects(glyphs.size());
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            rects[i].id = int(i);
            rects[i].w = glyphs[i].Width + FontBaker::Spacing;
            rects[i].h = glyphs[i].Height + FontBaker::Spacing;
        }
        std::vector<stbrp_node> nodes(std::size_t(side) + 1);
        stbrp_context context;
        // The spacing goes right and below each glyph; one more row and column on
        // the page's top and left edges keeps every glyph off the page border.
        stbrp_init_target(&context, side - FontBaker::Spacing, side - FontBaker::Spacing, nodes.data(),
                          int(nodes.size()));
        if (stbrp_pack_rects(&context, rects.data(), int(rects.size())) == 1) {
            for (const stbrp_rect& rect : rects) {
                glyphs[std::size_t(rect.id)].X = rect.x + FontBaker::Spacing;
                glyphs[std::size_t(rect.id)].Y = rect.y + FontBaker::Spacing;
            }
            return side;
        }
    }
    throw ContentError(face, "its glyphs do not fit on one 4096-pixel page");
}

std::vector<int> BakedCodes() {
    std::vector<int> codes;
    for (const FontBaker::CharRange& range : FontBaker::Ranges)
        for (int c = range.First; c <= range.Last; ++c)
            codes.push_back(c);
    return codes;
}

std::vector<FontBaker::Kerning> ReadKernings(FT_Face face) {
    std::vector<FontBaker::Kerning> kernings;
    if (!FT_HAS_KERNING(face))
        return kernings;
    const std::vector<int> codes = BakedCodes();
    for (int first : codes)
        for (int second : codes) {
            FT_Vector delta{};
            FT_Get_Kerning(face, FT_Get_Char_Index(face, FT_ULong(first)), FT_Get_Char_Index(face, FT_ULong(second)),
                           FT_KERNING_DEFAULT, &delta);
            if (delta.x != 0)
                kernings.push_back({first, second, int(delta.x >> 6)});
        }
    return kernings;
}

std::string FntXml(const FontBaker::Baked& font) {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<font>\n";
    xml << "  <info face=\"" << EscapeXml(font.FaceName) << "\" size=\"" << font.Size
        << "\" bold=\"0\" italic=\"0\" charset=\"\" unicode=\"0\" stretchH=\"100\" smooth=\"1\" aa=\"1\" padding=\"0,0,0,0\" "
           "spacing=\""
        << FontBaker::Spacing << "," << FontBaker::Spacing << "\"/>\n";
    xml << "  <common lineHeight=\"" << font.LineHeight << "\" base=\"" << font.Base << "\" scaleW=\""
        << font.Page.Width << "\" scaleH=\"" << font.Page.Height << "\" pages=\"1\" packed=\"0\"/>\n";
    xml << "  <pages>\n    <page id=\"0\" file=\"" << EscapeXml(font.Name) << "_0.sheet\"/>\n  </pages>\n";
    xml << "  <chars count=\"" << font.Glyphs.size() << "\">\n";
    for (const auto& g : font.Glyphs)
        xml << "    <char id=\"" << g.Id << "\" x=\"" << g.X << "\" y=\"" << g.Y << "\" width=\"" << g.Width
            << "\" height=\"" << g.Height << "\" xoffset=\"" << g.XOffset << "\" yoffset=\"" << g.YOffset
            << "\" xadvance=\"" << g.XAdvance << "\" page=\"0\" chnl=\"15\"/>\n";
    xml << "  </chars>\n  <kernings count=\"" << font.Kernings.size() << "\">\n";
    for (const auto& k : font.Kernings)
        xml << "    <kerning first=\"" << k.First << "\" second=\"" << k.Second << "\" amount=\"" << k.Amount
            << "\"/>\n";
    xml << "  </kernings>\n</font>\n";
    return xml.str();
}

}  // namespace

FontBaker::Spec FontBaker::ReadSpec(const fs::path& specFile) {
    const ContentFile file = ContentFile::ReadJson(specFile);
    Spec spec;
    // Both are looked up leniently so that the messages can say what the member is for.
    const std::string face = file.Root().get<std::string>("Face", "");
    spec.Size = file.Root().get<int>("Size", 0);
    if (face.empty())
        file.Fail("needs a \"Face\", the TrueType file to bake");
    if (spec.Size < 4 || spec.Size > 256)
        file.Fail("needs a \"Size\" in pixels between 4 and 256");
    for (const fs::path& candidate : {specFile.parent_path() / face, kSystemFontDirectory / face})
        if (fs::is_regular_file(candidate)) {
            spec.Face = candidate;
            return spec;
        }
    file.Fail("face \"" + face + "\" not found beside it nor in " + kSystemFontDirectory.string());
}

FontBaker::Baked FontBaker::Bake(const std::string& name, const Spec& spec) {
    FreeTypeFace ft;
    if (FT_Init_FreeType(&ft.library) != 0)
        throw ContentError(spec.Face, "cannot start FreeType");
    if (FT_New_Face(ft.library, spec.Face.c_str(), 0, &ft.face) != 0)
        throw ContentError(spec.Face, "cannot read the font face");
    if (FT_Set_Pixel_Sizes(ft.face, 0, FT_UInt(spec.Size)) != 0)
        throw ContentError(spec.Face, "cannot be set to " + std::to_string(spec.Size) + " pixels");

    Baked font;
    font.Name = name;
    font.FaceName = std::string(ft.face->family_name ? ft.face->family_name : "") +
                    (ft.face->style_name ? std::string(" ") + ft.face->style_name : "");
    font.Size = spec.Size;
    font.LineHeight = int((ft.face->size->metrics.height + 63) >> 6);
    font.Base = int((ft.face->size->metrics.ascender + 63) >> 6);

    std::vector<GlyphBitmap> bitmaps;
    for (int c : BakedCodes()) {
        if (FT_Load_Char(ft.face, FT_ULong(c), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
            throw ContentError(spec.Face, "cannot render character " + std::to_string(c));
        const FT_GlyphSlot slot = ft.face->glyph;
        bitmaps.push_back(CopyBitmap(slot->bitmap));
        font.Glyphs.push_back({c, 0, 0, bitmaps.back().Width, bitmaps.back().Height, slot->bitmap_left,
                               font.Base - slot->bitmap_top, int((slot->advance.x + 32) >> 6)});
    }
    font.Kernings = ReadKernings(ft.face);

    const int side = PackGlyphs(font.Glyphs, spec.Face);
    font.Page = BlankImage(side, side);
    for (std::size_t i = 0; i < font.Page.Rgba.size(); i += 4)
        font.Page.Rgba[i] = font.Page.Rgba[i + 1] = font.Page.Rgba[i + 2] = 255;  // white, tinted when drawn
    for (std::size_t i = 0; i < font.Glyphs.size(); ++i) {
        const Glyph& g = font.Glyphs[i];
        for (int y = 0; y < g.Height; ++y)
            for (int x = 0; x < g.Width; ++x)
                font.Page.Pixel(g.X + x, g.Y + y)[3] = bitmaps[i].Coverage[std::size_t(y) * g.Width + x];
    }
    return font;
}

void FontBaker::Write(const Baked& font, const fs::path& bankDirectory) {
    SavePng(font.Page, bankDirectory / (font.Name + "_0.sheet"));
    WriteFileAtomically(bankDirectory / (font.Name + ".fnt"), FntXml(font));
}

std::vector<std::string> FontBaker::OutputFileNames(const std::string& fontName) {
    return {fontName + ".fnt", fontName + "_0.sheet"};
}
