#include "platform/ExecutablePath.h"
#include "platform/PlayerDirectories.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets the given variables (nullopt: unsets) for the test and puts them back after.
class Environment {
public:
    explicit Environment(const std::map<std::string, std::optional<std::string>>& values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

class PlayerDirectoriesTest : public ::testing::Test {
protected:
    PlayerDirectoriesTest() {
        dir = fs::temp_directory_path() / ("vellimor-dirs-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~PlayerDirectoriesTest() override { fs::remove_all(dir); }

    fs::path UserDirs(const std::string& text) const {
        std::ofstream(dir / "user-dirs.dirs") << text;
        return dir / "user-dirs.dirs";
    }

    fs::path dir;
};

TEST_F(PlayerDirectoriesTest, EachVariableCountsOnlyWhenAbsoluteElseItsDefaultUnderHome) {
    {
        const Environment env({{"HOME", "/home/ant"},
                               {"XDG_CONFIG_HOME", "/xdg/config"},
                               {"XDG_DATA_HOME", "relative/data"},
                               {"XDG_STATE_HOME", std::nullopt}});
        EXPECT_EQ(PlayerDirectories::Config(), "/xdg/config/vellimor");
        EXPECT_EQ(PlayerDirectories::Data(), "/home/ant/.local/share/vellimor");
        EXPECT_EQ(PlayerDirectories::State(), "/home/ant/.local/state/vellimor");
        EXPECT_EQ(PlayerDirectories::Screenshots(), "/home/ant/.local/share/vellimor/Screenshots");
        EXPECT_EQ(PlayerDirectories::Readable("/home/ant/Pictures/x.png"), "~/Pictures/x.png");
        EXPECT_EQ(PlayerDirectories::Readable("/home/antler/x.png"), "/home/antler/x.png");
    }
    const Environment none({{"HOME", std::nullopt},
                            {"XDG_CONFIG_HOME", std::nullopt},
                            {"XDG_DATA_HOME", std::nullopt},
                            {"XDG_STATE_HOME", std::nullopt}});
    EXPECT_TRUE(PlayerDirectories::Config().empty());
    EXPECT_TRUE(PlayerDirectories::State().empty());
    EXPECT_TRUE(PlayerDirectories::Screenshots().empty());
}

TEST_F(PlayerDirectoriesTest, ThePicturesDirectoryIsReadFromTheUserDirsFile) {
    const fs::path home = "/home/ant";
    EXPECT_EQ(PlayerDirectories::PicturesFrom(UserDirs("# comment\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n"), home),
              "/home/ant/Bilder");
    EXPECT_EQ(PlayerDirectories::PicturesFrom(UserDirs("XDG_PICTURES_DIR=\"/srv/My \\\"Shots\\\"\"\n"), home),
              "/srv/My \"Shots\"");
    // Pointing it at HOME switches it off; so do a missing line, a relative path and no file.
    EXPECT_TRUE(PlayerDirectories::PicturesFrom(UserDirs("XDG_PICTURES_DIR=\"$HOME/\"\n"), home).empty());
    EXPECT_TRUE(PlayerDirectories::PicturesFrom(UserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"\n"), home).empty());
    EXPECT_TRUE(PlayerDirectories::PicturesFrom(UserDirs("XDG_PICTURES_DIR=\"Pictures\"\n"), home).empty());
    EXPECT_TRUE(PlayerDirectories::PicturesFrom(dir / "missing", home).empty());

    UserDirs("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    const Environment env({{"HOME", "/home/ant"}, {"XDG_CONFIG_HOME", dir.string()}});
    EXPECT_EQ(PlayerDirectories::Screenshots(), "/home/ant/Bilder/Vellimor");
}

TEST_F(PlayerDirectoriesTest, TheContentIsBesideTheExecutableElseInTheInstalledShareDirectory) {
    fs::create_directories(dir / "build" / "Content");
    EXPECT_EQ(ContentHome(dir / "build"), dir / "build");

    fs::create_directories(dir / "usr" / "bin");
    fs::create_directories(dir / "usr" / "share" / "vellimor" / "Content");
    EXPECT_EQ(ContentHome(dir / "usr" / "bin"), dir / "usr" / "share" / "vellimor");

    fs::create_directories(dir / "elsewhere" / "bin");
    EXPECT_TRUE(ContentHome(dir / "elsewhere" / "bin").empty());
}

}  // namespace
