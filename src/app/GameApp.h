#pragma once

#include "app/FramePacer.h"
#include "app/LaunchOptions.h"

#include <memory>
#include <vector>

class B2MainContactListener;
class FrameStatsMonitor;
class GameObject;
struct Image;
class Watchdog;
struct PlayerSettings;

// The application: creates the managers in a fixed order (and destroys them in a
// fixed order), runs start-up, the paced frame loop and shut-down.
class GameApp {
public:
    explicit GameApp(const LaunchOptions& options = {});
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Start-up, the frame loop until the window is closed (or, with --frames, for that
    // many unpaced frames), then shut-down of content.
    void Run();

    // The random seed of a --frames run, so every run plays the same game.
    static constexpr unsigned kBenchmarkSeed = 5489u;

    // One frame after its pacing: returns false when the window was closed during
    // the poll, in which case the passes after the poll are skipped.
    bool RunFrame(float deltaSeconds);


    // Start-up steps that need no window: the configuration, then the component
    // types and every prefab. A content file that cannot be used throws a
    // ContentError naming it. Temporary files of saves that never finished go first.
    void LoadContent();
    // Names Root "Root" and gives it its first child, an instance of "GameplayRoot"
    // (a ContentError when no such prefab exists), and its second, the editor
    // "EditorRoot" when the content has it.
    void CreateGameplayRoot();

private:
    void CreatePhysicsWorld();
    void DestroyPhysicsWorld();
    void StartUp();
    void CreateWindow(const PlayerSettings& settings);
    void HandleWindowKeys();
    // The game time of the next frame: paced, or one interval at once with --frames.
    float NextFrameDelta();
    static bool KeepRunningToAsk();
    static void RemoveInterruptedSaves();
    void LoadBanks();
    void LoadTextures();
    void LoadFonts();
    void StartFramePacing();
    // Night, and the flashlight in hand (--night).
    void StartAtNight();
    void Render();
    void WriteScreenshot(const Image& shot) const;
    void ShutDownContent();

    // Declared first so that it is destroyed last: the watchdog also watches the
    // destruction of the managers and the scene tree.
    std::unique_ptr<Watchdog> watchdog_;
    std::unique_ptr<FramePacer> pacer_;
    std::unique_ptr<B2MainContactListener> contactListener_;
    LaunchOptions options_;
    std::unique_ptr<FrameStatsMonitor> stats_;
};
