// Checks the Content directory the build made beside the test program: the names
// the game asks for are there, and the files hold what their readers need.
#include "ContentTestSupport.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "graphics/BitmapFont.h"
#include "graphics/FontManager.h"
#include "graphics/Texture.h"
#include "graphics/TextureManager.h"
#include "platform/AudioDevice.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace pt = boost::property_tree;

fs::path ContentDirectory() { return fs::read_symlink("/proc/self/exe").parent_path() / "Content"; }

std::vector<std::string> SpriteNames(const fs::path& xml) {
    std::vector<std::string> names;
    const pt::ptree tree = ReadXml(xml);
    for (const auto& [tag, sprite] : tree.get_child("TextureAtlas"))
        if (tag == "sprite")
            names.push_back(sprite.get<std::string>("<xmlattr>.n"));
    return names;
}

struct Pcm {
    int channels = 0, rate = 0;
    std::vector<float> samples;  // interleaved
    long Frames() const { return channels ? long(samples.size()) / channels : 0; }
};

Pcm Decode(const fs::path& file) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    EXPECT_NE(sound, nullptr) << file;
    Pcm pcm;
    if (!sound)
        return pcm;
    pcm.channels = info.channels;
    pcm.rate = info.samplerate;
    pcm.samples.resize(std::size_t(info.frames) * std::size_t(info.channels));
    sf_readf_float(sound, pcm.samples.data(), info.frames);
    sf_close(sound);
    return pcm;
}

// Playing `from` right after `to` must not jump further than the sound itself
// usually does between neighbouring samples (a click is a jump far above that).
void ExpectSeamless(const Pcm& pcm, long to, long from) {
    std::vector<float> steps;
    for (long i = std::max(1L, to - 4000); i <= to; ++i)
        for (int c = 0; c < pcm.channels; ++c)
            steps.push_back(std::abs(pcm.samples[std::size_t(i * pcm.channels + c)] -
                                     pcm.samples[std::size_t((i - 1) * pcm.channels + c)]));
    std::sort(steps.begin(), steps.end());
    const float usual = steps[steps.size() * 99 / 100];
    for (int c = 0; c < pcm.channels; ++c) {
        const float jump = std::abs(pcm.samples[std::size_t(from * pcm.channels + c)] -
                                    pcm.samples[std::size_t(to * pcm.channels + c)]);
        EXPECT_LE(jump, usual * 2 + 1e-4f) << "channel " << c;
    }
}

// The bank "Main" through the game's texture manager (images go to a fake uploader).
TEST(ShippedContentTest, MainBankLoadsWithEditorWhitePixelAndLitAtlases) {
    TextureManager textures(ContentDirectory() / "Textures", std::make_unique<FakeUploader>());
    textures.LoadTextureBank("Main");
    const Texture* editor = textures.GetTexture("Editor");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->HasImage(editor->FindImage("1PixelWhite")));
    EXPECT_EQ(editor->NormalImage, 0u);
    for (const char* lit : {"Ants", "World", "Ground", "Lights"}) {
        const Texture* texture = textures.GetTexture(lit);
        ASSERT_NE(texture, nullptr) << lit;
        EXPECT_NE(texture->NormalImage, 0u) << lit;
    }
}

TEST(ShippedContentTest, LitAtlasesHaveAllThreeSheets) {
    for (const char* atlas : {"Ants", "World", "Ground", "Lights"})
        for (const char* suffix : {"_COL", "_NRM", "_SPEC"}) {
            const fs::path stem = ContentDirectory() / "Textures/Main" / (std::string(atlas) + suffix);
            EXPECT_TRUE(fs::exists(fs::path(stem) += ".xml")) << stem;
            EXPECT_TRUE(fs::exists(fs::path(stem) += ".sheet")) << stem;
        }
}

// Each animation's frames, resolved as the animation reader does (a named image,
// then steps through the atlas order), land on the images they mean.
TEST(ShippedContentTest, AnimationsStepThroughTheAntFrames) {
    const auto names = SpriteNames(ContentDirectory() / "Textures/Main/Ants_COL.xml");
    const std::map<std::string, std::string> expected{
        {"AntWalk", "Walk1 Walk2 Walk3 Walk4 Walk5 Walk6 Walk7 Walk8"},
        {"AntIdle", "Idle1 Idle2 Idle3 Idle4 Idle3 Idle2"},
        {"AntStill", "Still"}};
    for (const auto& [animation, frames] : expected) {
        std::ifstream in(ContentDirectory() / "Animations" / (animation + ".anim"));
        ASSERT_TRUE(in) << animation;
        std::string line, shown;
        long index = -1;
        bool loops = false;
        const std::regex frame(R"((\S+)\s+(\S+))"), step(R"((\+|-)(\d+))"), named(R"((\w+)?:?(\w+))");
        while (std::getline(in, line)) {
            std::smatch m, image;
            if (line.rfind("//", 0) == 0)
                continue;
            if (line.rfind("Loop", 0) == 0) {
                loops = true;
                break;
            }
            if (!std::regex_match(line, m, frame))
                continue;
            const std::string token = m[1];
            if (std::regex_match(token, image, step))
                index += (image[1] == "+" ? 1 : -1) * std::stol(image[2]);
            else if (std::regex_match(token, image, named) && image[1] == "Ants")
                index = std::find(names.begin(), names.end(), image[2].str()) - names.begin();
            else
                FAIL() << animation << ": frame " << token << " names no ant image";
            ASSERT_TRUE(index >= 0 && index < long(names.size())) << animation << ": " << line;
            shown += (shown.empty() ? "" : " ") + names[std::size_t(index)];
        }
        EXPECT_EQ(shown, frames) << animation;
        EXPECT_TRUE(loops) << animation;
    }
}

