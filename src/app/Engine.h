#pragma once

#include <atomic>
#include <cstdint>

class B2DebugDrawer;
class CueManagerBhv;
class EditorState;
class Events;
class GameApp;
class GameConfig;
class GameObject;
class MusicManager;
class Graphics;
class InputManager;
class PrefabManager;
class RandomManager;
class SoundManager;
class TextureManager;
struct FrameTime;
class b2World;

// The process-wide record through which every subsystem reaches the managers.
// GameApp fills the manager fields in its constructor and clears them in its
// destructor; a field stays null until its manager exists.
struct Engine {
    static inline int BurningAnts = 0;
    static inline ::RandomManager* RandomManager = nullptr;
    static inline CueManagerBhv* CueManager = nullptr;
    static inline GameObject* Root = nullptr;
    static inline GameApp* App = nullptr;
    static inline ::Events* Events = nullptr;
    static inline ::FrameTime* FrameTime = nullptr;
    static inline ::MusicManager* MusicManager = nullptr;
    static inline ::SoundManager* SoundManager = nullptr;
    static inline b2World* World = nullptr;
    static inline ::Graphics* Graphics = nullptr;
    static inline PrefabManager* Prefabs = nullptr;
    static inline GameObject* GameplayRoot = nullptr;
    static inline ::InputManager* InputManager = nullptr;
    static inline ::TextureManager* TextureManager = nullptr;
    static inline ::EditorState* EditorState = nullptr;
    static inline ::GameConfig* GameConfig = nullptr;
    static inline B2DebugDrawer* DebugDrawer = nullptr;
    static inline int ExitCode = 0;

    // Clock ticks at which the current frame's work began; written by the main loop,
    // read by the watchdog thread.
    static inline std::atomic<std::int64_t> LastStepCounter{0};
    static inline bool TimerReady = false;
    static inline std::int64_t CounterFrequency = 0;
    // Sleep granularity in milliseconds.
    static inline unsigned TimerPeriod = 1;

    // Makes CounterFrequency and TimerPeriod known; idempotent.
    static void EnsureTimerReady();
};
