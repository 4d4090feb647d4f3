#include "audio/ChannelPool.h"
#include "audio/Sound.h"
#include "audio/SoundManager.h"
#include "platform/AudioDevice.h"
#include "support/AudioFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               (std::string("vellimor-sounds-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "A");
        fs::create_directories(root / "B");
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
};

TEST_F(SoundManagerTest, BanksAreSearchedInNameOrderAndKeepTheStemsCase) {
    WriteSamples(root / "B" / "Click.wav", Tone(440, 1000));
    WriteSamples(root / "A" / "Click.wav", Tone(880, 2000));
    WriteSamples(root / "A" / "Sizzle.WAV", Tone(220, 500));
    std::ofstream(root / "A" / "readme.txt") << "not a sound";
    fs::create_directories(root / "A" / "Nested.wav");

    SoundManager sounds(nullptr, root);
    sounds.LoadBank("B");
    sounds.LoadBank("A");
    ASSERT_NE(sounds.FindSound("Click"), nullptr);
    EXPECT_EQ(sounds.FindSound("Click")->Frames(), 2000) << "bank A sorts first";
    EXPECT_NE(sounds.FindSound("Sizzle"), nullptr);
    EXPECT_EQ(sounds.FindSound("sizzle"), nullptr);
    EXPECT_EQ(sounds.FindSound("readme"), nullptr);
    EXPECT_EQ(sounds.FindSound("Nested"), nullptr);

    sounds.UnloadBank("A");
    ASSERT_NE(sounds.FindSound("Click"), nullptr);
    EXPECT_EQ(sounds.FindSound("Click")->Frames(), 1000);
}

TEST_F(SoundManagerTest, ABankLoadedTwiceKeepsItsFirstContents) {
    WriteSamples(root / "A" / "Click.wav", Tone(440, 1000));
    SoundManager sounds(nullptr, root);
    sounds.LoadBank("A");
    Sound* first = sounds.FindSound("Click");
    WriteSamples(root / "A" / "Click.wav", Tone(440, 3000));
    sounds.LoadBank("A");
    EXPECT_EQ(sounds.FindSound("Click"), first);
}

TEST_F(SoundManagerTest, AMissingBankDirectoryNamesIt) {
    SoundManager sounds(nullptr, root);
    try {
        sounds.LoadBank("Missing");
        FAIL() << "expected an error";
    } catch (const fs::filesystem_error& e) {
        EXPECT_NE(std::string(e.what()).find("Missing"), std::string::npos);
    }
}

TEST_F(SoundManagerTest, WithoutADeviceEverythingIsAQuietNoOp) {
    WriteSamples(root / "A" / "Click.wav", Tone(440, 1000));
    SoundManager sounds(nullptr, root);
    EXPECT_TRUE(sounds.IsSilent());
    sounds.LoadBank("A");
    Sound* click = sounds.FindSound("Click");
    ASSERT_NE(click, nullptr);
    const SoundChannel channel = sounds.Play(*click, false);
    EXPECT_FALSE(channel.IsValid());
    EXPECT_EQ(sounds.Channels(), nullptr);
}

class LoopbackTest : public SoundManagerTest {
protected:
    void SetUp() override {
        SoundManagerTest::SetUp();
        auto device = AudioDevice::OpenLoopback(44100, 1);
        if (device == nullptr) {
            GTEST_SKIP() << "OpenAL Soft without the loopback extension";
        }
        sounds = std::make_unique<SoundManager>(std::move(device), root);
    }
    std::vector<float> Render(int frames) {
        std::vector<float> out(static_cast<std::size_t>(frames));
        sounds->Device()->Render(out.data(), frames);
        return out;
    }

    std::unique_ptr<SoundManager> sounds;
};

TEST_F(LoopbackTest, PitchScalesTheHeardFrequencyAndVolumeTheAmplitude) {
    WriteSamples(root / "A" / "Tone.wav", Tone(441, 44100));
    sounds->LoadBank("A");
    const Sound& tone = *sounds->FindSound("Tone");
    ChannelPool& channels = *sounds->Channels();

    auto heard = [&](float pitch, float volume) {
        const SoundChannel channel = sounds->Play(tone, true);
        channels.SetPitch(channel, pitch);
        channels.SetVolume(channel, volume);
        channels.SetPaused(channel, false);
        std::vector<float> out = Render(8820);  // 0.2 s
        channels.Stop(channel);
        return out;
    };
    const std::vector<float> plain = heard(1.0f, 1.0f);
    const std::vector<float> octaveUp = heard(2.0f, 1.0f);
    const std::vector<float> octaveDown = heard(0.5f, 1.0f);
    const std::vector<float> half = heard(1.0f, 0.5f);

    EXPECT_NEAR(RisingZeroCrossings(plain), 88, 2);
    EXPECT_NEAR(RisingZeroCrossings(octaveUp), 176, 3);
    EXPECT_NEAR(RisingZeroCrossings(octaveDown), 44, 2);
    EXPECT_NEAR(Peak(plain), 0.5f, 0.02f);
    EXPECT_NEAR(Peak(half) / Peak(plain), 0.5f, 0.02f);
}

TEST_F(LoopbackTest, AChannelStartedPausedIsSilentUntilUnpaused) {
    WriteSamples(root / "A" / "Tone.wav", Tone(441, 4410));
    sounds->LoadBank("A");
    const SoundChannel channel = sounds->Play(*sounds->FindSound("Tone"), true);
    EXPECT_TRUE(sounds->Channels()->IsPlaying(channel));
    EXPECT_EQ(Peak(Render(1000)), 0.0f);
    sounds->Channels()->SetPaused(channel, false);
    EXPECT_GT(Peak(Render(1000)), 0.4f);
    Render(4410);
    EXPECT_FALSE(sounds->Channels()->IsPlaying(channel)) << "a one-shot ends with its sound";
}

TEST_F(LoopbackTest, WhenAllChannelsAreBusyTheOldestOneShotGivesWay) {
    WriteSamples(root / "A" / "Long.wav", Tone(441, 44100));
    sounds->LoadBank("A");
    const Sound& longSound = *sounds->FindSound("Long");
    ChannelPool& channels = *sounds->Channels();

    const SoundChannel looped = sounds->Play(longSound, false);
    channels.SetLooping(looped, true);
    std::vector<SoundChannel> oneShots;
    for (int i = 1; i < ChannelPool::kChannelCount; ++i) {
        oneShots.push_back(sounds->Play(longSound, false));
    }
    const SoundChannel extra = sounds->Play(longSound, false);
    EXPECT_TRUE(channels.IsPlaying(extra));
    EXPECT_TRUE(channels.IsPlaying(looped)) << "the looped sound is older but not a one-shot";
    EXPECT_FALSE(channels.IsPlaying(oneShots.front())) << "the oldest one-shot lost its channel";
    EXPECT_TRUE(channels.IsPlaying(oneShots[1]));
    channels.SetVolume(oneShots.front(), 0.0f);  // a stale handle changes nothing
    EXPECT_EQ(extra.Index, oneShots.front().Index);
}

TEST_F(LoopbackTest, UnloadingABankStopsItsSoundsFirst) {
    WriteSamples(root / "A" / "Tone.wav", Tone(441, 44100));
    sounds->LoadBank("A");
    const SoundChannel channel = sounds->Play(*sounds->FindSound("Tone"), false);
    sounds->UnloadBank("A");
    EXPECT_FALSE(sounds->Channels()->IsPlaying(channel));
    EXPECT_EQ(Peak(Render(500)), 0.0f);
}

}  // namespace
