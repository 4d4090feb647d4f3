#include "AtlasPacker.h"

#include "SourceFile.h"
#include "XmlText.h"
#include "core/ContentError.h"
#include "core/SourceImageName.h"
#include "platform/AtomicFile.h"

#include <stb/stb_rect_pack.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char* const kVariantSuffixes[] = {"_NRM", "_SPEC"};
const char* const kSheetSuffixes[] = {"_COL", "_NRM", "_SPEC"};

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string WithoutSuffix(const std::string& text, const std::string& suffix) {
    return text.substr(0, text.size() - suffix.size());
}

std::vector<fs::path> SortedImageFiles(const fs::path& directory) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory)) {
        // "(src)" marks an artist's working file that is not packed.
        if (entry.is_regular_file() && IsPackedImageName(entry.path().filename().string()))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Bounds {
    int X0, Y0, X1, Y1;  // half-open
};

// The smallest rectangle holding every pixel with alpha of all the images.
Bounds OpaqueBounds(const std::vector<Image>& images) {
    const Image& first = images.front();
    Bounds b{first.Width, first.Height, 0, 0};
    for (const Image& image : images)
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x)
                if (image.Pixel(x, y)[3] != 0) {
                    b.X0 = std::min(b.X0, x);
                    b.Y0 = std::min(b.Y0, y);
                    b.X1 = std::max(b.X1, x + 1);
                    b.Y1 = std::max(b.Y1, y + 1);
                }
    if (b.X0 >= b.X1)  // fully transparent: keep one pixel so the sprite still has a place
        b = {0, 0, 1, 1};
    return b;
}

// Copies the trimmed image to (x, y) of the sheet and repeats its border pixels
// into the padding, so filtering at the sprite's edge never reads a neighbour.
// Where trimming cut transparent pixels away, the padding keeps the edge colour
// but stays transparent, as those pixels were; where the image fills its frame to
// the edge (tiles, panels), the padding repeats the edge as it is.
void BlitWithExtrudedBorder(const Image& image, const Bounds& b, Image& sheet, int x, int y) {
    const int w = b.X1 - b.X0, h = b.Y1 - b.Y0;
    const int P = AtlasPacker::Padding;
    const bool fullLeft = b.X0 == 0, fullRight = b.X1 == image.Width;
    const bool fullTop = b.Y0 == 0, fullBottom = b.Y1 == image.Height;
    for (int dy = -P; dy < h + P; ++dy)
        for (int dx = -P; dx < w + P; ++dx) {
            const int sx = b.X0 + std::clamp(dx, 0, w - 1);
            const int sy = b.Y0 + std::clamp(dy, 0, h - 1);
            std::uint8_t* target = sheet.Pixel(x + dx, y + dy);
            std::copy_n(image.Pixel(sx, sy), 4, target);
            if ((dx < 0 && !fullLeft) || (dx >= w && !fullRight) || (dy < 0 && !fullTop) || (dy >= h && !fullBottom))
                target[3] = 0;
        }
}

// Power-of-two sheet sizes, smallest area first, square before oblong.
std::vector<std::pair<int, int>> SheetSizeCandidates() {
    std::vector<std::pair<int, int>> sizes;
    for (int w = 16; w <= AtlasPacker::MaxSheetSide; w *= 2)
        for (int h = w / 2; h <= w * 2; h *= 2)
            if (h >= 16 && h <= AtlasPacker::MaxSheetSide)
                sizes.emplace_back(w, h);
    std::stable_sort(sizes.begin(), sizes.end(), [](auto a, auto b) {
        const long areaA = long(a.first) * a.second, areaB = long(b.first) * b.second;
        if (areaA != areaB)
            return areaA < areaB;
        return (a.first == a.second) > (b.first == b.second);
    });
    return sizes;
}

bool TryPack(std::vector<stbrp_rect>& rects, int width, int height) {
    std::vector<stbrp_node> nodes(std::size_t(width) + 1);
    stbrp_context context;
    stbrp_init_target(&context, width, height, nodes.data(), int(nodes.size()));
    return stbrp_pack_rects(&context, rects.data(), int(rects.size())) == 1;
}

std::string AtlasXml(const AtlasPacker::Packed& atlas, const std::string& sheetSuffix) {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml << "<TextureAtlas imagePath=\"" << EscapeXml(atlas.Name + sheetSuffix) << ".png\" width=\""
        << atlas.Sheets[0].Width << "\" height=\"" << atlas.Sheets[0].Height << "\">\n";
    for (const auto& s : atlas.Sprites) {
        xml << "  <sprite n=\"" << EscapeXml(s.Name) << "\" x=\"" << s.X << "\" y=\"" << s.Y << "\" w=\"" << s.W
            << "\" h=\"" << s.H << "\"";
        if (s.OffsetX != 0 || s.OffsetY != 0 || s.W != s.FrameW || s.H != s.FrameH)
            xml << " oX=\"" << s.OffsetX << "\" oY=\"" << s.OffsetY << "\" oW=\"" << s.FrameW << "\" oH=\"" << s.FrameH
                << "\"";
        xml << "/>\n";
    }
    xml << "</TextureAtlas>\n";
    return xml.str();
}

}  // namespace

bool AtlasPacker::IsImageFile(const fs::path& path) {
    return HasSourceImageExtension(path);
}

