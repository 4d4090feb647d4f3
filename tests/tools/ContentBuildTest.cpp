#include "ContentBuild.h"
#include "ContentTestSupport.h"
#include "core/ContentError.h"

#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class ContentBuildTest : public ::testing::Test {
protected:
    TempDirectory temp{"contentbuild"};
    fs::path source = temp.Path() / "content";
    fs::path output = temp.Path() / "Content";
    std::ostringstream log;

    void SetUp() override {
        fs::create_directories(source / "Textures/Main/Bugs");
        fs::create_directories(source / "Textures/Main/Panels");
        fs::create_directories(source / "Prefabs");
        fs::create_directories(source / "Music");
        SavePng(PatternImage(8, 8, 1), source / "Textures/Main/Bugs/Bug.png");
        SavePng(PatternImage(6, 6, 2), source / "Textures/Main/Panels/Panel.png");
        std::ofstream(source / "Prefabs/Thing.json") << R"({ "Name": "Thing" })";
        SetTimes(source, std::chrono::hours(2));  // sources saved a while ago
    }

    static void SetTimes(const fs::path& root, std::chrono::hours age) {
        for (const auto& entry : fs::recursive_directory_iterator(root))
            fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - age);
    }

    int Build(const fs::path& development = {}) {
        log.str("");
        return ContentBuild({source, output, development, fs::file_time_type::min(), &log, {}}).Run();
    }

    // Makes everything built so far an hour old, so a file saved now is newer.
    void AgeOutputs() { SetTimes(output, std::chrono::hours(1)); }
    // Saves a source after the outputs were made (and before the next build writes
    // its own; the file system's clock is coarser than the one here).
    static void Touch(const fs::path& file) {
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(30));
    }
};

TEST_F(ContentBuildTest, RebuildsOnlyWhatChanged) {
    EXPECT_EQ(Build(), 3);  // two atlases, one prefab
    for (const std::string& directory : ContentBuild::Directories())
        EXPECT_TRUE(fs::is_directory(output / directory)) << directory;
    EXPECT_EQ(Build(), 0) << log.str();

    AgeOutputs();
    Touch(source / "Textures/Main/Bugs/Bug.png");
    EXPECT_EQ(Build(), 1);
    EXPECT_EQ(log.str(), "atlas Textures/Main/Bugs.xml (1 image, 16x16)\n");
    EXPECT_EQ(Build(), 0);

    AgeOutputs();
    SavePng(PatternImage(8, 8, 3), source / "Textures/Main/Bugs/Beetle.png");
    // An added file shows in its directory's time even when the file itself is old.
    fs::last_write_time(source / "Textures/Main/Bugs/Beetle.png", fs::file_time_type::clock::now() - std::chrono::hours(3));
    Touch(source / "Textures/Main/Bugs");
    EXPECT_EQ(Build(), 1);
    EXPECT_NE(log.str().find("(2 images"), std::string::npos) << log.str();
}

TEST_F(ContentBuildTest, CopiesMirrorTheSources) {
    Build();
    EXPECT_TRUE(fs::exists(output / "Prefabs/Thing.json"));
    fs::remove(source / "Prefabs/Thing.json");
    fs::remove_all(source / "Textures/Main/Panels");
    Build();
    EXPECT_FALSE(fs::exists(output / "Prefabs/Thing.json"));  // a deleted prefab must not live on in the game
    EXPECT_FALSE(fs::exists(output / "Textures/Main/Panels.xml"));
    EXPECT_TRUE(fs::exists(output / "Textures/Main/Bugs.xml"));
}

TEST_F(ContentBuildTest, DevelopmentBuildPointsTheGameAtTheSources) {
    Build(source);
    boost::property_tree::ptree config;
    boost::property_tree::read_json((output / "Config/GameConfig.json").string(), config);
    EXPECT_EQ(fs::path(config.get<std::string>("DevelopmentContentPath")), fs::absolute(source).lexically_normal());
    EXPECT_EQ(Build(source), 0);  // unchanged: not rewritten

    Build();  // an installed build has no configuration file
    EXPECT_FALSE(fs::exists(output / "Config/GameConfig.json"));
}

