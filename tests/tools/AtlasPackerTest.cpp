#include "AtlasPacker.h"
#include "ContentTestSupport.h"
#include "core/ContentError.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;
namespace pt = boost::property_tree;

struct SpriteEntry {
    int x, y, w, h, oX, oY, oW, oH;
};

// Reads an atlas XML the way the engine does: optional offsets default to the
// untrimmed frame.
std::map<std::string, SpriteEntry> ReadSprites(const fs::path& xml, std::string* imagePath = nullptr) {
    const pt::ptree tree = ReadXml(xml);
    const pt::ptree& atlas = tree.get_child("TextureAtlas");
    if (imagePath)
        *imagePath = atlas.get<std::string>("<xmlattr>.imagePath");
    std::map<std::string, SpriteEntry> sprites;
    for (const auto& [tag, sprite] : atlas) {
        if (tag != "sprite")
            continue;
        SpriteEntry e{};
        e.x = sprite.get<int>("<xmlattr>.x");
        e.y = sprite.get<int>("<xmlattr>.y");
        e.w = sprite.get<int>("<xmlattr>.w");
        e.h = sprite.get<int>("<xmlattr>.h");
        e.oX = sprite.get<int>("<xmlattr>.oX", 0);
        e.oY = sprite.get<int>("<xmlattr>.oY", 0);
        e.oW = sprite.get<int>("<xmlattr>.oW", e.w);
        e.oH = sprite.get<int>("<xmlattr>.oH", e.h);
        sprites[sprite.get<std::string>("<xmlattr>.n")] = e;
    }
    return sprites;
}

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Every pixel of the source frame is either restored from the sheet through the
// sprite's trim offsets, or transparent and cut away.
void ExpectFrameRestored(const Image& source, const Image& sheet, const SpriteEntry& s) {
    ASSERT_EQ(s.oW, source.Width);
    ASSERT_EQ(s.oH, source.Height);
    for (int y = 0; y < source.Height; ++y)
        for (int x = 0; x < source.Width; ++x) {
            const int u = x - s.oX, v = y - s.oY;
            const bool stored = u >= 0 && v >= 0 && u < s.w && v < s.h;
            if (!stored) {
                ASSERT_EQ(source.Pixel(x, y)[3], 0) << "an opaque pixel was trimmed at " << x << "," << y;
                continue;
            }
            for (int c = 0; c < 4; ++c)
                ASSERT_EQ(sheet.Pixel(s.x + u, s.y + v)[c], source.Pixel(x, y)[c]) << "pixel " << x << "," << y;
        }
}

class AtlasPackerTest : public ::testing::Test {
protected:
    TempDirectory temp{"atlas"};
    fs::path source = temp.Path() / "Things";
    fs::path out = temp.Path() / "out";

    void SetUp() override {
        fs::create_directories(source);
        fs::create_directories(out);
    }
    void Save(const Image& image, const std::string& name) { SavePng(image, source / name); }
    AtlasPacker::Packed PackAndWrite() {
        auto packed = AtlasPacker::Pack(AtlasPacker::Scan(source));
        AtlasPacker::Write(packed, out);
        return packed;
    }
};

TEST_F(AtlasPackerTest, EverySourceImageComesBackFromItsRectangle) {
    std::map<std::string, Image> images{
        {"Block", PatternImage(10, 20, 1)},
        {"Framed", PatternImage(16, 16, 2, [](int x, int y) { return x >= 4 && x < 10 && y >= 3 && y < 13; })},
        {"Corner", PatternImage(30, 12, 3, [](int x, int y) { return x > 25 && y > 8; })},
        {"Dot", PatternImage(1, 1, 4)},
        {"Empty", PatternImage(8, 8, 5, [](int, int) { return false; })},
    };
    for (const auto& [name, image] : images)
        Save(image, name + ".png");

    PackAndWrite();
    std::string imagePath;
    const auto sprites = ReadSprites(out / "Things.xml", &imagePath);
    EXPECT_EQ(imagePath, "Things.png");  // the engine loads Things.sheet beside the XML
    const Image sheet = LoadImage(out / "Things.sheet");
    EXPECT_TRUE(IsPowerOfTwo(sheet.Width) && IsPowerOfTwo(sheet.Height));
    ASSERT_EQ(sprites.size(), images.size());
    for (const auto& [name, image] : images) {
        SCOPED_TRACE(name);
        ExpectFrameRestored(image, sheet, sprites.at(name));
    }
    // Trimmed to the opaque pixels, and untrimmed images carry no offsets.
    EXPECT_EQ(sprites.at("Framed").w, 6);
    EXPECT_EQ(sprites.at("Framed").h, 10);
    EXPECT_EQ(sprites.at("Framed").oX, 4);
    EXPECT_EQ(sprites.at("Framed").oY, 3);
    EXPECT_EQ(sprites.at("Block").oW, 10);
}

