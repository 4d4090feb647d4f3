#include "editor/EdMessageBarBhv.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "game/TreePasses.h"
#include "graphics/BitmapFont.h"
#include "graphics/Graphics.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(MessageHistoryTest, MessagesStayLongEnoughToReadStackThreeAtMostAndTheLastTwentyAreKept) {
    EXPECT_EQ(MessageHistory::ReadingSeconds("Nothing to save"), 5.0f);
    EXPECT_GT(MessageHistory::ReadingSeconds(std::string(200, 'x')), 10.0f);
    EXPECT_EQ(MessageHistory::ReadingSeconds(std::string(5000, 'x')), 15.0f);

    MessageHistory history;
    history.Add("a");
    history.Tick(4.9f);
    history.Add("b");
    EXPECT_EQ(history.Showing(), (Texts{"a", "b"}));
    history.Tick(0.2f);
    EXPECT_EQ(history.Showing(), Texts{"b"});
    history.Add("b");  // again: shown longer, not twice
    history.Tick(4.9f);
    EXPECT_EQ(history.Showing(), Texts{"b"});
    history.Add("c");
    history.Add("d");
    history.Add("e");
    EXPECT_EQ(history.Showing(), (Texts{"c", "d", "e"})) << "the oldest of four goes";

    for (int i = 0; i < 30; ++i) history.Add(std::to_string(i));
    const Texts recent = history.Recent();
    ASSERT_EQ(recent.size(), MessageHistory::Kept);
    EXPECT_EQ(recent.front(), "10");
    EXPECT_EQ(recent.back(), "29");
}

// The shipped "EdMessageBar" with a font of 10-pixel letters on a 20-pixel line.
class EdMessageBarTest : public PrefabTestContent {
protected:
    EdMessageBarTest() {
        for (const char* name : {"EdWidgetBackground", "EdWidgetText", "EdMessageBar"}) {
            AddPrefab(name, ReadFile(std::filesystem::path(VELLIMOR_SOURCE_CONTENT) / "Prefabs" / (std::string(name) + ".json")));
        }
        font.Page.ColorImage = 1;
        font.LineHeight = 20.0f;
        font.NormalizedLineHeight = 20 / 128.0f;
        for (int c = ' '; c <= '~'; ++c) font.Glyphs[c] = Glyph{c, 0, 0, 8 / 128.0f, 20 / 128.0f, 0, 0, 10 / 128.0f};
        bar = new GameObject("EdMessageBar");
        root.AddChild(bar);
        Text()->Font = &font;
        Text()->FontSize = 20.0f;
        state.IsActive = true;
    }
    ~EdMessageBarTest() override { delete bar; }

    void Frame(float seconds = 1 / 60.0f) {
        time.DeltaSeconds = seconds;
        TreePasses::InputPass(&root);
        TreePasses::UpdatePass(&root);
        input.Update();
    }
    TextComponent* Text() const { return bar->FindChild("Text")->Text(); }
    SpriteComponent* Band() const { return bar->FindChild("Band")->Sprite(); }

    Graphics& graphics = engine.Make(Engine::Graphics);
    InputManager& input = engine.Make(Engine::InputManager);
    EditorState& state = engine.Make(Engine::EditorState);
    BitmapFont font;
    GameObject* bar = nullptr;
};

TEST_F(EdMessageBarTest, ALongMessageWrapsOnABandInsideTheWindowDrawnAboveEverythingAndLeavesInTime) {
    EXPECT_EQ(Band()->Layer, DrawLayer::Editor2);
    EXPECT_EQ(Text()->Layer, DrawLayer::EditorText2) << "the last layers: over palettes and dialogs";
    Frame();
    EXPECT_FALSE(bar->DrawEnabled);

    const std::string refusal = "Cannot rename Twig to \"" + std::string(300, 'x') + "/\": a name may not hold \"/\"";
    TellUser(refusal);
    Frame();
    ASSERT_TRUE(bar->DrawEnabled);
    EXPECT_EQ(Text()->Text, refusal);
    const Vector2 centre = bar->FindChild("Band")->Pos2d()->Pos;
    const Vector2 size = Band()->Size;
    EXPECT_GE(centre.x - size.x / 2, 8.0f);
    EXPECT_LE(centre.x + size.x / 2, graphics.Width - 8.0f);
    EXPECT_GE(centre.y - size.y / 2, 8.0f);
    EXPECT_GE(size.y, 4 * 20.0f) << "about 360 letters of 10 pixels make four lines in 1280";
    EXPECT_LT(Text()->BoxSize.x, size.x) << "the text wraps inside the band";

    Frame(MessageHistory::ReadingSeconds(refusal) - 0.5f);
    EXPECT_TRUE(bar->DrawEnabled);
    Frame(1.0f);
    EXPECT_FALSE(bar->DrawEnabled);

    input.CurrentKeys.set(KeyCtrl);
    input.CurrentKeys.set(KeyM);
    Frame();
    ASSERT_TRUE(bar->DrawEnabled) << "Ctrl+M shows the history";
    EXPECT_NE(Text()->Text.find(refusal), std::string::npos);
    state.IsActive = false;
    Frame();
    EXPECT_FALSE(bar->DrawEnabled) << "the history closes with the editor";
}

}  // namespace
