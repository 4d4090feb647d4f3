#include "AnimationScene.h"
#include "core/ContentError.h"
#include "graphics/Texture.h"

#include <unistd.h>

namespace {

using AnimationManagerTest = AnimationScene;

TEST_F(AnimationManagerTest, ReadsAnimFilesOfTheDirectoryByStem) {
    WriteAnimation("Walk.anim", "Ants:Walk1 4\n+1 4\nLoop\n");
    WriteAnimation("Idle.ANIM", "Ants:Idle 0.5\n");
    WriteAnimation("Notes.txt", "Ants:Idle 1\n");
    WriteAnimation("Walk.anim.bak", "Ants:Idle 1\n");
    WriteAnimation("Old/Run.anim", "Ants:Idle 1\n");
    animations->LoadAllAnimations();
    ASSERT_EQ(animations->Animations().size(), 2u);
    ASSERT_NE(animations->GetAnimation("Idle"), nullptr);
    EXPECT_FLOAT_EQ(animations->GetAnimation("Idle")->Duration, 0.5f);
    EXPECT_TRUE(animations->GetAnimation("Walk")->Loop);
    EXPECT_EQ(animations->GetAnimation("walk"), nullptr) << "names keep their case";

    // The development copy, once the configuration names one that has animations.
    Engine::GameConfig->DevelopmentContentPath = (scratch.Path / "Dev").string();
    EXPECT_EQ(animations->AnimationDirectory(), scratch.Path / "Animations");
    WriteAnimation("Run.anim", "Ants:Walk3 1\n", "Dev/Animations");
    animations->LoadAllAnimations();
    EXPECT_EQ(animations->GetAnimation("Walk"), nullptr);
    EXPECT_NE(animations->GetAnimation("Run"), nullptr);
    animations->UnloadAllAnimations();
    EXPECT_TRUE(animations->Animations().empty());
}

// A bad file stops the load with its path and line; what was loaded stays, as hot
// reload needs. An image the atlas lacks is only a warning.
TEST_F(AnimationManagerTest, BadFileKeepsTheLoadedSet) {
    WriteAnimation("Walk.anim", "Ants:Walk1 4\nAnts:Wing 4\n");
    animations->LoadAllAnimations();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Walk.anim:2: texture \"Ants\" has no image \"Wing\""), std::string::npos);

    WriteAnimation("Zzz.anim", "Ants:Walk1 4\nMoths:Wing 4\n");
    try {
        animations->LoadAllAnimations();
        FAIL() << "loaded";
    } catch (const ContentError& e) {
        EXPECT_EQ(std::string(e.what()).rfind((scratch.Path / "Animations/Zzz.anim").string() + ":2: ", 0), 0u)
            << e.what();
    }
    EXPECT_NE(animations->GetAnimation("Walk"), nullptr);
    EXPECT_EQ(animations->GetAnimation("Zzz"), nullptr);

    std::filesystem::remove_all(scratch.Path / "Animations");
    animations->LoadAllAnimations();
    EXPECT_TRUE(animations->Animations().empty()) << "no directory, no animations";
}

// The shipped animations against the shipped atlases: every frame shows an image.
TEST_F(AnimationManagerTest, ShippedAnimationsLoadAgainstTheShippedAtlas) {
    const auto content = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Content";
    Engine::GameConfig->ContentDirectory = content;
    TextureManager shipped(content / "Textures", std::make_unique<FakeUploader>());
    shipped.LoadTextureBank("Main");
    engine.Use(Engine::TextureManager, &shipped);
    animations->LoadAllAnimations();
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    for (const char* name : {"AntWalk", "AntIdle", "AntStill"}) {
        const AnimationData* animation = animations->GetAnimation(name);
        ASSERT_NE(animation, nullptr) << name;
        EXPECT_TRUE(animation->Loop) << name;
        for (const AnimationFrame& frame : animation->Frames) {
            ASSERT_NE(frame.Tex, nullptr) << name;
            EXPECT_EQ(frame.Tex->Name, "Ants") << name;
            EXPECT_TRUE(frame.Tex->HasImage(frame.ImageIndex)) << name;
        }
    }
    const AnimationData& walk = *animations->GetAnimation("AntWalk");
    ASSERT_EQ(walk.Frames.size(), 8u);
    EXPECT_EQ(walk.Frames[7].Tex->ImageNames[walk.Frames[7].ImageIndex], "Walk8");
    EXPECT_FLOAT_EQ(walk.Duration, 40 / 60.0f);
}

}  // namespace
