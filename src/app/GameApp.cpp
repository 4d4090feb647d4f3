#include "app/GameApp.h"

#include "animation/AnimationManager.h"
#include "app/Edition.h"
#include "app/FrameStatsMonitor.h"
#include "app/PointerSweep.h"
#include "app/Watchdog.h"
#include "audio/MusicManager.h"
#include "audio/SoundManager.h"
#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "core/IEditorRoot.h"
#include "core/KeyCode.h"
#include "core/StartupError.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudMessageFlashBhv.h"
#include "game/SoundOptions.h"
#include "game/TreePasses.h"
#include "graphics/FontManager.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/Image.h"
#include "graphics/TextureManager.h"
#include "input/InputManager.h"
#include "physics/B2DebugDrawer.h"
#include "physics/B2MainContactListener.h"
#include "physics/PhysicsDebugView.h"
#include "physics/PhysicsEditQueue.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/PlayerDirectories.h"
#include "platform/PlayerSettings.h"
#include "platform/Window.h"
#include "prefabs/PrefabManager.h"
#include "script/Events.h"
#include "script/RandomManager.h"

#include <box2d/box2d.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

// Deletes a manager and clears its Engine field, so nothing reaches it afterwards.
template <class T>
void DeleteAndClear(T*& field) {
    delete field;
    field = nullptr;
}

// VELLIMOR_TEST_FRAME_DELAY_MS slows every frame by that many milliseconds, at
// most one second (the watchdog allows five), so end-to-end tests can show what a
// loaded machine does to input.
unsigned TestFrameDelayMilliseconds() {
    const char* text = std::getenv("VELLIMOR_TEST_FRAME_DELAY_MS");
    if (text == nullptr) {
        return 0;
    }
    return static_cast<unsigned>(std::clamp(std::strtol(text, nullptr, 10), 0L, 1000L));
}

}  // namespace

GameApp::GameApp(const LaunchOptions& options)
    : options_(options), stats_(std::make_unique<FrameStatsMonitor>(options, std::cout)) {
    Engine::App = this;
    Engine::Deletions = new DeletionQueues();
    Engine::Events = new Events();
    CreatePhysicsWorld();
    Engine::Root = new GameObject();
    Engine::RandomManager = new RandomManager();
    Engine::Graphics = new Graphics();
    Engine::Graphics->Device->PhysicsDebugDraw = [] { DrawPhysicsDebugView(*Engine::Graphics->Device); };
    Engine::TextureManager = new TextureManager();
    Engine::Fonts = new FontManager();
    Engine::Prefabs = new PrefabManager();
    Engine::FrameTime = new FrameTime();
    Engine::InputManager = new InputManager();
    Engine::SoundManager = new SoundManager();
    Engine::MusicManager = new MusicManager(!Engine::SoundManager->IsSilent());
    Edition::Begin();
    Engine::GameConfig = new GameConfig();
    Engine::Animations = new AnimationManager();
}

GameApp::~GameApp() {
    // Its overlay's object goes while the managers it was made with still exist.
    stats_.reset();
    DeleteAndClear(Engine::Animations);
    DeleteAndClear(Engine::GameConfig);
    Edition::End();
    DeleteAndClear(Engine::MusicManager);
    DeleteAndClear(Engine::SoundManager);
    DeleteAndClear(Engine::InputManager);
    DeleteAndClear(Engine::FrameTime);
    DeleteAndClear(Engine::Prefabs);
    DeleteAndClear(Engine::Fonts);
    DeleteAndClear(Engine::TextureManager);
    DeleteAndClear(Engine::Graphics);
    DeleteAndClear(Engine::RandomManager);
    DeleteAndClear(Engine::Root);
    Engine::GameplayRoot = nullptr;
    // Objects and components still queued (the loop ended between a Destroy and
    // the deletion phase) are owned by nobody else.
    TreePasses::DeletionPhase();
    DestroyPhysicsWorld();
    DeleteAndClear(Engine::Events);
    DeleteAndClear(Engine::Deletions);
    Engine::App = nullptr;
}

void GameApp::CreatePhysicsWorld() {
    contactListener_ = std::make_unique<B2MainContactListener>();
    Engine::DebugDrawer = new B2DebugDrawer();
    Engine::World = new b2World(b2Vec2(0.0f, -10.0f));
    Engine::World->SetDebugDraw(Engine::DebugDrawer);
    Engine::World->SetContactListener(contactListener_.get());
    Engine::PhysicsEdits = new PhysicsEditQueue();
}

// After the tree: bodies are destroyed through the world.
void GameApp::DestroyPhysicsWorld() {
    DeleteAndClear(Engine::PhysicsEdits);
    DeleteAndClear(Engine::World);
    DeleteAndClear(Engine::DebugDrawer);
    contactListener_.reset();
}

