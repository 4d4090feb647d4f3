#include "core/ContentError.h"
#include "graphics/Pos2dComponent.h"
#include "support/PrefabTestContent.h"

#include <thread>

namespace {

using PrefabManagerTest = PrefabTestContent;

const char* const kEmpty = "{\n    \"Components\": \"\",\n    \"AutoCreate\": \"\"\n}\n";

std::vector<std::string> PrefabNames(const PrefabManager& manager) {
    std::vector<std::string> names;
    for (const auto& [name, prefab] : manager.Prefabs()) {
        names.push_back(name);
    }
    return names;
}

TEST_F(PrefabManagerTest, FactoriesTagWhatTheyMakeAndTypeNamesComeBackFromTags) {
    std::unique_ptr<IEditable> made = manager.Create("Pos2dComponent");
    ASSERT_NE(dynamic_cast<Pos2dComponent*>(made.get()), nullptr);
    EXPECT_EQ(made->TypeTag, &typeid(Pos2dComponent));
    EXPECT_EQ(manager.FindType("Pos2dComponent")->Tag, made->TypeTag);
    EXPECT_EQ(manager.TypeNameOf(*made), "Pos2dComponent");
    EXPECT_EQ(manager.Create("Component"), nullptr);

    const IEditable* prototype = manager.FindPrototype("Pos2dComponent");
    ASSERT_NE(prototype, nullptr);
    EXPECT_EQ(prototype->Properties.size(), 3u);
    EXPECT_EQ(dynamic_cast<const Component*>(prototype)->Owner(), nullptr);

    PrefabComponent entry;
    entry.TypeName = "TintComponent";
    entry.TypeTag = &typeid(Pos2dComponent);
    EXPECT_EQ(manager.TypeNameOf(entry), "TintComponent") << "an entry is named by its TypeName";
    Pos2dComponent handmade;
    EXPECT_EQ(manager.TypeNameOf(handmade), "") << "not made by the registry: no tag";

    manager.Register<AllValuesComponent>("Pos2dComponent");
    EXPECT_EQ(manager.FindType("Pos2dComponent")->Tag, &typeid(AllValuesComponent)) << "a later registration wins";
}

TEST_F(PrefabManagerTest, TheScanTakesJsonFilesInAnyCaseAndNothingElse) {
    WriteFile(PrefabDir() / "Ant.JSON", kEmpty);
    WriteFile(PrefabDir() / "Seed.json", kEmpty);
    WriteFile(PrefabDir() / "Ant.json.bak", "not json");
    WriteFile(PrefabDir() / "readme.txt", "not json");
    std::filesystem::create_directories(PrefabDir() / "Old.json");
    WriteFile(PrefabDir() / "Old.json" / "Inner.json", kEmpty);

    manager.LoadPrefabDirectory();
    EXPECT_EQ(PrefabNames(manager), (std::vector<std::string>{"Ant", "Seed"}));
    EXPECT_EQ(manager.Find("Ant")->Name, "Ant");
}

TEST_F(PrefabManagerTest, AFileThatDoesNotLoadStopsTheScanNamingIt) {
    WriteFile(PrefabDir() / "Broken.json", R"({"Components": {"Foo": ""}, "AutoCreate": ""})");
    try {
        manager.LoadPrefabDirectory();
        ADD_FAILURE();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("Broken.json: unknown component type 'Foo'"), std::string::npos);
    }
    std::filesystem::remove_all(PrefabDir());
    EXPECT_THROW(manager.LoadPrefabDirectory(), ContentError) << "a missing directory is named too";
}

TEST_F(PrefabManagerTest, TheDevelopmentCopyIsUsedOnlyWhenItHasPrefabs) {
    const std::filesystem::path development = dir / "Source";
    std::filesystem::create_directories(development);
    config.DevelopmentContentPath = development.string();
    EXPECT_EQ(manager.PrefabDirectory(), PrefabDir()) << "no Prefabs in the development copy";

    std::filesystem::create_directories(development / "Prefabs");
    WriteFile(development / "Prefabs" / "Dev.json", kEmpty);
    WriteFile(PrefabDir() / "Installed.json", kEmpty);
    EXPECT_EQ(manager.PrefabDirectory(), development / "Prefabs");
    manager.LoadPrefabDirectory();
    EXPECT_EQ(PrefabNames(manager), (std::vector<std::string>{"Dev"}));
    manager.Find("Dev")->IsModified = true;
    manager.SaveAll();
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Installed.json")) << "the installed copy is left alone";
}

