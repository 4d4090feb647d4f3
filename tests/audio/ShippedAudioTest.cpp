#include "app/Edition.h"
#include "audio/CueLoopedBhv.h"
#include "audio/CueManagerBhv.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "platform/AudioDevice.h"
#include "prefabs/PrefabManager.h"
#include "script/RandomManager.h"
#include "support/AudioFiles.h"
#include "support/LoopbackSound.h"

#include <gtest/gtest.h>

namespace {

// The game's own Content (built beside the test binary): every cue prefab and the
// music play through a loopback device, are heard, and never clip.
TEST(ShippedAudioTest, EveryCueAndTheMusicAreAudibleAndNeverClip) {
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    engine.Make(Engine::RandomManager);
    engine.Make(Engine::GameConfig).Load();
    engine.Make(Engine::Prefabs).RegisterTypes(RegisterComponentTypes);
    engine.Make(Engine::Root);
    AudioDevice* loopback = UseLoopbackSound(engine, 2);
    if (loopback == nullptr) {
        GTEST_SKIP() << "OpenAL Soft without the loopback extension";
    }
    AudioDevice& output = *loopback;
    Engine::SoundManager->LoadBank("Main");
    engine.Make(Engine::MusicManager, true);

    GameObject* cues = AddCueManager();

    auto listen = [&](int frames) {
        std::vector<float> heard;
        std::vector<float> chunk(2 * 1024);
        while (static_cast<int>(heard.size()) < 2 * frames) {
            output.Render(chunk.data(), 1024);
            heard.insert(heard.end(), chunk.begin(), chunk.end());
            Engine::MusicManager->Update();
        }
        return heard;
    };

    int played = 0;
    for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
        if (name.rfind("Cue_", 0) != 0) {
            continue;
        }
        PlayCue(name.substr(4));
        ASSERT_EQ(cues->Children().size(), 1u) << name;
        const bool looped = cues->Children()[0]->GetComponent<CueLoopedBhv>() != nullptr;
        const float peak = Peak(listen(44100));
        EXPECT_GT(peak, 0.05f) << name << " is not heard";
        EXPECT_LT(peak, 0.999f) << name << " clips";
        cues->Children()[0]->Destroy();
        deletions.DeleteQueued();
        if (looped) {
            EXPECT_EQ(Peak(listen(1024)), 0.0f) << name << " goes on after its object is gone";
        } else {
            // A one-shot plays to its end; let it, so the next cue is heard alone.
            listen(4 * 44100);
            EXPECT_EQ(Peak(listen(1024)), 0.0f) << name << " does not end";
        }
        ++played;
    }
    EXPECT_EQ(played, 7);

    ASSERT_EQ(Engine::MusicManager->Tracks().count("AmbientWeirdness"), 1u);
    EXPECT_TRUE(Engine::MusicManager->Tracks().at("AmbientWeirdness").HasLoop());
    Engine::MusicManager->PlayMusic("AmbientWeirdness");
    const float musicPeak = Peak(listen(3 * 44100));
    EXPECT_GT(musicPeak, 0.05f);
    EXPECT_LT(musicPeak, 0.999f);
}

}  // namespace