TEST_F(AtlasPackerTest, SpritesKeepPaddingApartAndNameOrder) {
    for (int i = 0; i < 12; ++i)
        Save(PatternImage(9 + i, 17 - i, i), "Frame" + std::to_string(i + 10) + ".png");
    const auto packed = PackAndWrite();
    for (std::size_t i = 1; i < packed.Sprites.size(); ++i)
        EXPECT_LT(packed.Sprites[i - 1].Name, packed.Sprites[i].Name);  // animations step through this order
    const int gap = 2 * AtlasPacker::Padding;
    for (const auto& a : packed.Sprites)
        for (const auto& b : packed.Sprites) {
            if (&a == &b)
                continue;
            const bool apart = a.X + a.W + gap <= b.X || b.X + b.W + gap <= a.X || a.Y + a.H + gap <= b.Y ||
                               b.Y + b.H + gap <= a.Y;
            EXPECT_TRUE(apart) << a.Name << " and " << b.Name << " are closer than the padding";
        }
}

TEST_F(AtlasPackerTest, TrimmedEdgesPadTransparentAndFullEdgesRepeat) {
    Save(PatternImage(8, 8, 1), "Tile.png");
    Save(PatternImage(8, 8, 2, [](int x, int) { return x >= 2; }), "Cut.png");
    const auto packed = PackAndWrite();
    const Image& sheet = packed.Sheets[0];
    for (const auto& s : packed.Sprites) {
        const std::uint8_t* left = sheet.Pixel(s.X - 1, s.Y + 3);
        const std::uint8_t* edge = sheet.Pixel(s.X, s.Y + 3);
        EXPECT_EQ(left[0], edge[0]) << s.Name;  // the colour continues into the padding
        if (s.Name == "Tile")
            EXPECT_EQ(left[3], edge[3]);       // a tile repeats its edge for seamless filtering
        else
            EXPECT_EQ(left[3], 0);             // a trimmed edge was transparent and stays so
    }
}

TEST_F(AtlasPackerTest, LitAtlasWritesThreeSheetsOfOneLayout) {
    const auto inside = [](int x, int y) { return x > 2 && y > 1 && x < 12; };
    for (int i = 0; i < 3; ++i) {
        const std::string name = "Ant" + std::to_string(i);
        Save(PatternImage(14, 10 + i, i, inside), name + ".png");
        Save(PatternImage(14, 10 + i, 10 + i, inside), name + "_NRM.png");
        Save(PatternImage(14, 10 + i, 20 + i, inside), name + "_SPEC.png");
    }
    PackAndWrite();
    EXPECT_FALSE(fs::exists(out / "Things.xml"));
    std::map<std::string, SpriteEntry> layouts[3];
    const char* suffixes[] = {"_COL", "_NRM", "_SPEC"};
    for (int k = 0; k < 3; ++k) {
        std::string imagePath;
        layouts[k] = ReadSprites(out / (std::string("Things") + suffixes[k] + ".xml"), &imagePath);
        EXPECT_EQ(imagePath, std::string("Things") + suffixes[k] + ".png");
    }
    const Image colour = LoadImage(out / "Things_COL.sheet");
    const Image normals = LoadImage(out / "Things_NRM.sheet");
    const Image specular = LoadImage(out / "Things_SPEC.sheet");
    EXPECT_EQ(normals.Width, colour.Width);
    EXPECT_EQ(specular.Height, colour.Height);
    for (const auto& [name, s] : layouts[0]) {
        EXPECT_EQ(layouts[1].at(name).x, s.x);
        EXPECT_EQ(layouts[2].at(name).y, s.y);
        EXPECT_EQ(layouts[2].at(name).w, s.w);
        ExpectFrameRestored(LoadImage(source / (name + "_NRM.png")), normals, s);
        ExpectFrameRestored(LoadImage(source / (name + "_SPEC.png")), specular, s);
    }
}

void ExpectContentError(const std::function<void()>& step, const fs::path& file) {
    try {
        step();
        FAIL() << "expected an error naming " << file;
    } catch (const ContentError& e) {
        EXPECT_TRUE(NamesFile(e, file)) << e.what();
    }
}

