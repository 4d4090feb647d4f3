#include "AnimationScene.h"
#include "animation/AnimationBhv.h"
#include "core/GameObject.h"
#include "graphics/SpriteComponent.h"

namespace {

// An object with a sprite and an animation behaviour, updated as the update pass does.
class AnimationBhvTest : public AnimationScene {
protected:
    AnimationBhvTest() {
        WriteAnimation("Walk.anim", "Ants:Walk1 4\n+1 4\n+1 4\nLoop\n");
        WriteAnimation("Once.anim", "Ants:Walk2 2\n+1 2\n");
        WriteAnimation("Gaps.anim", "Ants:Idle 1\nAnts:Wing 1\nno.texture 1\n");
        animations->LoadAllAnimations();
        object.AddComponent(sprite);
        object.AddComponent(animation);
    }

    // The image the sprite shows after one update of `delta` seconds.
    int Step(float delta) {
        time->DeltaSeconds = delta;
        animation->Update();
        return sprite->ImageIndex;
    }

    GameObject object;
    SpriteComponent* sprite = new SpriteComponent();
    AnimationBhv* animation = new AnimationBhv();
};

TEST_F(AnimationBhvTest, LoopShowsFrameZeroFirstAndWrapsLongDeltas) {
    EXPECT_EQ(object.Animation(), animation);
    animation->AutoPlay = "Walk";
    animation->Start();
    EXPECT_EQ(animation->AnimationName(), "Walk");
    const float tick4 = 4 / 60.0f;
    EXPECT_EQ(Step(tick4), 0) << "the delta counts from the next update on";
    EXPECT_EQ(sprite->GetTex(), ants);
    EXPECT_EQ(Step(tick4), 1);
    EXPECT_EQ(Step(tick4), 2);
    EXPECT_EQ(Step(3.2f + 0.1f), 0) << "past the end: around again";
    // Time is now about 3.3: sixteen whole loops and 0.1 s, inside frame 1.
    EXPECT_EQ(Step(0.0f), 1);
    EXPECT_TRUE(animation->IsPlaying());
    EXPECT_NEAR(animation->Time(), 0.1f, 1e-3f);
}

TEST_F(AnimationBhvTest, OnceStopsOnItsLastImageAndPlayRestarts) {
    animation->PlayAnimation("Once");
    const float tick2 = 2 / 60.0f;
    EXPECT_EQ(Step(tick2), 1);
    EXPECT_EQ(Step(tick2), 2);
    EXPECT_EQ(Step(tick2), 2) << "the last image stays";
    EXPECT_FALSE(animation->IsPlaying());
    EXPECT_EQ(Step(tick2), 2);
    animation->PlayAnimation("Once");
    EXPECT_TRUE(animation->IsPlaying());
    EXPECT_EQ(Step(tick2), 1);
}

TEST_F(AnimationBhvTest, MissingImagesKeepTheSpriteAndMissingAnimationsWait) {
    animation->PlayAnimation("Gaps");
    EXPECT_EQ(Step(1 / 60.0f), 3);
    EXPECT_EQ(Step(1 / 60.0f), 3) << "an image the atlas lacks leaves the sprite alone";
    Step(1 / 60.0f);
    EXPECT_EQ(sprite->GetTex(), nullptr) << "a frame without texture hides the sprite";

    animation->PlayAnimation("Later");
    Step(1.0f);
    Step(1.0f);
    EXPECT_TRUE(animation->IsPlaying());
    EXPECT_FLOAT_EQ(animation->Time(), 0.0001f) << "no animation, no time passes";
    WriteAnimation("Later.anim", "Ants:Walk3 1\n");
    animations->LoadAllAnimations();
    EXPECT_EQ(Step(1 / 60.0f), 2) << "found by name after a reload";
}

}  // namespace