// The ambient light picks one texel of this map by a direction in [-1, 1]^2; the
// texel's normal is the direction the light comes from (sprite space, y up).
TEST(ShippedContentTest, HemisphereMapsDirectionsToNormals) {
    const fs::path bank = ContentDirectory() / "Textures/Main";
    const Image normals = LoadImage(bank / "Lights_NRM.sheet");
    const pt::ptree atlas = ReadXml(bank / "Lights_COL.xml");
    for (const auto& [tag, sprite] : atlas.get_child("TextureAtlas")) {
        if (tag != "sprite" || sprite.get<std::string>("<xmlattr>.n") != "Hemisphere")
            continue;
        const int x = sprite.get<int>("<xmlattr>.x"), y = sprite.get<int>("<xmlattr>.y");
        const int w = sprite.get<int>("<xmlattr>.w"), h = sprite.get<int>("<xmlattr>.h");
        auto normal = [&](int px, int py, int c) { return normals.Pixel(x + px, y + py)[c] / 255.0f * 2 - 1; };
        EXPECT_GT(normal(w / 2, h / 2, 2), 0.95f);   // the centre: straight down from above
        EXPECT_LT(normal(0, h / 2, 0), -0.9f);       // the left edge: from the left
        EXPECT_GT(normal(w / 2, 0, 1), 0.9f);        // the top row: from sprite-space up
        return;
    }
    FAIL() << "no Hemisphere image";
}

TEST(ShippedContentTest, FontsHaveTheirPages) {
    int fonts = 0;
    for (const auto& entry : fs::directory_iterator(ContentDirectory() / "Fonts/Main"))
        if (entry.path().extension() == ".fnt") {
            ++fonts;
            const auto file = ReadXml(entry.path()).get<std::string>("font.pages.page.<xmlattr>.file");
            EXPECT_TRUE(fs::exists(entry.path().parent_path() / file)) << file;
        }
    EXPECT_GE(fonts, 3);
}

// The font bank "Main" through the game's font manager: every shipped size with its
// page and the whole printable ASCII range.
TEST(ShippedContentTest, EveryShippedFontLoadsWithItsPageAndPrintableAscii) {
    FontManager fonts(ContentDirectory() / "Fonts", std::make_unique<FakeUploader>());
    fonts.LoadFontBank("Main");
    for (const char* name :
         {"DejaVuSans12", "DejaVuSans16", "DejaVuSansBold24", "DejaVuSansBold32", "DejaVuSansBold48"}) {
        const BitmapFont* font = fonts.GetFont(name);
        ASSERT_NE(font, nullptr) << name;
        EXPECT_TRUE(font->CanDraw()) << name;
        EXPECT_FLOAT_EQ(font->PageAspect, 1.0f) << name;
        for (int c = 32; c <= 126; ++c) {
            EXPECT_TRUE(font->Glyphs.contains(c)) << name << " " << c;
        }
    }
}

// Read through the game's own sound bank and music readers (silent: no device).
TEST(ShippedContentTest, GameFindsEverySoundAndTheFireLoopsWithoutAClick) {
    SoundManager sounds(nullptr, ContentDirectory() / "Sounds");
    sounds.LoadBank("Main");
    for (const char* name : {"SeedDrop", "ButtonClick", "AntEating", "AntBirth", "Sizzle", "FireCrackle", "DebugBlip"})
        EXPECT_NE(sounds.FindSound(name), nullptr) << name;
    const Pcm fire = Decode(ContentDirectory() / "Sounds/Main/FireCrackle.flac");
    ASSERT_GT(fire.Frames(), 1);
    ExpectSeamless(fire, fire.Frames() - 1, 0);
}

TEST(ShippedContentTest, MusicLoopPointsLieInsideTheTrackAndJoin) {
    const MusicManager music(false, ContentDirectory() / "Music");
    const MusicMetadata& track = music.Tracks().at("AmbientWeirdness");
    ASSERT_TRUE(track.HasLoop());
    const long start = long(track.LoopStartSample), end = long(track.LoopEndSample);
    const Pcm pcm = Decode(track.Path);
    EXPECT_GE(pcm.Frames(), 60L * pcm.rate);
    ASSERT_GT(start, 0);  // an intro plays once
    ASSERT_LT(start, end);
    ASSERT_LT(end, pcm.Frames());
    ExpectSeamless(pcm, end, start);
}

TEST(ShippedContentTest, DevelopmentConfigNamesTheSourceTree) {
    pt::ptree config;
    pt::read_json((ContentDirectory() / "Config/GameConfig.json").string(), config);
    const fs::path sources = config.get<std::string>("DevelopmentContentPath");
    EXPECT_TRUE(fs::is_directory(sources / "Textures")) << sources;
    EXPECT_TRUE(fs::is_directory(sources / "Animations")) << sources;
}

}  // namespace