void GameApp::Run() {
    StartUp();
    for (int frame = 1;; ++frame) {
        const float delta = NextFrameDelta();
        stats_->FrameStarted();
        const bool open = RunFrame(delta);
        stats_->FrameEnded();
        if ((!open || Engine::QuitRequested) && !KeepRunningToAsk()) {
            break;
        }
        if (frame == options_.frames) {
            break;
        }
    }
    if (Engine::EditorRoot != nullptr) {
        Engine::EditorRoot->KeepUnsavedWork();
    }
    if (options_.frames > 0) {
        stats_->PrintRun();
    }
    ShutDownContent();
}

// Unsaved editor work is asked about before the game quits.
bool GameApp::KeepRunningToAsk() {
    Engine::QuitRequested = false;
    return Engine::EditorRoot != nullptr && Engine::EditorRoot->KeepRunningToAsk();
}

float GameApp::NextFrameDelta() {
    if (options_.frames > 0) {
        return 1.0f / static_cast<float>(Engine::Graphics->FrameRate);
    }
    const Window* window = Engine::Graphics->MainWindow.get();
    pacer_->SetSwapWaits(window != nullptr && window->IsVSyncOn());
    return pacer_->WaitForFrame();
}

void GameApp::StartUp() {
    LoadContent();
    // Read once here, so a bad value is one warning however many parts use it.
    const PlayerSettings settings = PlayerSettings::Load();
    SoundOptions::Apply(settings);
    CreateWindow(settings);
    Engine::Graphics->Device->InitGraphicsDevice();
    LoadTextures();
    LoadFonts();
    stats_->Attach(*Engine::Graphics->Device);
    LoadBanks();
    // Frames name their atlases, so the textures come first.
    Engine::Animations->LoadAllAnimations();
    if (options_.frames > 0) {
        Engine::RandomManager->Seed(kBenchmarkSeed);
    }
    CreateGameplayRoot();
    Engine::Graphics->Device->PassSavings = !options_.fullPasses;
    Engine::Graphics->Device->DamageTracking = !options_.fullRedraw;
    Engine::Graphics->Device->WholeFramesInWindow = true;
    if (options_.night) {
        StartAtNight();
    }
    StartFramePacing();
    watchdog_ = std::make_unique<Watchdog>(Engine::LastStepCounter, Engine::CounterFrequency, Clock::Now,
                                           Watchdog::Settings{});
    watchdog_->Start();
}

void GameApp::StartAtNight() {
    if (GameplayScreenBhv* screen = Engine::GameplayScreen) {
        screen->DayNight.Phase = PhaseNight;
        screen->Tool = ToolLight;
    }
}

void GameApp::LoadBanks() {
    try {
        Engine::SoundManager->LoadBank("Main");
    } catch (const std::filesystem::filesystem_error& e) {
        throw StartupError("cannot read the sound bank " + e.path1().string() + ": " + e.code().message());
    }
}

void GameApp::LoadContent() {
    Engine::GameConfig->Load();
    // The shipped content is never written: the editor saves into the player's own.
    const std::filesystem::path data = PlayerDirectories::Data();
    Engine::GameConfig->KeepShippedContent = true;
    Engine::GameConfig->UserContentDirectory = data.empty() ? data : data / "Content";
    RemoveInterruptedSaves();
    Engine::InputManager->LoadKeyMappings("Content/Config/KeyMappings.json", KeyBindings::Location());
    Engine::Prefabs->RegisterTypes(RegisterComponentTypes);
}

// Everything the game runs comes into being below this object, so content without it
// cannot start.
void GameApp::CreateGameplayRoot() {
    Engine::Root->Name = "Root";
    const char* name = "GameplayRoot";
    if (Engine::Prefabs->Find(name) == nullptr) {
        throw ContentError(Engine::Prefabs->PrefabDirectory(), std::string("no prefab named \"") + name + "\"");
    }
    Engine::GameplayRoot = new GameObject(name);
    Engine::Root->AddChild(Engine::GameplayRoot);
    // Beside the game, not below it: pausing the game never reaches the editor.
    if (Engine::Prefabs->Find("EditorRoot") != nullptr) {
        Engine::Root->AddChild(new GameObject("EditorRoot"));
    }
}

void GameApp::CreateWindow(const PlayerSettings& settings) {
    Graphics& graphics = *Engine::Graphics;
    // The frame stays Width x Height whatever size the window has.
    graphics.MainWindow = std::make_unique<Window>("Vellimor", settings.WindowWidth, settings.WindowHeight);
    if (settings.Fullscreen) {
        graphics.MainWindow->SetFullscreen(true);
    }
    // A measured run (--frames) goes as fast as it can, never at the display's rate.
    graphics.MainWindow->SetVSync(settings.VSync && options_.frames == 0);
}

// Alt+Enter switches fullscreen and FrameStats (F3) the frame statistics overlay
// anywhere, menus and editor included; Mute the sound in play and in the menus,
// unless something above the game takes the keys.
void GameApp::HandleWindowKeys() {
    const InputManager& input = *Engine::InputManager;
    if (!input.AreKeysTaken() && input.IsActionPressed(ActionMute)) {
        SoundOptions::ToggleMute();
    }
    if (input.IsKeyDown(KeyAlt) && input.IsKeyPressed(KeyOemEnter)) {
        Engine::Graphics->SetFullscreen(!Engine::Graphics->IsFullscreen());
    }
    if (input.IsActionPressed(ActionFrameStats)) {
        stats_->ToggleOverlay();
    }
}

