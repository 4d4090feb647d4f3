#include "animation/AnimationManager.h"
#include "core/ContentLog.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "editor/hotreload/EdHotReloadMonitorBhv.h"
#include "graphics/TextureManager.h"
#include "platform/CommandRunner.h"
#include "support/EngineScope.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace {

namespace fs = std::filesystem;

// Stands in for the content tool: records each command line and, when a run is
// polled, does what `Run` says and ends with `Status` (never, while `Hang`).
class FakeRunner : public CommandRunner {
public:
    bool Start(const std::vector<std::string>& argv, const fs::path& log, std::string&) override {
        Commands.push_back(argv);
        log_ = log;
        running_ = true;
        return true;
    }
    std::optional<int> Poll() override {
        if (!running_ || (Hang && !Killed)) {
            return std::nullopt;
        }
        running_ = false;
        if (Killed) {
            return 137;
        }
        if (Run) {
            Run(Commands.back().back(), log_);
        }
        return Status;
    }
    void Kill() override { Killed = true; }

    std::vector<std::vector<std::string>> Commands;
    std::function<void(const std::string& atlas, const fs::path& log)> Run;
    int Status = 0;
    bool Hang = false;
    bool Killed = false;

private:
    fs::path log_;
    bool running_ = false;
};

// Development sources with the atlases "Leaves" and "Rocks" of bank "Main" and the
// animation "Walk"; the installed Content holds both atlases, 8 pixels wide. The
// fake tool "builds" an atlas by making its sheet 16 wide.
class EdHotReloadMonitorTest : public ::testing::Test {
protected:
    EdHotReloadMonitorTest() {
        for (const char* atlas : {"Leaves", "Rocks"}) {
            WriteText(dev / "Textures/Main" / atlas / "Image.png", "v1");
            Installed(atlas, 8);
        }
        WriteText(dev / "Animations/Walk.anim", "Rocks:Image 4\n");
        GameConfig& config = engine.Make(Engine::GameConfig);
        config.DevelopmentContentPath = dev.string();
        config.ContentDirectory = scratch.Path / "Content";
        engine.Make(Engine::Deletions);
        engine.Make(Engine::TextureManager, scratch.Path / "Content/Textures", std::make_unique<FakeUploader>())
            .LoadTextureBank("Main");
        engine.Make(Engine::Animations).LoadAllAnimations();
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { log.push_back(text); });

        auto fake = std::make_unique<FakeRunner>();
        runner = fake.get();
        runner->Run = [this](const std::string& atlas, const fs::path&) { Installed(atlas.substr(5), 16); };
        monitor = new EdHotReloadMonitorBhv();
        object.AddComponent(monitor);
        monitor->SetClock([this] { return now; });
        monitor->SetCommandRunner(std::move(fake));
        monitor->SetToolSettings({"/tool", dev, scratch.Path / "Content", scratch.Path / "build.log", 120.0});
        monitor->Start();
    }
    ~EdHotReloadMonitorTest() override { ContentLog::SetSink(nullptr); }

    void Installed(const std::string& atlas, int width) {
        const fs::path bank = scratch.Path / "Content/Textures/Main";
        WriteText(bank / (atlas + ".xml"), AtlasXml(atlas + ".png", R"(<sprite n="Image" x="0" y="0" w="8" h="8"/>)"));
        WriteSheet(bank / (atlas + ".sheet"), SolidImage(width, 8, 1, 2, 3));
    }
    float Width(const std::string& atlas) const { return Engine::TextureManager->GetTexture(atlas)->Size.x; }

    // Saves a source at the current time and runs frames until the monitor saw it
    // (each save at a time of its own).
    void Save(const std::string& file, const std::string& text) {
        WriteText(dev / file, text);
        FramesUntil([&] { return monitor->LastChange() == now; });
    }
    void FramesUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            monitor->Update();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        ASSERT_TRUE(done()) << "the watcher never reported the change";
    }
    void FrameAt(double seconds) {
        now = seconds;
        monitor->Update();
    }
    bool Logged(const std::string& part) const {
        return std::any_of(log.begin(), log.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }

    ScratchDirectory scratch;
    fs::path dev = scratch.Path / "dev";
    EngineScope engine;
    std::vector<std::string> log;
    double now = 100.0;
    GameObject object;
    EdHotReloadMonitorBhv* monitor = nullptr;
    FakeRunner* runner = nullptr;
};

TEST_F(EdHotReloadMonitorTest, BurstOfSavesBuildsOnceAfterTheQuietTime) {
    ASSERT_NE(monitor->Watch(), nullptr);
    ASSERT_EQ(monitor->Watch()->Directories().size(), 3u);
    EXPECT_EQ(monitor->Watch()->Directories()[1].Atlas, "Main/Rocks");
    for (double at : {100.0, 100.5, 101.0}) {
        now = at;
        Save("Textures/Main/Rocks/Image.png", "v" + std::to_string(at));
    }
    FrameAt(101.9);
    EXPECT_TRUE(runner->Commands.empty()) << "still within the quiet time of the last save";
    FrameAt(102.0);
    ASSERT_EQ(runner->Commands.size(), 1u);
    EXPECT_EQ(runner->Commands[0], (std::vector<std::string>{"/tool", dev.string(), (scratch.Path / "Content").string(),
                                                             "--atlas", "Main/Rocks"}));
    EXPECT_EQ(Width("Rocks"), 8.0f);
    FrameAt(102.1);
    EXPECT_EQ(Width("Rocks"), 16.0f) << "reloaded once the build ended";
    EXPECT_FALSE(monitor->IsBuilding());
    FrameAt(110.0);
    EXPECT_EQ(runner->Commands.size(), 1u);
}

