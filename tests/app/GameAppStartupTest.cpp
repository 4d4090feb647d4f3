#include "app/GameApp.h"
#include "core/ContentError.h"
#include "core/GameObject.h"
#include "support/PrefabTestContent.h"

namespace {

// The application's own start-up steps over a temporary content directory.
class GameAppStartupTest : public ::testing::Test, protected TempContent {
protected:
    GameAppStartupTest() {
        Engine::GameConfig->ContentDirectory = dir / "Content";
        Engine::Prefabs->Register<StartLogBehavior>("StartLogBehavior");
        StartLogBehavior::Log = &starts;
    }
    ~GameAppStartupTest() override { StartLogBehavior::Log = nullptr; }

    std::vector<std::string> starts;
    GameApp app;
};

TEST_F(GameAppStartupTest, RootGetsGameplayRootAsItsOnlyChild) {
    WriteFile(PrefabDir() / "GameplayRoot.json", R"({"Components": {"StartLogBehavior": {"Tag": "gameplay"}},
        "AutoCreate": [{"Name": "Level", "Prefab": "Lvl"}]})");
    WriteFile(PrefabDir() / "Lvl.json", R"({"Components": "", "AutoCreate": ""})");
    app.LoadContent();
    app.CreateGameplayRoot();

    GameObject& root = *Engine::Root;
    EXPECT_EQ(root.Name, "Root");
    ASSERT_EQ(root.Children().size(), 1u);
    EXPECT_EQ(root.Children()[0], Engine::GameplayRoot);
    EXPECT_EQ(Engine::GameplayRoot->Name, "GameplayRoot");
    EXPECT_NE(Engine::GameplayRoot->FindChild("Level"), nullptr);
    EXPECT_EQ(starts, (std::vector<std::string>{"gameplay.start"}));
}

TEST_F(GameAppStartupTest, ContentWithoutGameplayRootCannotStart) {
    app.LoadContent();
    try {
        app.CreateGameplayRoot();
        ADD_FAILURE();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("no prefab named \"GameplayRoot\""), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Engine::Root->Children().empty());
}

TEST_F(GameAppStartupTest, TheShippedContentStarts) {
    Engine::GameConfig->ContentDirectory = std::filesystem::path(VELLIMOR_SOURCE_CONTENT);
    app.LoadContent();
    app.CreateGameplayRoot();
    ASSERT_EQ(Engine::Root->Children().size(), 2u);
    EXPECT_EQ(Engine::Root->Children()[1]->Name, "EditorRoot") << "beside the game, out of its pause";
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

}  // namespace
