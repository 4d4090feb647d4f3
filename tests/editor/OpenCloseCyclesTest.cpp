#include "audio/CueManagerBhv.h"
#include "audio/SoundManager.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "editor/EditorState.h"
#include "app/GameApp.h"
#include "game/TreePasses.h"
#include "game/UiMenuRootBhv.h"
#include "input/InputManager.h"
#include "support/PrefabTestContent.h"

#include <malloc.h>

#include <bitset>
#include <chrono>
#include <thread>

namespace {

namespace fs = std::filesystem;

// The shipped game without a window, working in a scratch copy of its content (the
// play-test saves the working copy there). A cycle opens and closes the editor, with
// F1 and F1 (the level loaded afresh, then saved as the working copy) or with F11 and
// F11 (the editor and its palettes over the running game), then the pause menu with
// Esc and Esc.
class OpenCloseCyclesTest : public ::testing::Test, protected TempContent {
protected:
    OpenCloseCyclesTest() {
        for (const char* kind : {"Config", "Prefabs", "Sounds"}) {
            fs::copy(fs::path(VELLIMOR_SOURCE_CONTENT) / kind, dir / "Content" / kind,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        }
        fs::current_path(dir);
        app.LoadContent();
        Engine::SoundManager->LoadBank("Main");
        app.CreateGameplayRoot();
        Engine::FrameTime->DeltaSeconds = 1.0f / 60.0f;
    }
    ~OpenCloseCyclesTest() override { fs::current_path(home); }

    // The loop's passes, with the keys held now as the poll would have read them.
    void Frame() {
        Engine::InputManager->Update();
        Engine::InputManager->CurrentKeys = keys;
        TreePasses::InputPass(Engine::Root);
        TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
        TreePasses::PhysicsStep(Engine::FrameTime->DeltaSeconds);
        TreePasses::UpdatePass(Engine::Root);
        TreePasses::DeletionPhase();
    }
    void Tap(int key) {
        keys.set(static_cast<std::size_t>(key));
        Frame();
        keys.reset(static_cast<std::size_t>(key));
        Frame();
        Frame();  // the menu shows a frame after it is asked for
    }
    void Cycle(int i) {
        const int key = i % 2 == 1 ? KeyF1 : KeyF11;
        Tap(key);
        editorsOpened += Engine::EditorState->IsActive ? 1 : 0;
        Tap(key);
        Tap(KeyEsc);
        menusOpened += Engine::MenuRoot->IsMenuUp() ? 1 : 0;
        Tap(KeyEsc);
    }
    // The menu's click cues end in real time; their objects go once they have.
    std::size_t HeapInUseOnceQuiet() {
        const GameObject* cues = Engine::CueManager->Owner();
        for (int i = 0; i < 300 && !cues->Children().empty(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Frame();
        }
        return mallinfo2().uordblks;
    }

    fs::path home = fs::current_path();
    GameApp app;  // made where the game runs: the music manager reads "Content/Music"
    std::bitset<256> keys;
    int editorsOpened = 0;
    int menusOpened = 0;
};

// Fewer than two minutes of game time, so no recovery copy is written beside the tests.
TEST_F(OpenCloseCyclesTest, TheHeapStaysWhereItWasAfterHundredsOfEditorAndMenuCycles) {
    for (int i = 0; i < 40; ++i) Cycle(i);
    const std::size_t before = HeapInUseOnceQuiet();
    for (int i = 0; i < 160; ++i) Cycle(i);
    const std::size_t after = HeapInUseOnceQuiet();

    EXPECT_EQ(editorsOpened, 200);
    EXPECT_EQ(menusOpened, 200);
    // A few kilobytes of containers still finding their size; an object kept per
    // cycle would be hundreds.
    EXPECT_LT(static_cast<long>(after) - static_cast<long>(before), 32L * 1024) << "bytes gained in 160 cycles";
}

}  // namespace