void GameApp::LoadTextures() {
    Engine::TextureManager->LoadTextureBank("Main");
}

// A font that cannot be read stops start-up with a ContentError naming its file.
void GameApp::LoadFonts() {
    Engine::Fonts->LoadFontBank("Main");
}

void GameApp::StartFramePacing() {
    FramePacer::EnsureTimerReady();
    const Graphics& graphics = *Engine::Graphics;
    FramePacer::Settings settings{Engine::CounterFrequency, graphics.FrameRate, graphics.MaxFrameSkip,
                                  Engine::TimerPeriod};
    settings.testDelayMilliseconds = TestFrameDelayMilliseconds();
    pacer_ = std::make_unique<FramePacer>(settings, Clock::Now, Clock::SleepMilliseconds);
    pacer_->Start();
    Engine::LastStepCounter = Clock::Now();
}

bool GameApp::RunFrame(float deltaSeconds) {
    FrameTime& time = *Engine::FrameTime;
    time.DeltaSeconds = deltaSeconds;
    time.TotalSeconds += deltaSeconds;
    Engine::LastStepCounter = Clock::Now();

    Engine::InputManager->Update();
    Engine::MusicManager->Update();
    if (!Engine::InputManager->Poll()) {
        return false;
    }
    if (options_.frames > 0 && options_.night) {
        Engine::InputManager->Cursor = PointerSweep::At(time.TotalSeconds);
    }
    HandleWindowKeys();
    TreePasses::InputPass(Engine::Root);
    if (Engine::GameplayRoot != nullptr) {
        TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
    }
    TreePasses::PhysicsStep(deltaSeconds);
    TreePasses::UpdatePass(Engine::Root);
    TreePasses::DeletionPhase();
    Render();
    return true;
}

void GameApp::Render() {
    Graphics& graphics = *Engine::Graphics;
    if (graphics.MainWindow == nullptr || !graphics.Device->IsInitialized()) {
        return;
    }
    GraphicsDevice& device = *graphics.Device;
    if (!Engine::InputManager->IsActionPressed(ActionScreenshot)) {
        device.RenderFrame(Engine::Root);
        return;
    }
    // The frame may be drawn straight into the window: it is read before the swap.
    Image shot;
    Image* const capture = std::exchange(device.FrameCapture, &shot);
    device.RenderFrame(Engine::Root);
    device.FrameCapture = capture;
    WriteScreenshot(shot);
}

void GameApp::WriteScreenshot(const Image& shot) const {
    // "Screenshot-<n>.png" in the player's screenshot directory, never overwriting an
    // earlier one; the HUD says where it went, as players look for it there.
    const std::filesystem::path directory = PlayerDirectories::Screenshots();
    std::error_code error;
    if (!directory.empty()) {
        std::filesystem::create_directories(directory, error);
    }
    if (directory.empty() || error) {
        const std::string why = directory.empty() ? "neither XDG_DATA_HOME nor HOME is set"
                                                  : directory.string() + ": " + error.message();
        ContentLog::Warning("cannot take a screenshot: " + why);
        FlashMessage("Screenshot not saved: " + why);
        return;
    }
    for (int n = 1;; ++n) {
        const std::filesystem::path file = directory / ("Screenshot-" + std::to_string(n) + ".png");
        if (std::filesystem::exists(file, error)) {
            continue;
        }
        if (WritePng(file.string(), shot)) {
            FlashMessage("Screenshot saved to " + PlayerDirectories::Readable(file));
        } else {
            ContentLog::Warning("cannot write " + file.string());
            FlashMessage("Screenshot not saved: cannot write " + PlayerDirectories::Readable(file));
        }
        return;
    }
}

void GameApp::ShutDownContent() {
    Engine::SoundManager->UnloadBank("Main");
    Engine::Animations->UnloadAllAnimations();
    // No font page may outlive the OpenGL context.
    Engine::Fonts->UnloadFontBank("Main");
    Engine::Fonts->UnloadAllBanks();
    TextureManager& textures = *Engine::TextureManager;
    textures.UnloadTextureBank("Editor");
    textures.UnloadTextureBank("Main");
    // Banks made in code go too: no texture may outlive the OpenGL context.
    textures.UnloadAllBanks();
    stats_->Detach();
    Engine::Graphics->Device->ReleaseGraphicsDevice();
    Engine::Graphics->RememberWindowSize();
    Engine::Graphics->MainWindow.reset();
}

// A save killed half-way leaves its temporary file beside the file it was to replace,
// in one of the directories the game saves into.
void GameApp::RemoveInterruptedSaves() {
    const std::filesystem::path savedInto[] = {
        Engine::Prefabs->SaveDirectory(),
        PlayerSettings::Location().parent_path(),
    };
    for (const std::filesystem::path& directory : savedInto) {
        if (!directory.empty()) {
            RemoveLeftoverTemporaries(directory);
        }
    }
}
