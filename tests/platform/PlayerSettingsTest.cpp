#include "platform/PlayerSettings.h"

#include "support/PrefabTestContent.h"

#include <gtest/gtest.h>

namespace {

class PlayerSettingsTest : public ::testing::Test, protected TempContent {
protected:
    std::filesystem::path File() const { return dir / "config" / "vellimor" / "settings.json"; }
};

TEST_F(PlayerSettingsTest, TheFirstRunHasDefaultsQuietlyAndASaveIsReadBack) {
    EXPECT_FALSE(PlayerSettings::Load(File()).Fullscreen);
    EXPECT_TRUE(warnings.empty());

    PlayerSettings chosen;
    chosen.Fullscreen = true;
    ASSERT_TRUE(chosen.Save(File()));  // makes the directories
    EXPECT_TRUE(PlayerSettings::Load(File()).Fullscreen);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(PlayerSettingsTest, AnUnreadableFileGivesDefaultsAndOneWarningNamingIt) {
    std::filesystem::create_directories(File().parent_path());
    const std::string texts[] = {"{ \"Fullscreen\": ", "{ \"Fullscreen\": \"sometimes\" }",
                                 "{ \"Fullscreen\": true, \"A\": " + std::string(100000, '[')};
    for (const std::string& text : texts) {
        warnings.clear();
        WriteFile(File(), text);
        EXPECT_FALSE(PlayerSettings::Load(File()).Fullscreen) << text.substr(0, 40);
        ASSERT_EQ(warnings.size(), 1u) << text.substr(0, 40);
        EXPECT_NE(warnings[0].find(File().string()), std::string::npos) << warnings[0];
    }
    // A directory where the file should be.
    warnings.clear();
    std::filesystem::remove(File());
    std::filesystem::create_directories(File());
    EXPECT_FALSE(PlayerSettings::Load(File()).Fullscreen);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(File().string() + ": cannot read file"), std::string::npos) << warnings[0];
}

TEST_F(PlayerSettingsTest, TheWindowSizeIsKeptAndABadOneFallsBackAloneWithOneWarning) {
    PlayerSettings chosen;
    chosen.Fullscreen = true;
    chosen.WindowWidth = 1600;
    chosen.WindowHeight = 1000;
    ASSERT_TRUE(chosen.Save(File()));
    const PlayerSettings read = PlayerSettings::Load(File());
    EXPECT_EQ(read.WindowWidth, 1600);
    EXPECT_EQ(read.WindowHeight, 1000);

    // An older file without a size: the default, quietly.
    WriteFile(File(), "{ \"Fullscreen\": true }");
    EXPECT_EQ(PlayerSettings::Load(File()).WindowWidth, 1280);
    EXPECT_TRUE(warnings.empty());

    const std::string sizes[] = {
        "\"WindowWidth\": 0, \"WindowHeight\": 720",       "\"WindowWidth\": -1600, \"WindowHeight\": 1000",
        "\"WindowWidth\": 1600.5, \"WindowHeight\": 1000", "\"WindowWidth\": \"wide\", \"WindowHeight\": 1000",
        "\"WindowWidth\": 1600, \"WindowHeight\": 99999",  "\"WindowWidth\": 1600, \"WindowHeight\": 9999999999",
        "\"WindowWidth\": 1600",                           "\"WindowWidth\": 1600, \"WindowHeight\": [1000]",
    };
    for (const std::string& size : sizes) {
        warnings.clear();
        WriteFile(File(), "{ \"Fullscreen\": true, " + size + " }");
        const PlayerSettings fallback = PlayerSettings::Load(File());
        EXPECT_EQ(fallback.WindowWidth, 1280) << size;
        EXPECT_EQ(fallback.WindowHeight, 720) << size;
        EXPECT_TRUE(fallback.Fullscreen) << size;  // the rest of the file still counts
        ASSERT_EQ(warnings.size(), 1u) << size;
        EXPECT_NE(warnings[0].find(File().string()), std::string::npos) << warnings[0];
    }
}

TEST_F(PlayerSettingsTest, TheSoundAndVSyncChoicesAreKeptAndEachBadOneFallsBackAloneWithOneWarning) {
    PlayerSettings chosen;
    chosen.MasterVolume = 70;
    chosen.MusicVolume = 0;
    chosen.EffectsVolume = 100;
    chosen.Mute = true;
    chosen.VSync = false;
    ASSERT_TRUE(chosen.Save(File()));
    const PlayerSettings read = PlayerSettings::Load(File());
    EXPECT_EQ(read.MasterVolume, 70);
    EXPECT_EQ(read.MusicVolume, 0);
    EXPECT_EQ(read.EffectsVolume, 100);
    EXPECT_TRUE(read.Mute);
    EXPECT_FALSE(read.VSync);

    // An older file without them: the defaults, quietly.
    WriteFile(File(), "{ \"Fullscreen\": true }");
    const PlayerSettings older = PlayerSettings::Load(File());
    EXPECT_EQ(older.MusicVolume, 100);
    EXPECT_FALSE(older.Mute);
    EXPECT_TRUE(older.VSync);
    EXPECT_TRUE(warnings.empty());

    // Each bad value alone: it takes its default, the rest of the file still counts.
    const std::pair<std::string, std::string> bad[] = {
        {"MusicVolume", "55"},   {"MusicVolume", "110"},  {"MusicVolume", "-10"}, {"MusicVolume", "40.0"},
        {"MusicVolume", "\"loud\""}, {"MusicVolume", "[40]"}, {"Mute", "\"yes\""},   {"Mute", "{}"},
        {"VSync", "2"},
    };
    for (const auto& [key, value] : bad) {
        warnings.clear();
        WriteFile(File(), "{ \"MasterVolume\": 30, \"EffectsVolume\": 20, \"" + key + "\": " + value + " }");
        const PlayerSettings fallback = PlayerSettings::Load(File());
        EXPECT_EQ(fallback.MusicVolume, 100) << key << value;
        EXPECT_FALSE(fallback.Mute) << key << value;
        EXPECT_TRUE(fallback.VSync) << key << value;
        EXPECT_EQ(fallback.MasterVolume, 30) << key << value;
        EXPECT_EQ(fallback.EffectsVolume, 20) << key << value;
        ASSERT_EQ(warnings.size(), 1u) << key << value;
        EXPECT_NE(warnings[0].find(File().string() + ": \"" + key + "\""), std::string::npos) << warnings[0];
    }
}

TEST_F(PlayerSettingsTest, AFailedSaveWarnsAndReportsIt) {
    std::filesystem::create_directories(dir / "config");
    WriteFile(dir / "config" / "vellimor", "a file where the directory should be");
    EXPECT_FALSE(PlayerSettings{}.Save(File()));
    EXPECT_EQ(warnings.size(), 1u);
}

}  // namespace
