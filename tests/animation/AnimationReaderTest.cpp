#include "animation/AnimationReader.h"
#include "core/ContentError.h"
#include "graphics/Texture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Reads ".anim" text against two atlases: "Ants" (Walk1, Walk2, Walk3, Idle) and
// "Walk" (an image named "1"), at 60 ticks a second.
class AnimationReaderTest : public ::testing::Test {
protected:
    AnimationReaderTest() {
        Fill(ants, "Ants", {"Walk1", "Walk2", "Walk3", "Idle"});
        Fill(walk, "Walk", {"0", "1"});
    }

    static void Fill(Texture& texture, const std::string& name, const std::vector<std::string>& images) {
        texture.Name = name;
        for (const std::string& image : images) {
            texture.ImageIndex[image] = int(texture.ImageNames.size());
            texture.ImageNames.push_back(image);
            texture.ImageRects.emplace_back();
            texture.TrimRects.emplace_back();
        }
    }

    std::unique_ptr<AnimationData> Read(const std::string& text) {
        AnimationReader reader(
            [this](const std::string& name) -> Texture* {
                return name == "Ants" ? &ants : name == "Walk" ? &walk : nullptr;
            },
            60, [this](const std::filesystem::path& file, int line, const std::string& what) {
                warnings.push_back(file.string() + ":" + std::to_string(line) + ": " + what);
            });
        std::istringstream in(text);
        return reader.Read(in, "Anims/Walk.anim");
    }

    // The message of the ContentError the text raises, or "" when it reads.
    std::string Error(const std::string& text) {
        try {
            Read(text);
        } catch (const ContentError& e) {
            return e.what();
        }
        return "";
    }

    Texture ants, walk;
    std::vector<std::string> warnings;
};

TEST_F(AnimationReaderTest, StepsTicksAndLoop) {
    const auto walk3 = Read("Ants:Walk1 4\n+1 4\n+1 4\nLoop\nAnts:Idle 4\n");
    ASSERT_EQ(walk3->Frames.size(), 3u) << "nothing after Loop is read";
    EXPECT_TRUE(walk3->Loop);
    EXPECT_FLOAT_EQ(walk3->Duration, 0.2f);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(walk3->Frames[k].Tex, &ants);
        EXPECT_EQ(walk3->Frames[k].ImageIndex, k);
        EXPECT_FLOAT_EQ(walk3->Frames[k].StartTime, k * 4 / 60.0f);
    }
    EXPECT_FLOAT_EQ(walk3->FrameEnd(2), 0.2f);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AnimationReaderTest, TokenFormsAndSkippedLines) {
    const auto read = Read(
        "// comment 5\n"
        "Ants:Idle 3\n"
        "Walk1 0.25\n"         // texture "Walk", image "1"
        "Ants:Walk3 2 \n"      // a trailing blank: not a frame line
        " Ants:Walk3 2\n"      // nor a leading one
        "Ants:Walk3 2 2\n"     // nor three tokens
        "\n"
        "-3 12\n"              // from Walk's image 1, outside its atlas
        "no.texture\t1.5\n");  // tab-separated, a frame without texture
    ASSERT_EQ(read->Frames.size(), 4u);
    EXPECT_FALSE(read->Loop);
    EXPECT_EQ(read->Frames[0].ImageIndex, 3);
    EXPECT_EQ(read->Frames[1].Tex, &walk);
    EXPECT_EQ(read->Frames[1].ImageIndex, 1);
    EXPECT_FLOAT_EQ(read->Frames[1].StartTime, 0.05f) << "3 ticks";
    EXPECT_FLOAT_EQ(read->Frames[2].StartTime, 0.3f) << "0.25 s";
    EXPECT_EQ(read->Frames[2].ImageIndex, -1);
    EXPECT_EQ(read->Frames[3].Tex, nullptr);
    EXPECT_FLOAT_EQ(read->Duration, 0.3f + 0.2f + 1.5f);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("Anims/Walk.anim:8: ", 0), 0u) << warnings[0];
}

// An image the atlas lacks is kept as a frame that shows nothing new, with one
// warning each; steps from it stay outside until a name brings the frames back.
TEST_F(AnimationReaderTest, MissingImagesWarnAndStayOutside) {
    const auto read = Read("Ants:Wing 4\n+1 4\nAnts:Walk3 4\n+1 4\n+1 4\n-2 4\n");
    std::vector<int> images;
    for (const AnimationFrame& frame : read->Frames) images.push_back(frame.ImageIndex);
    EXPECT_EQ(images, (std::vector<int>{-1, -1, 2, 3, -1, -1}));
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_NE(warnings[0].find(":1: texture \"Ants\" has no image \"Wing\""), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[2].find(":5: \"+1\" steps outside"), std::string::npos) << warnings[2];
}

TEST_F(AnimationReaderTest, FaultsNameTheFileAndLine) {
    const std::string longLine(256, 'x');
    const std::pair<std::string, std::string> faults[] = {
        {"Ants:Walk1 fast\n", "Anims/Walk.anim:1: duration \"fast\""},
        {"// a\nAnts:Walk1 1.\n", "Anims/Walk.anim:2: duration \"1.\""},
        {"Ants:Walk1 99999999999\n", "Anims/Walk.anim:1: duration"},
        {"+1 4\n", "Anims/Walk.anim:1: a step \"+1\" needs a frame"},
        {"no.texture 4\n-1 4\n", "Anims/Walk.anim:2: a step \"-1\" needs a frame"},
        {"Moths:Wing 4\n", "Anims/Walk.anim:1: no texture \"Moths\""},
        {":Walk1 4\n", "Anims/Walk.anim:1: no texture \"\""},
        {"Ants:Walk1 4\n" + longLine + "\n", "Anims/Walk.anim:2: longer than 255 characters"},
        {"// nothing\nLoop\n", "Anims/Walk.anim:2: a looping animation"},
        {"Ants:Walk1 0\n+1 0.0\nLoop\n", "Anims/Walk.anim:3: a looping animation"},
    };
    for (const auto& [text, start] : faults) {
        EXPECT_EQ(Error(text).rfind(start, 0), 0u) << text << " -> " << Error(text);
    }
    EXPECT_EQ(Error("Ants:Walk1 4\n// " + std::string(252, 'x') + "\n"), "") << "255 characters are fine";
}

TEST_F(AnimationReaderTest, FileThatCannotBeOpened) {
    AnimationReader reader([](const std::string&) { return nullptr; }, 0, nullptr);
    try {
        reader.ReadFile("/nonexistent/Walk.anim");
        FAIL() << "read";
    } catch (const ContentError& e) {
        EXPECT_STREQ(e.what(), "/nonexistent/Walk.anim: cannot open file");
    }
}

}  // namespace
