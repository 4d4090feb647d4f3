#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "script/TweensBhv.h"
#include "support/EngineScope.h"
#include "support/PrefabTestContent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class TweenTest : public ::testing::Test {
protected:
    TweenTest() { object->AddComponent(tweens); }
    ~TweenTest() override { delete object; }

    void Update(float delta = 1.0f / 60.0f) {
        time.DeltaSeconds = delta;
        tweens->Update();
    }
    std::function<void()> Logger(const std::string& entry) {
        return [this, entry] { log.push_back(entry); };
    }

    Log log;
    EngineScope engine;
    FrameTime& time = engine.Make(Engine::FrameTime);
    GameObject* object = new GameObject();  // not in the tree: the fixture deletes it
    TweensBhv* tweens = new TweensBhv();
};

TEST_F(TweenTest, IsAShortcutOfItsObjectAndItsSiblings) {
    auto* other = new TweensBhv();
    object->AddComponent(other);
    EXPECT_EQ(object->Tweens(), tweens);
    EXPECT_EQ(other->Tweens(), tweens);
    delete tweens;
    EXPECT_EQ(object->Tweens(), nullptr);
    EXPECT_EQ(other->Tweens(), nullptr);
}

TEST_F(TweenTest, HalfSecondTweenReachesItsEndAndIsGoneInTheSameUpdate) {
    Vector2 position{0.0f, 10.0f};
    tweens->TweenVector2(&position, {4.0f, 2.0f}, 0.5f, Logger("complete"));
    // Frames of 1/60 s until the accumulated deltas reach 0.5 s, in float as the sequence sums them.
    float elapsed = 0.0f;
    int frames = 0;
    while (elapsed < 0.5f) {
        elapsed += 1.0f / 60.0f;
        ++frames;
        Update();
        if (elapsed < 0.5f) {
            ASSERT_EQ(tweens->Sequences().size(), 1u) << "frame " << frames;
            EXPECT_LT(position.x, 4.0f);
        }
    }
    EXPECT_EQ(position, Vector2(4.0f, 2.0f));
    EXPECT_TRUE(tweens->Sequences().empty());
    EXPECT_EQ(log, (Log{"complete"}));
}

TEST(EasingTest, KindsAtHalfWay) {
    const Vector2 from{0.0f, 8.0f};
    const Vector2 to{4.0f, 0.0f};
    EXPECT_EQ(Ease(EaseLinear, 0.5f, from, to), Vector2(2.0f, 4.0f));
    EXPECT_EQ(Ease(EaseSmooth, 0.5f, from, to), Vector2(2.0f, 4.0f));
    EXPECT_EQ(Ease(EaseIn, 0.5f, from, to), Vector2(1.0f, 6.0f));
    EXPECT_EQ(Ease(EaseOut, 0.5f, from, to), Vector2(3.0f, 2.0f));
    EXPECT_FLOAT_EQ(EaseProgress(EaseSmooth, 0.25f), 0.15625f);
    EXPECT_FLOAT_EQ(EaseProgress(9, 0.25f), 0.15625f) << "unknown kinds ease smoothly";
    EXPECT_FLOAT_EQ(EaseProgress(-1, 0.25f), 0.15625f);
    for (int kind : {0, 1, 2, 3}) {
        EXPECT_EQ(Ease(kind, 0.0f, from, to), from);
        EXPECT_EQ(Ease(kind, 1.0f, from, to), to);
    }
}

TEST(EasingTest, ColoursInterpolatePerChannelAndTruncate) {
    const Color from{0, 255, 10, 255};
    const Color to{255, 0, 11, 0};
    EXPECT_EQ(Ease(EaseLinear, 0.5f, from, to), Color(127, 127, 10, 127));
    EXPECT_EQ(Ease(EaseIn, 0.5f, from, to), Color(63, 191, 10, 191));
    EXPECT_EQ(Ease(EaseOut, 1.0f, from, to), to);
}

TEST_F(TweenTest, StartValueIsTakenWhenTheTweenIsCreated) {
    Vector2 position{0.0f, 0.0f};
    TweenSequence* sequence = tweens->AddSequence(nullptr);
    tweens->AddVector2Tween(tweens->AddStep(sequence, nullptr, 1.0f), &position, {10.0f, 0.0f});
    position = {100.0f, 100.0f};
    Update(0.5f);
    EXPECT_EQ(position, Vector2(5.0f, 0.0f));
}

TEST_F(TweenTest, StepsFollowEachOtherAndCallTheirOnEndWhenPassed) {
    Vector2 a{0.0f, 0.0f};
    Vector2 b{0.0f, 0.0f};
    TweenSequence* sequence = tweens->AddSequence(Logger("complete"));
    TweenStep* first = tweens->AddStep(sequence, Logger("end1"), 0.5f);
    TweenStep* second = tweens->AddStep(sequence, Logger("end2"), 1.0f);
    tweens->AddVector2Tween(first, &a, {2.0f, 0.0f});
    tweens->AddVector2Tween(second, &b, {0.0f, 2.0f});
    EXPECT_FLOAT_EQ(second->StartTime, 0.5f);
    EXPECT_FLOAT_EQ(sequence->TotalDuration, 1.5f);

    Update(0.25f);
    EXPECT_EQ(a, Vector2(1.0f, 0.0f));
    Update(0.5f);  // 0.75 s: half of the way into the second step
    EXPECT_EQ(log, (Log{"end1"}));
    EXPECT_EQ(a, Vector2(1.0f, 0.0f)) << "a passed step gets no final application";
    EXPECT_FLOAT_EQ(b.y, 0.3125f) << "smoothstep at t = 0.25";
    Update(1.0f);
    EXPECT_EQ(b, Vector2(0.0f, 2.0f));
    EXPECT_EQ(log, (Log{"end1", "complete", "end2"}));
    EXPECT_TRUE(tweens->Sequences().empty());
}

