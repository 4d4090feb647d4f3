#include "audio/ChannelPool.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "audio/VolumeLevels.h"
#include "platform/AudioDevice.h"
#include "support/AudioFiles.h"

#include <gtest/gtest.h>

#include <complex>

namespace {

namespace fs = std::filesystem;

// 441 Hz repeats every 100 samples and 1470 Hz every 30, so a window of 3000 holds
// whole periods of both and each one's amplitude is measured apart from the other's.
constexpr int kMusicHz = 441;
constexpr int kEffectHz = 1470;
constexpr int kWindow = 3000;

float AmplitudeAt(const std::vector<float>& samples, int hz) {
    std::complex<double> sum;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        sum += static_cast<double>(samples[n]) * std::polar(1.0, -2.0 * M_PI * hz * static_cast<double>(n) / 44100.0);
    }
    return static_cast<float>(2.0 * std::abs(sum) / static_cast<double>(samples.size()));
}

class VolumeLevelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / "vellimor-volume-levels";
        fs::remove_all(dir);
        fs::create_directories(dir / "Music");
        fs::create_directories(dir / "Sounds" / "Main");
        WriteSamples(dir / "Music" / "Theme.wav", Tone(kMusicHz, 44100));
        WriteSamples(dir / "Sounds" / "Main" / "Hum.wav", Tone(kEffectHz, 44100));
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

TEST_F(VolumeLevelsTest, EachLevelReachesWhatOpenAlRenders) {
    auto device = AudioDevice::OpenLoopback(44100, 1);
    if (device == nullptr) {
        GTEST_SKIP() << "OpenAL Soft without the loopback extension";
    }
    AudioDevice& output = *device;
    SoundManager sounds(std::move(device), dir / "Sounds");
    sounds.LoadBank("Main");
    MusicManager music(true, dir / "Music");
    music.PlayMusic("Theme");
    SoundChannel hum = sounds.Play(*sounds.FindSound("Hum"), false);
    sounds.Channels()->SetLooping(hum, true);

    // Applies the levels, lets OpenAL's gain ramps settle, then measures a window.
    auto heard = [&](const VolumeLevels& levels) {
        sounds.ApplyLevels(levels);
        music.SetGain(levels.MusicGain());
        std::vector<float> samples(kWindow);
        for (int settle = 0; settle < 3; ++settle) {
            output.Render(samples.data(), kWindow);
            music.Update();
        }
        output.Render(samples.data(), kWindow);
        music.Update();
        return std::make_pair(AmplitudeAt(samples, kMusicHz), AmplitudeAt(samples, kEffectHz));
    };
    struct Case {
        VolumeLevels levels;
        float music;
        float effect;
    };
    // The tones are written at half of full scale; gains are the percent squared.
    const Case cases[] = {
        {{100, 100, 100, false}, 0.5f, 0.5f},
        {{100, 0, 100, false}, 0.0f, 0.5f},     // music at 0 is silent, effects still sound
        {{100, 100, 0, false}, 0.5f, 0.0f},
        {{50, 100, 100, false}, 0.125f, 0.125f},
        {{100, 70, 30, false}, 0.245f, 0.045f},
        {{100, 100, 100, true}, 0.0f, 0.0f},   // mute silences everything
        {{80, 70, 30, false}, 0.1568f, 0.0288f},  // and the levels are back after it
    };
    for (const Case& c : cases) {
        const auto [musicHeard, effectHeard] = heard(c.levels);
        const std::string what = "master " + std::to_string(c.levels.Master) + ", music " +
                                 std::to_string(c.levels.Music) + ", effects " + std::to_string(c.levels.Effects) +
                                 (c.levels.Mute ? ", muted" : "");
        EXPECT_NEAR(musicHeard, c.music, 0.005f) << what;
        EXPECT_NEAR(effectHeard, c.effect, 0.005f) << what;
    }

    // A sound started later takes the effects level too, times its own volume.
    sounds.Channels()->Stop(hum);
    hum = sounds.Play(*sounds.FindSound("Hum"), true);
    sounds.Channels()->SetLooping(hum, true);
    sounds.Channels()->SetVolume(hum, 0.5f);
    sounds.Channels()->SetPaused(hum, false);
    EXPECT_NEAR(heard({100, 100, 30, false}).second, 0.0225f, 0.003f);
}

}  // namespace
