#include "audio/MusicManager.h"
#include "audio/MusicStream.h"
#include "audio/SoundManager.h"
#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "platform/AudioDevice.h"
#include "support/AudioFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

// A track whose every sample is distinct (a ramp), so any slip in the loop shows.
std::vector<short> Ramp(int frames) {
    std::vector<short> samples(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        samples[static_cast<std::size_t>(i)] = static_cast<short>(i % 30000 - 15000);
    }
    return samples;
}

class MusicManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              (std::string("vellimor-music-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void WriteLoopFile(const std::string& name, const std::string& json) { std::ofstream(dir / name) << json; }

    fs::path dir;
};

std::vector<short> ReadFrames(MusicStream& stream, std::size_t frames, std::size_t chunk) {
    std::vector<short> out(frames);
    std::size_t done = 0;
    while (done < frames) {
        const std::size_t want = std::min(chunk, frames - done);
        const std::size_t got = stream.Read(out.data() + done, want);
        EXPECT_EQ(got, want);
        if (got == 0) {
            break;
        }
        done += got;
    }
    return out;
}

TEST_F(MusicManagerTest, StreamPlaysTheIntroOnceThenRepeatsTheLoopExactly) {
    const std::vector<short> track = Ramp(20000);
    for (const char* format : {"wav", "flac"}) {
        const fs::path file = dir / (std::string("Song.") + format);
        WriteSamples(file, track, 44100,
                     std::string(format) == "wav" ? SF_FORMAT_WAV | SF_FORMAT_PCM_16 : SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        auto stream = MusicStream::Open({file.string(), 5000, 12999});
        ASSERT_NE(stream, nullptr);
        // Odd chunk sizes cross the loop end at every offset.
        const std::vector<short> heard = ReadFrames(*stream, 13000 + 3 * 8000, 997);
        std::vector<short> expected(track.begin(), track.begin() + 13000);
        for (int i = 0; i < 3; ++i) {
            expected.insert(expected.end(), track.begin() + 5000, track.begin() + 13000);
        }
        EXPECT_EQ(heard, expected) << format;
    }
}

TEST_F(MusicManagerTest, WithoutALoopFileTheWholeTrackRepeats) {
    const std::vector<short> track = Ramp(3000);
    WriteSamples(dir / "Plain.wav", track);
    MusicManager music(false, dir);
    ASSERT_EQ(music.Tracks().count("Plain"), 1u);
    EXPECT_FALSE(music.Tracks().at("Plain").HasLoop());
    auto stream = MusicStream::Open(music.Tracks().at("Plain"));
    const std::vector<short> heard = ReadFrames(*stream, 7000, 1024);
    for (std::size_t i = 0; i < heard.size(); ++i) {
        ASSERT_EQ(heard[i], track[i % 3000]) << "at frame " << i;
    }
}

TEST_F(MusicManagerTest, LoopFilesMatchTracksByStemInAnyCase) {
    WriteSamples(dir / "Ambient.wav", Ramp(10000));
    WriteLoopFile("Ambient.JSON", R"({"LoopStartSample": 100, "LoopEndSample": "9000"})");
    WriteLoopFile("Orphan.json", R"({"LoopStartSample": 1, "LoopEndSample": 2})");
    MusicManager music(false, dir);
    ASSERT_EQ(music.Tracks().size(), 1u);
    EXPECT_EQ(music.Tracks().at("Ambient").LoopStartSample, 100);
    EXPECT_EQ(music.Tracks().at("Ambient").LoopEndSample, 9000);
}

TEST_F(MusicManagerTest, BrokenLoopFilesAreContentErrorsNamingTheFile) {
    WriteSamples(dir / "Ambient.wav", Ramp(10000));
    const std::pair<const char*, const char*> cases[] = {
        {R"({"LoopStartSample": 1)", "line 1: "},
        {R"({"LoopStartSample": 1})", "No such node (LoopEndSample)"},
        {R"({"LoopStartSample": 1, "LoopEndSample": 2.5})", "\"LoopEndSample\" is not an integer: \"2.5\""},
    };
    for (const auto& [json, problem] : cases) {
        WriteLoopFile("Ambient.json", json);
        try {
            MusicManager music(false, dir);
            FAIL() << "accepted " << json;
        } catch (const ContentError& e) {
            EXPECT_EQ(std::string(e.what()).rfind((dir / "Ambient.json").string() + ": " + problem, 0), 0u)
                << e.what();
        }
    }
}

TEST_F(MusicManagerTest, LoopPointsOutsideTheTrackFallBackToTheWholeTrackWithAWarning) {
    WriteSamples(dir / "Ambient.wav", Ramp(10000));
    std::vector<std::string> warnings;
    ContentLog::SetSink([&](ContentLog::Level level, const std::string& text) {
        if (level == ContentLog::Level::Warning) {
            warnings.push_back(text);
        }
    });
    for (const char* json : {R"({"LoopStartSample": 100, "LoopEndSample": 10000})",
                             R"({"LoopStartSample": 500, "LoopEndSample": 400})",
                             R"({"LoopStartSample": -5, "LoopEndSample": 400})"}) {
        WriteLoopFile("Ambient.json", json);
        MusicManager music(false, dir);
        EXPECT_FALSE(music.Tracks().at("Ambient").HasLoop()) << json;
    }
    ContentLog::SetSink(nullptr);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0].rfind((dir / "Ambient.json").string() + ": loop 100..10000 does not fit", 0), 0u)
        << warnings[0];
}

TEST_F(MusicManagerTest, RenderedMusicFollowsTheLoopPointsAndRestartsOnReplay) {
    auto device = AudioDevice::OpenLoopback(44100, 1);
    if (device == nullptr) {
        GTEST_SKIP() << "OpenAL Soft without the loopback extension";
    }
    AudioDevice& output = *device;
    SoundManager sounds(std::move(device), dir);
    const std::vector<short> track = Ramp(30000);
    WriteSamples(dir / "Theme.flac", track, 44100, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    WriteLoopFile("Theme.json", R"({"LoopStartSample": 10000, "LoopEndSample": 19999})");
    MusicManager music(true, dir);

    auto listen = [&](int frames) {
        std::vector<float> heard;
        std::vector<float> chunk(1024);
        while (static_cast<int>(heard.size()) < frames) {
            output.Render(chunk.data(), 1024);
            heard.insert(heard.end(), chunk.begin(), chunk.end());
            music.Update();
        }
        heard.resize(static_cast<std::size_t>(frames));
        return heard;
    };
    auto expectTrackFrames = [&](const std::vector<float>& heard, std::size_t from, int firstFrame, int count) {
        for (int i = 0; i < count; ++i) {
            const float expected = track[static_cast<std::size_t>(firstFrame + i)] / 32768.0f;
            ASSERT_NEAR(heard[from + static_cast<std::size_t>(i)], expected, 2e-4f) << "at heard frame " << from + i;
        }
    };

    music.PlayMusic("Theme");
    const std::vector<float> heard = listen(20000 + 2 * 10000 + 100);
    expectTrackFrames(heard, 0, 0, 20000);
    expectTrackFrames(heard, 20000, 10000, 10000);
    expectTrackFrames(heard, 30000, 10000, 10000);

    music.PlayMusic("Theme");
    expectTrackFrames(listen(3000), 0, 0, 3000);
    music.PlayMusic("NoSuchTrack");
    EXPECT_TRUE(music.IsPlaying()) << "an unknown name leaves the music playing";
}

}  // namespace