AtlasPacker::Source AtlasPacker::Scan(const fs::path& directory) {
    Source source;
    source.Name = directory.filename().string();
    std::map<std::string, fs::path> colour;
    std::map<std::string, std::map<std::string, fs::path>> variants;  // base name -> suffix -> file
    for (const fs::path& file : SortedImageFiles(directory)) {
        const std::string stem = file.stem().string();
        bool isVariant = false;
        for (const char* suffix : kVariantSuffixes)
            if (EndsWith(stem, suffix)) {
                variants[WithoutSuffix(stem, suffix)][suffix] = file;
                isVariant = true;
            }
        if (isVariant)
            continue;
        const std::string base = EndsWith(stem, "_COL") ? WithoutSuffix(stem, "_COL") : stem;
        if (!colour.emplace(base, file).second)
            throw ContentError(file, "a second image named \"" + base + "\" in the same atlas (" +
                                         colour[base].filename().string() + ")");
    }
    source.Lit = !variants.empty();
    for (const auto& [base, files] : variants)
        if (!colour.count(base))
            throw ContentError(files.begin()->second, "has no colour image \"" + base + "\" beside it");
    for (const auto& [base, file] : colour) {
        SourceImage image{base, {file}};
        if (source.Lit)
            for (const char* suffix : kVariantSuffixes) {
                auto found = variants[base].find(suffix);
                if (found == variants[base].end())
                    throw ContentError(directory / (base + suffix + file.extension().string()),
                                       "missing: every image of a lit atlas needs a _NRM and a _SPEC image");
                image.Files.push_back(found->second);
            }
        source.Images.push_back(std::move(image));
    }
    return source;
}

namespace {

// The colour image and, for a lit atlas, its normal and specular images, which
// must all have the same size.
std::vector<Image> LoadLayers(const AtlasPacker::SourceImage& sourceImage) {
    std::vector<Image> layers;
    for (const fs::path& file : sourceImage.Files) {
        layers.push_back(LoadImage(file));
        const Image &first = layers.front(), &last = layers.back();
        if (last.Width != first.Width || last.Height != first.Height)
            throw ContentError(file, "is " + std::to_string(last.Width) + "x" + std::to_string(last.Height) +
                                         " but its colour image is " + std::to_string(first.Width) + "x" +
                                         std::to_string(first.Height));
    }
    return layers;
}

// Packs the rectangles on the smallest sheet that holds them; returns its size.
std::pair<int, int> PackOnSmallestSheet(std::vector<stbrp_rect>& rects, const fs::path& directory) {
    long area = 0;
    for (const stbrp_rect& rect : rects)
        area += long(rect.w) * rect.h;
    for (auto [w, h] : SheetSizeCandidates())
        if (long(w) * h >= area && TryPack(rects, w, h))
            return {w, h};
    throw ContentError(directory, "does not fit on one sheet of " + std::to_string(AtlasPacker::MaxSheetSide) +
                                      " pixels");
}

}  // namespace

AtlasPacker::Packed AtlasPacker::Pack(const Source& source) {
    std::vector<std::vector<Image>> images;
    std::vector<Bounds> bounds;
    std::vector<stbrp_rect> rects;
    for (const SourceImage& sourceImage : source.Images) {
        images.push_back(LoadLayers(sourceImage));
        bounds.push_back(OpaqueBounds(images.back()));
        stbrp_rect rect{};
        rect.id = int(rects.size());
        rect.w = bounds.back().X1 - bounds.back().X0 + 2 * Padding;
        rect.h = bounds.back().Y1 - bounds.back().Y0 + 2 * Padding;
        if (rect.w > MaxSheetSide || rect.h > MaxSheetSide)
            throw ContentError(sourceImage.Files[0], "is larger than the largest sheet (" +
                                                         std::to_string(MaxSheetSide) + " pixels)");
        rects.push_back(rect);
    }
    const auto [width, height] = PackOnSmallestSheet(rects, source.Images[0].Files[0].parent_path());

    Packed atlas{source.Name, source.Lit, std::vector<Sprite>(rects.size()),
                 std::vector<Image>(source.Lit ? 3 : 1, BlankImage(width, height))};
    for (const stbrp_rect& rect : rects) {
        const std::size_t i = std::size_t(rect.id);
        const Bounds& b = bounds[i];
        const int x = rect.x + Padding, y = rect.y + Padding;
        for (std::size_t layer = 0; layer < atlas.Sheets.size(); ++layer)
            BlitWithExtrudedBorder(images[i][layer], b, atlas.Sheets[layer], x, y);
        atlas.Sprites[i] = {source.Images[i].Name, x, y, b.X1 - b.X0, b.Y1 - b.Y0, b.X0, b.Y0,
                            images[i][0].Width, images[i][0].Height};
    }
    return atlas;
}

std::vector<std::string> AtlasPacker::OutputFileNames(const std::string& atlasName, bool lit) {
    std::vector<std::string> names;
    if (!lit)
        return {atlasName + ".xml", atlasName + ".sheet"};
    for (const char* suffix : kSheetSuffixes) {
        names.push_back(atlasName + suffix + ".xml");
        names.push_back(atlasName + suffix + ".sheet");
    }
    return names;
}

void AtlasPacker::Write(const Packed& atlas, const fs::path& bankDirectory) {
    for (std::size_t layer = 0; layer < atlas.Sheets.size(); ++layer) {
        const std::string stem = atlas.Name + (atlas.Lit ? kSheetSuffixes[layer] : "");
        SavePng(atlas.Sheets[layer], bankDirectory / (stem + ".sheet"));
        WriteFileAtomically(bankDirectory / (stem + ".xml"), AtlasXml(atlas, atlas.Lit ? kSheetSuffixes[layer] : ""));
    }
}
