#include "core/ContentError.h"
#include "core/GameConfig.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

class GameConfigTest : public ::testing::Test {
protected:
    GameConfigTest() {
        dir = std::filesystem::temp_directory_path() / ("vellimor-config-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Content" / "Config");
        config.ContentDirectory = dir / "Content";
    }
    ~GameConfigTest() override { std::filesystem::remove_all(dir); }

    void WriteConfig(const std::string& text) { std::ofstream(config.ConfigFile()) << text; }

    std::filesystem::path dir;
    GameConfig config;
};

TEST_F(GameConfigTest, AMissingFileOrAnEmptyPathKeepsTheInstalledDirectories) {
    config.Load();
    EXPECT_EQ(config.DevelopmentContentPath, "");
    EXPECT_EQ(config.DevelopmentDirectory("Prefabs"), dir / "Content" / "Prefabs");

    WriteConfig(R"({"DevelopmentContentPath": ""})");
    config.Load();
    EXPECT_EQ(config.DevelopmentDirectory("Animations"), dir / "Content" / "Animations");
}

TEST_F(GameConfigTest, TheDevelopmentCopyCountsPerKindWhenItsDirectoryExists) {
    std::filesystem::create_directories(dir / "src" / "Prefabs");
    WriteConfig(R"({"DevelopmentContentPath": ")" + (dir / "src").string() + R"(", "Other": 1})");
    config.Load();
    EXPECT_EQ(config.DevelopmentContentPath, (dir / "src").string());
    EXPECT_EQ(config.DevelopmentDirectory("Prefabs"), dir / "src" / "Prefabs");
    EXPECT_EQ(config.DevelopmentDirectory("Animations"), dir / "Content" / "Animations");
}

TEST_F(GameConfigTest, ABadFileIsAnErrorNamingIt) {
    for (const char* text : {"{}", "{\"DevelopmentContentPath\": ", "[1, 2]"}) {
        WriteConfig(text);
        try {
            config.Load();
            ADD_FAILURE() << text;
        } catch (const ContentError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(config.ConfigFile().string() + ": ", 0), 0u) << message;
        }
    }
    WriteConfig("{}");
    try {
        config.Load();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("No such node (DevelopmentContentPath)"), std::string::npos);
    }
}

TEST(GameConfigPathTest, TheDefaultFileIsTheInstalledConfiguration) {
    EXPECT_EQ(GameConfig().ConfigFile(), std::filesystem::path("Content/Config/GameConfig.json"));
}

}  // namespace
