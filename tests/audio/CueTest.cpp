#include "audio/ChannelPool.h"
#include "audio/CueLoopedBhv.h"
#include "audio/CueManagerBhv.h"
#include "audio/CueOneShotBhv.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "core/DeletionQueues.h"
#include "core/GameObject.h"
#include "game/TreePasses.h"
#include "platform/AudioDevice.h"
#include "script/RandomManager.h"
#include "support/AudioFiles.h"
#include "support/LoopbackSound.h"
#include "support/PrefabTestContent.h"

namespace {

// Cue prefabs over a loopback device: what a cue plays is rendered into memory.
class CueTest : public PrefabTestContent {
protected:
    void SetUp() override {
        engine.Make(Engine::RandomManager);
        output = UseLoopbackSound(engine, 1, dir / "Sounds");
        if (output == nullptr) {
            GTEST_SKIP() << "OpenAL Soft without the loopback extension";
        }
        std::filesystem::create_directories(dir / "Sounds" / "Main");
        WriteSamples(dir / "Sounds" / "Main" / "Tone.wav", Tone(441, 4410));  // 0.1 s

        cues = AddCueManager();
    }

    void AddCue(const std::string& name, const std::string& behaviour, const std::string& properties) {
        AddPrefab("Cue_" + name, R"({"Components": {"CueComponent": "", ")" + behaviour + R"(": {)" + properties +
                                     R"(}}, "AutoCreate": ""})");
    }
    void LoadSounds() { Engine::SoundManager->LoadBank("Main"); }
    std::vector<float> Render(int frames) {
        std::vector<float> out(static_cast<std::size_t>(frames));
        output->Render(out.data(), frames);
        return out;
    }