TEST_F(ContentBuildTest, BadCopiedSourcesFailTheBuild) {
    std::ofstream(source / "Prefabs/Broken.json") << "{ \"Name\": ";
    EXPECT_THROW(Build(), ContentError);
    fs::remove(source / "Prefabs/Broken.json");

    std::ofstream(source / "Music/Tune.json") << R"({ "LoopStartSample": "12x", "LoopEndSample": 40 })";
    try {
        Build();
        FAIL() << "a loop file with a bad number was accepted";
    } catch (const ContentError& e) {
        EXPECT_TRUE(NamesFile(e, source / "Music/Tune.json")) << e.what();
    }
    std::ofstream(source / "Music/Tune.json") << R"({ "LoopStartSample": 50, "LoopEndSample": 40 })";
    EXPECT_THROW(Build(), ContentError);
}

// Hot reload's narrow build: that atlas only, even when up to date, and its files
// go with its last image.
TEST_F(ContentBuildTest, OnlyAtlasPacksThatAtlasAlone) {
    Build();
    fs::remove(output / "Prefabs/Thing.json");
    ContentBuild::Options options{source, output, {}, fs::file_time_type::min(), &log, "Main/Bugs"};
    log.str("");
    EXPECT_EQ(ContentBuild(options).Run(), 1);
    EXPECT_EQ(log.str(), "atlas Textures/Main/Bugs.xml (1 image, 16x16)\n");
    EXPECT_FALSE(fs::exists(output / "Prefabs/Thing.json")) << "nothing else is built";

    fs::remove(source / "Textures/Main/Bugs/Bug.png");
    log.str("");
    EXPECT_EQ(ContentBuild(options).Run(), 2);
    EXPECT_FALSE(fs::exists(output / "Textures/Main/Bugs.xml")) << log.str();
    EXPECT_TRUE(fs::exists(output / "Textures/Main/Panels.xml"));

    options.OnlyAtlas = "Main/Nowhere";
    EXPECT_THROW(ContentBuild(options).Run(), ContentError);
}

// The program itself: one line per item, and a bad source ends it with a non-zero
// status and a message naming the file.
TEST_F(ContentBuildTest, ProgramReportsBadSourceAndFails) {
    const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "vellimor_content";
    ASSERT_TRUE(fs::exists(program));
    const fs::path broken = source / "Textures/Main/Bugs/Broken.png";
    std::ofstream(broken) << "not a PNG";
    const std::string command = program.string() + " " + source.string() + " " + output.string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), int(buffer.size()), pipe))
        text += buffer.data();
    const int status = pclose(pipe);
    EXPECT_NE(status, 0);
    EXPECT_NE(text.find(broken.string()), std::string::npos) << text;
}

}  // namespace

namespace {

class AnimationCheckTest : public ContentBuildTest {
protected:
    void ExpectRejected(const std::string& text, const std::string& why) {
        std::ofstream(source / "Animations/Walk.anim") << text;
        try {
            Build();
            ADD_FAILURE() << "accepted: " << why;
        } catch (const ContentError& e) {
            EXPECT_TRUE(NamesFile(e, source / "Animations/Walk.anim")) << e.what();
        }
    }
};

// Faults the animation reader cannot recover from fail the build instead of the game.
TEST_F(AnimationCheckTest, BadFramesFailTheBuildWithTheFileName) {
    fs::create_directories(source / "Animations");
    SavePng(PatternImage(8, 8, 4), source / "Textures/Main/Bugs/Bug2.png");
    std::ofstream(source / "Animations/Walk.anim") << "// fine\nBugs:Bug 4\n+1 0.25\n-1 3\nLoop\n";
    EXPECT_NO_THROW(Build());

    ExpectRejected("Bugs:Bug fast\n", "a duration that is no number");
    ExpectRejected("+1 4\n", "a step without a named frame before it");
    ExpectRejected("Bugs:Bug 4\n+2 4\n", "a step past the atlas's last image");
    ExpectRejected("Bug 4\n", "a bare image name, read as texture \"Bu\" and image \"g\"");
    ExpectRejected("Bugs:Moth 4\n", "an image the atlas lacks");
    ExpectRejected("// nothing\nLoop\n", "a loop without frames");
    ExpectRejected("Bugs:Bug 4\n// " + std::string(300, 'x') + "\n", "a line the reader cannot take");
}

}  // namespace