TEST_F(AtlasPackerTest, BadSourcesNameTheFile) {
    Save(PatternImage(4, 4, 1), "Good.png");
    std::ofstream(source / "Broken.png") << "this is not a PNG";
    ExpectContentError([&] { PackAndWrite(); }, source / "Broken.png");

    fs::remove(source / "Broken.png");
    Save(PatternImage(4, 4, 2), "Good_NRM.png");
    ExpectContentError([&] { AtlasPacker::Scan(source); }, source / "Good_SPEC.png");

    Save(PatternImage(5, 4, 3), "Good_SPEC.png");
    ExpectContentError([&] { PackAndWrite(); }, source / "Good_SPEC.png");  // another size than its colour image

    Save(PatternImage(4, 4, 3), "Good_SPEC.png");
    Save(PatternImage(4, 4, 3), "Orphan_NRM.png");
    ExpectContentError([&] { AtlasPacker::Scan(source); }, source / "Orphan_NRM.png");
}

TEST_F(AtlasPackerTest, WorkingFilesAndOtherFilesAreNotPacked) {
    Save(PatternImage(4, 4, 1), "Good.png");
    Save(PatternImage(4, 4, 2), "Good (src).png");
    std::ofstream(source / "notes.txt") << "not an image";
    const auto scanned = AtlasPacker::Scan(source);
    ASSERT_EQ(scanned.Images.size(), 1u);
    EXPECT_EQ(scanned.Images[0].Name, "Good");
}

}  // namespace

namespace {

// The packer's output read back by the game's own atlas reader: every image's
// rectangle holds its pixels, the trim rectangle puts them back in the full frame,
// and a lit atlas gets a normal image with the specular map in its alpha.
TEST_F(AtlasPackerTest, EngineReaderGivesBackEveryImageAndItsFrame) {
    const auto inside = [](int x, int y) { return x > 2 && y > 1 && x < 12 && y < 9; };
    std::map<std::string, Image> colours;
    for (int i = 0; i < 4; ++i) {
        const std::string name = "Bug" + std::to_string(i);
        colours[name] = PatternImage(14 + i, 11, i, i == 0 ? nullptr : std::function<bool(int, int)>(inside));
        Save(colours[name], name + ".png");
        Save(PatternImage(14 + i, 11, 10 + i), name + "_NRM.png");
        Save(PatternImage(14 + i, 11, 20 + i), name + "_SPEC.png");
    }
    const fs::path bank = temp.Path() / "Textures" / "Main";
    fs::create_directories(bank);
    AtlasPacker::Write(AtlasPacker::Pack(AtlasPacker::Scan(source)), bank);

    auto uploader = std::make_unique<FakeUploader>();
    FakeUploader* uploads = uploader.get();
    TextureManager textures(temp.Path() / "Textures", std::move(uploader));
    textures.LoadTextureBank("Main");
    const Texture* texture = textures.GetTexture("Things");
    ASSERT_NE(texture, nullptr);
    EXPECT_NE(texture->NormalImage, 0u);
    ASSERT_EQ(uploads->Uploads.size(), 2u);  // colour, then normal with specular in alpha
    const Image& sheet = uploads->Uploads[0];
    const Image& normals = uploads->Uploads[1];
    const Image specular = LoadImage(bank / "Things_SPEC.sheet");

    for (const auto& [name, colour] : colours) {
        SCOPED_TRACE(name);
        const auto found = std::find(texture->ImageNames.begin(), texture->ImageNames.end(), name);
        ASSERT_NE(found, texture->ImageNames.end());
        const std::size_t i = std::size_t(found - texture->ImageNames.begin());
        const Rect image = texture->ImageRects[i], trim = texture->TrimRects[i];
        SpriteEntry s{};
        s.x = int(std::lround(image.x * texture->Size.x));
        s.y = int(std::lround(image.y * texture->Size.y));
        s.w = int(std::lround(image.width * texture->Size.x));
        s.h = int(std::lround(image.height * texture->Size.y));
        s.oW = int(std::lround(s.w / trim.width));  // the trim rectangle is normalised to the frame
        s.oH = int(std::lround(s.h / trim.height));
        s.oX = int(std::lround(trim.x * s.oW));
        s.oY = int(std::lround(trim.y * s.oH));
        ExpectFrameRestored(colour, sheet, s);
        EXPECT_EQ(normals.Pixel(s.x, s.y)[3], specular.Pixel(s.x, s.y)[2]);
    }
}

}  // namespace