TEST_F(PrefabManagerTest, SaveAllWritesModifiedPrefabsAndDeletesFilesOfRenamedOnes) {
    WriteFile(PrefabDir() / "Ant.json", kEmpty);
    WriteFile(PrefabDir() / "Seed.json", kEmpty);
    WriteFile(PrefabDir() / "Notes.txt", "kept");
    manager.LoadPrefabDirectory();
    const auto seedTime = std::filesystem::last_write_time(PrefabDir() / "Seed.json");

    Prefab* ant = manager.Find("Ant");
    ant->Rename("Worker");
    ant->IsModified = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    manager.SaveAll();

    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Ant.json"));
    EXPECT_EQ(ReadFile(PrefabDir() / "Worker.json"), kEmpty);
    EXPECT_FALSE(ant->IsModified);
    EXPECT_EQ(std::filesystem::last_write_time(PrefabDir() / "Seed.json"), seedTime) << "unmodified: not rewritten";
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Notes.txt"));

    manager.Release("Seed");
    manager.SaveAll();
    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Seed.json")) << "a removed prefab's file goes";
}

TEST_F(PrefabManagerTest, RenameTakesTheFirstFreeNumberedNameAndGoesOnPast999) {
    Prefab* seed = manager.Adopt(std::make_unique<Prefab>(manager, "Seed"));
    seed->Rename("Seed");
    EXPECT_EQ(seed->Name, "Seed") << "renaming to the current name changes nothing";

    Prefab* other = manager.Adopt(std::make_unique<Prefab>(manager, "Other"));
    other->Rename("Seed");
    EXPECT_EQ(other->Name, "Seed.001");
    EXPECT_EQ(manager.Find("Seed.001"), other);
    EXPECT_EQ(manager.Find("Other"), nullptr);

    for (int i = 2; i <= 999; ++i) {
        manager.Adopt(std::make_unique<Prefab>(manager, "Seed"));
    }
    EXPECT_NE(manager.Find("Seed.999"), nullptr);
    Prefab* late = manager.Adopt(std::make_unique<Prefab>(manager, "Late"));
    late->Rename("Seed");
    EXPECT_EQ(late->Name, "Seed.1000");
    EXPECT_EQ(manager.Find("Seed.1000"), late);

    Prefab* fresh = manager.Adopt(std::make_unique<Prefab>(manager, "NewPrefab"));
    EXPECT_EQ(fresh->Name, "NewPrefab");
    EXPECT_EQ(manager.Adopt(std::make_unique<Prefab>(manager, "NewPrefab"))->Name, "NewPrefab.001");
}

TEST_F(PrefabManagerTest, DuplicateDropsTheNumberingAndCopiesDeeply) {
    manager.Adopt(std::make_unique<Prefab>(manager, "Ant"));
    manager.Adopt(std::make_unique<Prefab>(manager, "Ant.001"));
    Prefab* ant4 = AddPrefab("Ant.004", R"({"Components": {"ThingComponent": {"LayeringOrder": "3"}},
        "AutoCreate": [{"Name": "Legs", "InstanceProperties": {"ThingComponent": {"LayeringOrder": "8"}},
        "Prefab": "Leg"}]})");
    ant4->IsModified = true;

    Prefab* copy = ant4->Duplicate();
    EXPECT_EQ(copy->Name, "Ant.002");
    EXPECT_EQ(manager.Find("Ant.002"), copy);
    EXPECT_FALSE(copy->IsModified);
    EXPECT_EQ(copy->ToJson(), ant4->ToJson());
    EXPECT_EQ(copy->AutoCreates[0]->Owner, copy);

    copy->Components[0]->Properties.at("LayeringOrder")->GetSubProperty("LayeringOrder", 0).FromText("99");
    copy->AutoCreates[0]->InstanceProperties[0]->Properties.begin()->second->GetSubProperty("", 0).FromText("77");
    EXPECT_NE(copy->ToJson(), ant4->ToJson());
    EXPECT_NE(ant4->ToJson().find("\"3\""), std::string::npos) << "the original is untouched";
    EXPECT_NE(ant4->ToJson().find("\"8\""), std::string::npos);

    EXPECT_EQ(manager.Adopt(std::make_unique<Prefab>(manager, "Ant.12"))->Duplicate()->Name, "Ant.12.001");
}

