#pragma once

#include <atomic>
#include <cstdint>

class AnimationManager;
class B2DebugDrawer;
class CueManagerBhv;
class DebugRectsBhv;
class DeletionQueues;
class EditorState;
class FontManager;
class Events;
class GameApp;
class GameConfig;
class GameObject;
class GameplayScreenBhv;
class Graphics;
class HudMessageFlashBhv;
class HudRootBhv;
class IEditorRoot;
class InputManager;
class MusicManager;
class ParticleManagerBhv;
class PhysicsEditQueue;
class PrefabManager;
class RandomManager;
class SoundManager;
class TextureManager;
class UiMenuRootBhv;
class WorldEventsBhv;
struct FrameTime;
class b2World;

// The process-wide record through which every subsystem reaches the managers.
//
// Null policy: a field is null until its owner sets it and null again once its
// target is gone. GameApp sets the managers in its constructor and clears each as it
// deletes it; a behaviour that registers itself (the cue manager ...) clears its field
// in its destructor only if the field still names it. Code that may run outside a
// running game (destructors, tests building a bare tree, tools) checks for null; code
// that only runs inside the frame loop may rely on the managers being there.
struct Engine {
    // The application and its managers, in creation order (destroyed in reverse).
    static inline GameApp* App = nullptr;
    static inline DeletionQueues* Deletions = nullptr;
    static inline ::Events* Events = nullptr;
    static inline B2DebugDrawer* DebugDrawer = nullptr;
    static inline b2World* World = nullptr;
    static inline PhysicsEditQueue* PhysicsEdits = nullptr;
    static inline ::RandomManager* RandomManager = nullptr;
    static inline ::Graphics* Graphics = nullptr;
    static inline ::TextureManager* TextureManager = nullptr;
    static inline FontManager* Fonts = nullptr;
    static inline PrefabManager* Prefabs = nullptr;
    static inline ::FrameTime* FrameTime = nullptr;
    static inline ::InputManager* InputManager = nullptr;
    static inline ::SoundManager* SoundManager = nullptr;
    static inline ::MusicManager* MusicManager = nullptr;
    static inline ::EditorState* EditorState = nullptr;
    static inline ::GameConfig* GameConfig = nullptr;
    static inline AnimationManager* Animations = nullptr;

    // Scene roots.
    static inline GameObject* Root = nullptr;
    static inline GameObject* GameplayRoot = nullptr;

    // Game state: behaviours that register themselves, and shared counts.
    static inline GameplayScreenBhv* GameplayScreen = nullptr;
    static inline CueManagerBhv* CueManager = nullptr;
    static inline HudRootBhv* HudRoot = nullptr;
    static inline HudMessageFlashBhv* MessageFlash = nullptr;
    static inline UiMenuRootBhv* MenuRoot = nullptr;
    static inline WorldEventsBhv* WorldEvents = nullptr;
    static inline DebugRectsBhv* DebugRects = nullptr;
    static inline ParticleManagerBhv* ParticleManager = nullptr;
    // The editor root while it exists; the input poll calls it every frame.
    static inline IEditorRoot* EditorRoot = nullptr;
    static inline int BurningAnts = 0;
    static inline int ExitCode = 0;
    // Set by the menu's Quit: the main loop ends after the current frame.
    static inline bool QuitRequested = false;

    // Timing. Clock ticks at which the current frame's work began: written by the
    // main loop, read by the watchdog thread.
    static inline std::atomic<std::int64_t> LastStepCounter{0};
    static inline bool TimerReady = false;
    static inline std::int64_t CounterFrequency = 0;
    // Sleep granularity in milliseconds.
    static inline unsigned TimerPeriod = 1;
};