TEST_F(EdHotReloadMonitorTest, TwoDirectoriesBuildInOrderEachFollowedByItsReload) {
    Save("Textures/Main/Rocks/Image.png", "v2");
    now = 100.2;
    Save("Textures/Main/Leaves/Image.png", "v2");
    FrameAt(101.2);
    ASSERT_EQ(runner->Commands.size(), 1u);
    EXPECT_EQ(runner->Commands[0].back(), "Main/Leaves") << "directory order, not the order of the saves";
    FrameAt(101.3);
    EXPECT_EQ(Width("Leaves"), 16.0f);
    EXPECT_EQ(Width("Rocks"), 8.0f);
    FrameAt(101.4);
    ASSERT_EQ(runner->Commands.size(), 2u);
    EXPECT_EQ(runner->Commands[1].back(), "Main/Rocks");
    FrameAt(101.5);
    EXPECT_EQ(Width("Rocks"), 16.0f);
}

TEST_F(EdHotReloadMonitorTest, AnimationChangeReloadsWithoutABuildAndABadOneKeepsTheSet) {
    const AnimationManager& animations = *Engine::Animations;
    WriteText(dev / "Animations/Walk.anim", "Rocks:Image 8\n");
    FramesUntil([&] { return animations.GetAnimation("Walk")->Duration == 8.0f / 60.0f; });
    WriteText(dev / "Animations/Walk.anim", "Rocks:Image forever\n");
    FramesUntil([&] { return Logged("Walk.anim:1"); });
    ASSERT_NE(animations.GetAnimation("Walk"), nullptr);
    EXPECT_EQ(animations.GetAnimation("Walk")->Duration, 8.0f / 60.0f);
    FrameAt(200.0);
    EXPECT_TRUE(runner->Commands.empty());
}

TEST_F(EdHotReloadMonitorTest, FailedOrStuckBuildsKeepTheOldTextureAndChangesDuringABuildQueueARound) {
    const unsigned image = Engine::TextureManager->GetTexture("Rocks")->ColorImage;
    runner->Status = 1;
    runner->Run = [](const std::string&, const fs::path& log) {
        WriteText(log, "atlas Textures/Main/Leaves.xml\ncontent build failed: dev/Rocks/Image.png: cannot decode\n");
    };
    Save("Textures/Main/Rocks/Image.png", "not a PNG");
    FrameAt(101.0);
    ASSERT_TRUE(monitor->IsBuilding());
    Save("Textures/Main/Rocks/Image.png", "still not a PNG");
    FrameAt(101.1);
    EXPECT_FALSE(monitor->IsBuilding());
    EXPECT_EQ(Engine::TextureManager->GetTexture("Rocks")->ColorImage, image);
    EXPECT_TRUE(Logged("content build failed: dev/Rocks/Image.png: cannot decode")) << log.back();
    EXPECT_TRUE(monitor->IsDue(1)) << "the change made during the build waits for its own round";

    runner->Hang = true;
    FrameAt(102.0);  // a second after the save made during the build
    ASSERT_EQ(runner->Commands.size(), 2u);
    FrameAt(222.0);
    EXPECT_FALSE(runner->Killed);
    FrameAt(222.1);
    EXPECT_TRUE(runner->Killed) << "over 120 s";
    FrameAt(222.2);
    EXPECT_FALSE(monitor->IsBuilding());
    EXPECT_TRUE(Logged("ran over 120 s"));
    EXPECT_EQ(Engine::TextureManager->GetTexture("Rocks")->ColorImage, image);
}

TEST(EdHotReloadMonitorNamesTest, WatchedNamesFollowTheContentBuild) {
    for (const char* name : {"Stone.png", "Stone.PNG", "Ant.psd", "Leaf_NRM.jpg"})
        EXPECT_TRUE(HotReloadWatch::IsWatchedImage(name)) << name;
    for (const char* name : {"Stone.png~", ".hidden.png", "Ant (src).psd", "Stone.png.swp", "Walk.anim", "notes"})
        EXPECT_FALSE(HotReloadWatch::IsWatchedImage(name)) << name;
    EXPECT_TRUE(HotReloadWatch::IsWatchedAnimation("Walk.ANIM"));
    EXPECT_FALSE(HotReloadWatch::IsWatchedAnimation(".Walk.anim"));
    EXPECT_FALSE(HotReloadWatch::IsWatchedAnimation("Walk.anim~"));
}

TEST(EdHotReloadMonitorStartTest, WithoutDevelopmentContentTheObjectGoes) {
    EngineScope engine;
    engine.Make(Engine::GameConfig).DevelopmentContentPath = "/nonexistent/vellimor-content";
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    auto* object = new GameObject();
    auto* monitor = new EdHotReloadMonitorBhv();
    object->AddComponent(monitor);
    monitor->Start();
    EXPECT_EQ(monitor->Watch(), nullptr);
    monitor->Update();
    deletions.DeleteQueued();  // deletes the object, or leaks it and fails under the sanitizers
}

}  // namespace