TEST_F(PrefabManagerTest, MovingComponentsAndAutoCreates) {
    Prefab* prefab = AddPrefab("Mover", R"({"Components": {"Pos2dComponent": "", "TintComponent": "",
        "ThingComponent": ""}, "AutoCreate": [{"Prefab": "A"}, {"Prefab": "B"}]})");
    PrefabComponent* first = prefab->Components[0].get();
    EXPECT_FALSE(prefab->MoveComponent(first, -1));
    EXPECT_TRUE(prefab->MoveComponent(first, 5));
    EXPECT_EQ(prefab->Components[2].get(), first);
    EXPECT_EQ(prefab->Components[0]->TypeName, "TintComponent");

    AutoCreate* last = prefab->AutoCreates[1].get();
    last->Move(1);
    EXPECT_FALSE(prefab->IsModified);
    EXPECT_EQ(prefab->AutoCreates[1].get(), last);
    last->Move(-1);
    EXPECT_TRUE(prefab->IsModified);
    EXPECT_EQ(prefab->AutoCreates[0]->PrefabName, "B");
}

TEST_F(PrefabManagerTest, SaveAllDeletesOnlyFilesOfPrefabsRemovedOrRenamedThisSession) {
    WriteFile(PrefabDir() / "Ant.json", kEmpty);
    WriteFile(PrefabDir() / "Seed.json", kEmpty);
    manager.LoadPrefabDirectory();
    WriteFile(PrefabDir() / "Newcomer.json", kEmpty);  // appeared on disk since start

    manager.Release("Seed");
    EXPECT_TRUE(manager.SaveAll().empty());
    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Seed.json"));
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Newcomer.json")) << "not ours to delete";
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Ant.json"));

    manager.Release("Ant");
    manager.Adopt(std::make_unique<Prefab>(manager, "Ant"));
    manager.SaveAll();
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Ant.json")) << "adopting the name again keeps its file";
}

TEST_F(PrefabManagerTest, SavingARenamedPrefabRemovesItsFormerFileUnlessTheNameWasTakenAgain) {
    WriteFile(PrefabDir() / "Ant.json", kEmpty);
    WriteFile(PrefabDir() / "Seed.json", kEmpty);
    manager.LoadPrefabDirectory();

    Prefab* ant = manager.Find("Ant");
    ant->Rename("Worker");
    ant->Save();
    EXPECT_FALSE(std::filesystem::exists(PrefabDir() / "Ant.json"));
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Worker.json"));
    EXPECT_EQ(ant->FileName, "Worker");

    Prefab* seed = manager.Find("Seed");
    seed->Rename("Kernel");
    manager.Adopt(std::make_unique<Prefab>(manager, "Seed"));
    seed->Save();
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Seed.json")) << "the new Seed owns that file now";
}

TEST_F(PrefabManagerTest, AFailedSaveIsReportedKeepsTheFlagAndTheFormerFileAndTheOthersGoOn) {
    WriteFile(PrefabDir() / "Ant.json", kEmpty);
    manager.LoadPrefabDirectory();
    std::filesystem::create_directories(PrefabDir() / "Worker.json");  // cannot be replaced by a file
    Prefab* ant = manager.Find("Ant");
    ant->Rename("Worker");
    ant->IsModified = true;
    Prefab* other = manager.Adopt(std::make_unique<Prefab>(manager, "Zeta"));
    other->IsModified = true;

    const std::vector<std::string> failures = manager.SaveAll();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind("Could not save " + (PrefabDir() / "Worker.json").string() + ": ", 0), 0u)
        << failures[0];
    EXPECT_TRUE(ant->IsModified);
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Ant.json")) << "the only copy on disk stays";
    EXPECT_FALSE(other->IsModified);
    EXPECT_TRUE(std::filesystem::exists(PrefabDir() / "Zeta.json"));
}

TEST_F(PrefabManagerTest, NamesThatCannotBeFileNamesAreRefusedAndFilesOnDiskCountAsTaken) {
    for (const std::string& bad : std::vector<std::string>{"", "a/b", "..\\x", "../x", ".hidden", "tab\there", "x\x7f"}) {
        EXPECT_NE(Prefab::NameProblem(bad), "") << bad;
    }
    EXPECT_EQ(Prefab::NameProblem(std::string(Prefab::MaxNameLength, 'a')), "");
    EXPECT_NE(Prefab::NameProblem(std::string(Prefab::MaxNameLength + 1, 'a')), "");
    EXPECT_EQ(Prefab::NameProblem("Ant.001 (big)"), "");

    WriteFile(PrefabDir() / "NewPrefab.json", kEmpty);
    EXPECT_EQ(manager.FirstFreeName("NewPrefab"), "NewPrefab");
    EXPECT_EQ(manager.FirstUnusedName("NewPrefab"), "NewPrefab.001");
    manager.LoadPrefabDirectory();
    manager.Find("NewPrefab")->Rename("Other");
    EXPECT_EQ(manager.FirstUnusedName("NewPrefab"), "NewPrefab") << "a renamed-away file is ours again";
}

}  // namespace
