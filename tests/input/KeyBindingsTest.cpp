#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "input/KeyBindings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Table = KeyBindings::Table;

class KeyBindingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vellimor-bindings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        file = dir / "config" / "KeyMappings.json";
        fs::create_directories(dir);
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    }
    void TearDown() override {
        ContentLog::SetSink(nullptr);
        fs::remove_all(dir);
    }
    void WritePlayerFile(const std::string& text) const { std::ofstream(file) << text; }

    fs::path dir;
    fs::path file;
    std::vector<std::string> warnings;
    // Space confirms in menus and lights flames, as shipped.
    const Table shipped = {{ActionMenuConfirm, KeyOemEnter}, {ActionMenuConfirm, KeySpace}, {ActionToolFeed, KeyOem2},
                           {ActionToolFeed, KeyKeypad2},     {ActionFireStream, KeySpace},  {ActionMute, KeyM}};
};

TEST_F(KeyBindingsTest, AnActionThePlayersFileNamesGetsExactlyItsKeysTheOthersKeepTheShippedOnes) {
    EXPECT_EQ(KeyBindings(shipped, file).Load(), shipped) << "no file yet: the first run";
    fs::create_directories(file.parent_path());
    WritePlayerFile(R"({"ToolFeed": "F", "Mute": "Keypad0", "Mute": "N"})");
    const Table expected = {{ActionMenuConfirm, KeyOemEnter}, {ActionMenuConfirm, KeySpace}, {ActionToolFeed, KeyF},
                            {ActionFireStream, KeySpace},     {ActionMute, KeyKeypad0},     {ActionMute, KeyN}};
    EXPECT_EQ(KeyBindings(shipped, file).Load(), expected);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(KeyBindingsTest, AFileThatCannotBeUsedLeavesTheShippedKeysWithOneWarningNamingIt) {
    fs::create_directories(file.parent_path());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"ToolFeed": "F",)", "line 1"},
        {R"({"ToolFeed": "F", "Jump": "Space"})", "unknown action name \"Jump\""},
        {R"({"ToolFeed": "Escape"})", "unknown key name \"Escape\""},
        {R"({"ToolFeed": {"Key": "F"}})", "unknown key name \"\""},
        {R"({"MenuCancel": "Q"})", "\"MenuCancel\" cannot be changed"},
    };
    for (const auto& [text, problem] : cases) {
        warnings.clear();
        WritePlayerFile(text);
        EXPECT_EQ(KeyBindings(shipped, file).Load(), shipped) << text;
        ASSERT_EQ(warnings.size(), 1u) << text;
        EXPECT_EQ(warnings[0].rfind(file.string() + ": ", 0), 0u) << warnings[0];
        EXPECT_NE(warnings[0].find(problem), std::string::npos) << warnings[0];
    }
}

TEST_F(KeyBindingsTest, BindingReplacesTheFirstKeySwapsWithTheActionThatHadItAndSavesOnlyWhatDiffers) {
    const KeyBindings bindings(shipped, file);
    Table table = bindings.Load();
    KeyBindings::Swap swap = bindings.Bind(table, ActionToolFeed, KeyF);
    EXPECT_EQ(swap.Action, -1);
    EXPECT_EQ(KeyBindings::KeysOf(table, ActionToolFeed), (std::vector<int>{KeyF, KeyKeypad2}));
    EXPECT_EQ(ContentFile::ReadBytes(file), "{\n    \"ToolFeed\": \"F\",\n    \"ToolFeed\": \"Keypad2\"\n}\n");

    swap = bindings.Bind(table, ActionMute, KeySpace);
    EXPECT_EQ(swap.Action, ActionFireStream);
    EXPECT_EQ(swap.Key, KeyM);
    EXPECT_EQ(KeyBindings::KeysOf(table, ActionMute), std::vector<int>{KeySpace});
    EXPECT_EQ(KeyBindings::KeysOf(table, ActionFireStream), std::vector<int>{KeyM});
    EXPECT_EQ(KeyBindings::KeysOf(table, ActionMenuConfirm), (std::vector<int>{KeyOemEnter, KeySpace}))
        << "the menus' keys are no one's to swap";
    EXPECT_EQ(KeyBindings(shipped, file).Load(), table) << "what was saved reads back the same";

    bindings.Bind(table, ActionToolFeed, KeyKeypad2);
    EXPECT_EQ(KeyBindings::KeysOf(table, ActionToolFeed), (std::vector<int>{KeyKeypad2, KeyF}))
        << "a key of its own moves to the front";
    EXPECT_EQ(bindings.Bind(table, ActionToolFeed, KeyKeypad2).Action, -1);

    bindings.Bind(table, ActionToolFeed, KeyF);
    bindings.Bind(table, ActionToolFeed, KeyOem2);
    bindings.Bind(table, ActionFireStream, KeySpace);
    EXPECT_EQ(table, shipped);
    EXPECT_FALSE(fs::exists(file)) << "nothing differs from the shipped keys";
    EXPECT_TRUE(warnings.empty());
}

TEST_F(KeyBindingsTest, ResetRemovesThePlayersFileAndGivesTheShippedKeys) {
    const KeyBindings bindings(shipped, file);
    Table table = bindings.Load();
    bindings.Bind(table, ActionFireStream, KeyF);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(bindings.Reset(), shipped);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(KeyBindings(shipped, file).Load(), shipped);
}

}  // namespace