    AudioDevice* output = nullptr;
    GameObject* cues = nullptr;
};

TEST_F(CueTest, PitchInSemitonesScalesFrequencyAndVolumeScalesAmplitude) {
    AddCue("Plain", "CueOneShotBhv", R"("SoundName": "Tone")");
    AddCue("Up", "CueOneShotBhv", R"("SoundName": "Tone", "Pitch": "12")");
    AddCue("Down", "CueOneShotBhv", R"("SoundName": "Tone", "Pitch": "-12")");
    AddCue("Quiet", "CueOneShotBhv", R"("SoundName": "Tone", "Volume": "0.5")");
    LoadSounds();
    auto heard = [&](const char* cue) {
        PlayCue(cue);
        return Render(2205);  // 0.05 s, inside even the octave-up play
    };
    const auto plain = heard("Plain");
    Render(8820);
    const auto up = heard("Up");
    Render(8820);
    const auto down = heard("Down");
    Render(8820);
    const auto quiet = heard("Quiet");
    EXPECT_NEAR(RisingZeroCrossings(up), 2 * RisingZeroCrossings(plain), 2);
    EXPECT_NEAR(RisingZeroCrossings(down) * 2, RisingZeroCrossings(plain), 2);
    EXPECT_NEAR(Peak(quiet) / Peak(plain), 0.5f, 0.02f);
}

TEST_F(CueTest, PitchVariationGivesEachPlayItsOwnPitchWithinRange) {
    AddCue("Varied", "CueOneShotBhv", R"("SoundName": "Tone", "PitchVariation": "2")");
    LoadSounds();
    Engine::RandomManager->Seed(1234);
    std::vector<int> crossings;
    for (int i = 0; i < 6; ++i) {
        PlayCue("Varied");
        crossings.push_back(RisingZeroCrossings(Render(4000)));
        Render(20000);
    }
    const int plain = 40;  // 441 Hz over 4000 samples
    for (int c : crossings) {
        EXPECT_GE(c, plain * 0.89 - 1) << "below -2 semitones";
        EXPECT_LE(c, plain * 1.12 + 1) << "above +2 semitones";
    }
    EXPECT_NE(*std::min_element(crossings.begin(), crossings.end()),
              *std::max_element(crossings.begin(), crossings.end()));
}

TEST_F(CueTest, AOneShotQueuesItsObjectInTheFirstUpdateAfterItsSoundEnds) {
    AddCue("Blip", "CueOneShotBhv", R"("SoundName": "Tone")");
    LoadSounds();
    PlayCue("Blip");
    ASSERT_EQ(cues->Children().size(), 1u);
    GameObject* blip = cues->Children()[0];

    TreePasses::UpdatePass(&root);
    EXPECT_FALSE(blip->IsQueuedForDeletion()) << "still playing";
    EXPECT_GT(Peak(Render(4410)), 0.1f);
    Render(100);
    TreePasses::UpdatePass(&root);
    EXPECT_TRUE(blip->IsQueuedForDeletion());
    deletions.DeleteQueued();
    EXPECT_TRUE(cues->Children().empty());
}

TEST_F(CueTest, ALoopedCueSoundsUntilItsObjectIsDestroyedAndIsSilentRightAfter) {
    AddCue("Crackle", "CueLoopedBhv", R"("SoundName": "Tone", "Volume": "0.8")");
    LoadSounds();
    CueLoopedBhv* loop = PlayLoopedCue("Crackle");
    ASSERT_NE(loop, nullptr);
    for (int i = 0; i < 5; ++i) {  // five times the sound's length
        EXPECT_GT(Peak(Render(4410)), 0.3f) << "round " << i;
        TreePasses::UpdatePass(&root);
    }
    EXPECT_FALSE(loop->Owner()->IsQueuedForDeletion());
    loop->Owner()->Destroy();
    deletions.DeleteQueued();
    EXPECT_EQ(Peak(Render(1000)), 0.0f);
}

TEST_F(CueTest, StopLoopSilencesAndQueuesOnce) {
    AddCue("Crackle", "CueLoopedBhv", R"("SoundName": "Tone")");
    LoadSounds();
    CueLoopedBhv* loop = PlayLoopedCue("Crackle");
    ASSERT_NE(loop, nullptr);
    loop->StopLoop();
    loop->StopLoop();
    EXPECT_EQ(deletions.ObjectsToDelete.size(), 1u);
    EXPECT_EQ(Peak(Render(1000)), 0.0f);
}

TEST_F(CueTest, MissingPiecesMeanNothingHappens) {
    AddCue("Ghost", "CueOneShotBhv", R"("SoundName": "NoSuchSound")");
    AddPrefab("Cue_NoTrigger", R"({"Components": {"CueOneShotBhv": {"SoundName": "Tone"}}, "AutoCreate": ""})");
    LoadSounds();
    PlayCue("NoSuchCue");
    EXPECT_TRUE(cues->Children().empty());
    EXPECT_EQ(PlayLoopedCue("Ghost"), nullptr) << "a one-shot cue has no looped behaviour";
    PlayCue("NoTrigger");
    EXPECT_EQ(Peak(Render(1000)), 0.0f);
    TreePasses::UpdatePass(&root);
    EXPECT_EQ(cues->Children().size(), 2u) << "an unknown sound leaves its cue object in place";

    cues->Destroy();
    deletions.DeleteQueued();
    EXPECT_EQ(Engine::CueManager, nullptr);
    PlayCue("Ghost");  // no cue manager: nothing, no crash
}

// A looped cue too: a burning ant holds its crackle until the cue goes, and without a
// device nothing else would ever remove the cue object.
TEST_F(CueTest, SilentGameStillCleansUpOneShotsAndLoops) {
    AddCue("Blip", "CueOneShotBhv", R"("SoundName": "Tone")");
    AddCue("Crackle", "CueLoopedBhv", R"("SoundName": "Tone")");
    engine.Make(Engine::SoundManager, nullptr, dir / "Sounds");
    LoadSounds();
    PlayCue("Blip");
    ASSERT_NE(PlayLoopedCue("Crackle"), nullptr);
    TreePasses::UpdatePass(&root);
    ASSERT_EQ(cues->Children().size(), 2u);
    EXPECT_TRUE(cues->Children()[0]->IsQueuedForDeletion());
    EXPECT_TRUE(cues->Children()[1]->IsQueuedForDeletion());
}

}  // namespace
