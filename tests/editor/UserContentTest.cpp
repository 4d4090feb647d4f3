#include "editor/EditorState.h"
#include "editor/prefabs/PrefabOperations.h"
#include "support/PrefabTestContent.h"

#include <boost/property_tree/json_parser.hpp>

namespace {

const char* const kShipped = "{\n    \"Components\": \"\",\n    \"AutoCreate\": \"\"\n}\n";
const char* const kEdited = R"({"Components": {"Pos2dComponent": ""}, "AutoCreate": ""})";

// The game as installed: the shipped prefabs in Content/Prefabs, the player's own
// saves in a user content directory read over them.
class UserContentTest : public PrefabTestContent {
protected:
    UserContentTest() {
        config.KeepShippedContent = true;
        config.UserContentDirectory = dir / "user" / "Content";
        WriteFile(PrefabDir() / "Stone.json", kShipped);
        manager.LoadPrefabDirectory();
    }

    static boost::property_tree::ptree Tree(const std::string& json) {
        std::istringstream in(json);
        boost::property_tree::ptree tree;
        boost::property_tree::read_json(in, tree);
        return tree;
    }

    static bool HasPosition(const Prefab& prefab) {
        return prefab.Write().get_child_optional("Components.Pos2dComponent").has_value();
    }

    void Edit(Prefab& prefab) {
        prefab.Read(Tree(kEdited));
        prefab.IsModified = true;
    }

    std::filesystem::path UserFile() const { return dir / "user" / "Content" / "Prefabs" / "Stone.json"; }

    EditorState& state = engine.Make(Engine::EditorState);
    PrefabOperations operations{manager, state};
};

TEST_F(UserContentTest, SavesGoToThePlayersCopyWhichIsReadOverTheNeverWrittenShippedFile) {
    Prefab* stone = manager.Find("Stone");
    Edit(*stone);
    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_EQ(ReadFile(PrefabDir() / "Stone.json"), kShipped);
    ASSERT_TRUE(std::filesystem::exists(UserFile()));
    EXPECT_EQ(manager.FileOf("Stone"), UserFile());

    PrefabManager next;
    RegisterComponentTypes(next);
    next.CreatePrototypes();
    next.LoadPrefabDirectory();
    ASSERT_NE(next.Find("Stone"), nullptr);
    EXPECT_TRUE(HasPosition(*next.Find("Stone")));

    // Back to the shipped file: saving that drops the player's copy.
    EXPECT_EQ(operations.RevertToShipped(*stone), PrefabOperations::Outcome::Done);
    EXPECT_FALSE(HasPosition(*stone));
    EXPECT_TRUE(stone->IsModified);
    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_FALSE(std::filesystem::exists(UserFile()));
    EXPECT_EQ(ReadFile(PrefabDir() / "Stone.json"), kShipped);

    // A prefab the game does not ship has nothing to go back to.
    EXPECT_EQ(operations.RevertToShipped(*operations.Create()), PrefabOperations::Outcome::Unchanged);
}

TEST_F(UserContentTest, ARemovedShippedPrefabStaysRemovedUntilSavedAgain) {
    EXPECT_EQ(operations.Remove("Stone"), PrefabOperations::Outcome::Done);
    EXPECT_EQ(manager.PendingRemovals(), std::vector<std::string>{"Stone"}) << "quitting must ask";
    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_TRUE(manager.PendingRemovals().empty());
    EXPECT_EQ(ReadFile(PrefabDir() / "Stone.json"), kShipped);

    PrefabManager next;
    RegisterComponentTypes(next);
    next.CreatePrototypes();
    next.LoadPrefabDirectory();
    EXPECT_EQ(next.Find("Stone"), nullptr);

    auto again = std::make_unique<Prefab>(manager, "Stone");
    again->IsModified = true;
    manager.Adopt(std::move(again));
    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_FALSE(std::filesystem::exists(manager.RemovalMarker("Stone")));
}

TEST_F(UserContentTest, WithNowhereToSaveTheSaveFailsAndSaysWhy) {
    config.UserContentDirectory.clear();
    Edit(*manager.Find("Stone"));
    const std::vector<std::string> failures = manager.SaveAll();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("nowhere to save"), std::string::npos) << failures[0];
    EXPECT_TRUE(manager.Find("Stone")->IsModified);
    EXPECT_EQ(ReadFile(PrefabDir() / "Stone.json"), kShipped);
}

}  // namespace
