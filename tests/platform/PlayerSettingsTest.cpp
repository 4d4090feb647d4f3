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
    for (const char* text : {"{ \"Fullscreen\": ", "{ \"Fullscreen\": \"sometimes\" }"}) {
        warnings.clear();
        WriteFile(File(), text);
        EXPECT_FALSE(PlayerSettings::Load(File()).Fullscreen) << text;
        ASSERT_EQ(warnings.size(), 1u) << text;
        EXPECT_NE(warnings[0].find(File().string()), std::string::npos) << warnings[0];
    }
}

TEST_F(PlayerSettingsTest, AFailedSaveWarnsAndReportsIt) {
    std::filesystem::create_directories(dir / "config");
    WriteFile(dir / "config" / "vellimor", "a file where the directory should be");
    EXPECT_FALSE(PlayerSettings{}.Save(File()));
    EXPECT_EQ(warnings.size(), 1u);
}

}  // namespace