TEST_F(TweenTest, OvershootingFrameCallsOnCompleteThenOnlyTheLastOnEnd) {
    Vector2 a{0.0f, 0.0f};
    Vector2 b{0.0f, 0.0f};
    TweenSequence* sequence = tweens->AddSequence(Logger("complete"));
    tweens->AddVector2Tween(tweens->AddStep(sequence, Logger("end1"), 0.1f), &a, {1.0f, 1.0f});
    tweens->AddVector2Tween(tweens->AddStep(sequence, Logger("end2"), 0.1f), &b, {1.0f, 1.0f});
    Update(6.0f / 60.0f * 3.0f);
    EXPECT_EQ(log, (Log{"complete", "end2"}));
    EXPECT_EQ(a, Vector2(0.0f, 0.0f));
    EXPECT_EQ(b, Vector2(1.0f, 1.0f));
    EXPECT_TRUE(tweens->Sequences().empty());
}

TEST_F(TweenTest, ZeroLengthStepsFinishInTheFirstUpdateApplyingTheLast) {
    Vector2 a{0.0f, 0.0f};
    Vector2 b{0.0f, 0.0f};
    TweenSequence* sequence = tweens->AddSequence(Logger("complete"));
    tweens->AddVector2Tween(tweens->AddStep(sequence, Logger("end1"), 0.0f), &a, {1.0f, 1.0f});
    tweens->AddVector2Tween(tweens->AddStep(sequence, Logger("end2"), 0.0f), &b, {3.0f, 3.0f});
    Update(0.0f);
    EXPECT_EQ(b, Vector2(3.0f, 3.0f));
    EXPECT_EQ(a, Vector2(0.0f, 0.0f));
    EXPECT_EQ(log, (Log{"complete", "end2"}));
    EXPECT_TRUE(tweens->Sequences().empty());
}

TEST_F(TweenTest, ZeroLengthStepInsideASequenceIsPassedWithItsOnEnd) {
    Vector2 a{0.0f, 0.0f};
    TweenSequence* sequence = tweens->AddSequence(nullptr);
    tweens->AddStep(sequence, Logger("end1"), 0.0f);
    tweens->AddVector2Tween(tweens->AddStep(sequence, Logger("end2"), 1.0f), &a, {4.0f, 0.0f});
    Update(0.5f);
    EXPECT_EQ(log, (Log{"end1"}));
    EXPECT_EQ(a, Vector2(2.0f, 0.0f));
}

TEST_F(TweenTest, SequencesAdvanceNewestFirstAndCallbacksMayAddSequences) {
    Vector2 a{0.0f, 0.0f};
    tweens->TweenVector2(&a, {1.0f, 0.0f}, 0.1f, [&] {
        log.push_back("old");
        tweens->TweenVector2(&a, {5.0f, 0.0f}, 1.0f, Logger("added"));
    });
    tweens->TweenVector2(&a, {0.0f, 1.0f}, 0.1f, Logger("new"));
    Update(0.2f);
    EXPECT_EQ(log, (Log{"new", "old"}));
    ASSERT_EQ(tweens->Sequences().size(), 1u);
    Update(1.0f);
    EXPECT_EQ(log, (Log{"new", "old", "added"}));
    EXPECT_EQ(a, Vector2(5.0f, 0.0f));
}

TEST_F(TweenTest, ASequenceWithoutStepsCompletesInsteadOfCrashing) {
    tweens->AddSequence(Logger("complete"));
    Update();
    EXPECT_EQ(log, (Log{"complete"}));
    EXPECT_TRUE(tweens->Sequences().empty());
}

TEST_F(TweenTest, DeletingTheBehaviourCallsNoCallback) {
    Vector2 a{0.0f, 0.0f};
    tweens->TweenVector2(&a, {1.0f, 0.0f}, 1.0f, Logger("complete"));
    delete tweens;
    EXPECT_TRUE(log.empty());
}

class TweensPrefabTest : public PrefabTestContent {};

TEST_F(TweensPrefabTest, PrefabsCreateTweensByTypeNameAndFillTheShortcut) {
    AddPrefab("Mover", R"({"Components": {"Pos2dComponent": "", "TweensBhv": ""}, "AutoCreate": ""})");
    GameObject mover("Mover");
    ASSERT_NE(mover.Tweens(), nullptr);
    EXPECT_EQ(mover.Tweens(), mover.Behaviors()[0]);
    EXPECT_EQ(mover.Tweens()->Tweens(), mover.Tweens());
    EXPECT_EQ(mover.Tweens()->Pos2d(), mover.Pos2d());
}

}  // namespace
