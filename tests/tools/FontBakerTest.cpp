#include "ContentTestSupport.h"
#include "FontBaker.h"
#include "core/ContentError.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace pt = boost::property_tree;

struct Rect {
    int x, y, w, h;
};

class FontBakerTest : public ::testing::Test {
protected:
    TempDirectory temp{"font"};

    fs::path BakeSpec(const std::string& json) {
        const fs::path spec = temp.Path() / "Label16.json";
        std::ofstream(spec) << json;
        FontBaker::Write(FontBaker::Bake("Label16", FontBaker::ReadSpec(spec)), temp.Path());
        return temp.Path() / "Label16.fnt";
    }
};

// Reads the .fnt with the paths the engine's font reader uses; every value it
// needs must be there and be a number.
TEST_F(FontBakerTest, FntHoldsEveryFieldTheReaderNeedsAndMatchesItsPage) {
    const pt::ptree font = ReadXml(BakeSpec(R"({ "Face": "DejaVuSans.ttf", "Size": 16 })"));
    const int scaleW = font.get<int>("font.common.<xmlattr>.scaleW");
    const int scaleH = font.get<int>("font.common.<xmlattr>.scaleH");
    const int lineHeight = font.get<int>("font.common.<xmlattr>.lineHeight");
    const std::string file = font.get<std::string>("font.pages.page.<xmlattr>.file");
    EXPECT_EQ(scaleW, scaleH);  // square page: glyphs keep their proportions
    EXPECT_GE(lineHeight, 16);

    const Image page = LoadImage(temp.Path() / file);
    EXPECT_EQ(page.Width, scaleW);
    EXPECT_EQ(page.Height, scaleH);

    std::vector<Rect> rects;
    std::set<int> ids, baked;
    for (const FontBaker::CharRange& range : FontBaker::Ranges)
        for (int code = range.First; code <= range.Last; ++code)
            baked.insert(code);
    std::vector<bool> covered(std::size_t(page.Width) * page.Height, false);
    for (const auto& [tag, c] : font.get_child("font.chars")) {
        if (tag != "char")
            continue;
        const Rect r{c.get<int>("<xmlattr>.x"), c.get<int>("<xmlattr>.y"), c.get<int>("<xmlattr>.width"),
                     c.get<int>("<xmlattr>.height")};
        ids.insert(c.get<int>("<xmlattr>.id"));
        c.get<int>("<xmlattr>.xoffset");
        c.get<int>("<xmlattr>.yoffset");
        EXPECT_GT(c.get<int>("<xmlattr>.xadvance"), 0);
        ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= page.Width && r.y + r.h <= page.Height);
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                ASSERT_FALSE(covered[std::size_t(y) * page.Width + x]) << "glyph rectangles overlap";
                covered[std::size_t(y) * page.Width + x] = true;
            }
        rects.push_back(r);
    }
    EXPECT_EQ(ids, baked) << "ASCII, the Latin-1 Supplement and Latin Extended-A, each once";
    EXPECT_EQ(rects.size(), baked.size());
    // Ink only inside glyph rectangles, and every visible glyph has ink.
    for (int y = 0; y < page.Height; ++y)
        for (int x = 0; x < page.Width; ++x) {
            if (!covered[std::size_t(y) * page.Width + x]) {
                ASSERT_EQ(page.Pixel(x, y)[3], 0) << "stray ink at " << x << "," << y;
            }
        }
    for (const Rect& r : rects) {
        int ink = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                ink += page.Pixel(x, y)[3];
        EXPECT_EQ(ink > 0, r.w > 0 && r.h > 0);
    }

    int pairs = 0, negative = 0;
    for (const auto& [tag, k] : font.get_child("font.kernings")) {
        if (tag != "kerning")
            continue;
        ++pairs;
        negative += k.get<int>("<xmlattr>.amount") < 0;
        EXPECT_EQ(baked.count(k.get<int>("<xmlattr>.first")), 1u);
        EXPECT_EQ(baked.count(k.get<int>("<xmlattr>.second")), 1u);
    }
    EXPECT_GT(pairs, 0);
    EXPECT_GT(negative, 0);  // pairs such as "AV" move closer
}

TEST_F(FontBakerTest, BadDescriptionsNameTheFile) {
    const fs::path spec = temp.Path() / "Label16.json";
    for (const char* json : {R"({ "Face": "NoSuchFace.ttf", "Size": 16 })", R"({ "Face": "DejaVuSans.ttf" })",
                             R"({ "Face": "DejaVuSans.ttf", "Size": 16 )"}) {
        std::ofstream(spec) << json;
        try {
            FontBaker::ReadSpec(spec);
            ADD_FAILURE() << "accepted " << json;
        } catch (const ContentError& e) {
            EXPECT_TRUE(NamesFile(e, spec)) << e.what();
        }
    }
}

}  // namespace
