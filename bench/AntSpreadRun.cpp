// Where the ants of the shipped game spend their time when nobody plays: the whole
// gameplay root as the game makes it (the shipped level "Stony Corner", its ants,
// the HUD, the menus), ten minutes of game time at the game's fixed step, no input,
// a fixed seed, and no window, GL or audio device. Prints the share of ant-seconds
// whose centre lies in the middle 60 % x 60 % of the world camera's view (an even
// spread gives 36 %) and the share outside the view:
//     ./vellimor_ant_spread [minutes]
#include "animation/AnimationManager.h"
#include "app/Edition.h"
#include "app/GameApp.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "game/En_AntBhv.h"
#include "game/TreePasses.h"
#include "graphics/FontManager.h"
#include "graphics/Graphics.h"
#include "graphics/TextureManager.h"
#include "graphics/TextureUploader.h"
#include "prefabs/PrefabManager.h"
#include "script/RandomManager.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr float kStepSeconds = 1.0f / 60.0f;
constexpr unsigned kSeed = 20261209;
constexpr float kMiddleShare = 0.6f;

// Decoded as the game decodes them; nothing goes to a GPU.
class NoGpuUploader : public TextureUploader {
public:
    unsigned Upload(const Image&) override { return 1; }
    void Release(unsigned) override {}
};

// The content beside the executable, read from the working directory as the game
// reads it.
void EnterGameDirectory() {
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

void LoadShippedContent() {
    Engine::GameConfig->Load();
    Engine::Prefabs->RegisterTypes(RegisterComponentTypes);
    delete Engine::TextureManager;  // before the new one: its destructor unplugs the name look-up
    Engine::TextureManager = new TextureManager("Content/Textures", std::make_unique<NoGpuUploader>());
    Engine::TextureManager->LoadTextureBank("Main");
    delete Engine::Fonts;
    Engine::Fonts = new FontManager("Content/Fonts", std::make_unique<NoGpuUploader>());
    Engine::Fonts->LoadFontBank("Main");
    Engine::Animations->LoadAllAnimations();
}

void StartGameplay() {
    Engine::RandomManager->Seed(kSeed);
    Engine::Root->Name = "Root";
    Engine::GameplayRoot = new GameObject("GameplayRoot");
    Engine::Root->AddChild(Engine::GameplayRoot);
}

// The frame's passes as the game loop runs them, without polling input or drawing.
void Step() {
    Engine::FrameTime->DeltaSeconds = kStepSeconds;
    Engine::FrameTime->TotalSeconds += kStepSeconds;
    TreePasses::InputPass(Engine::Root);
    TreePasses::PhysicsActivePass(Engine::GameplayRoot, true);
    TreePasses::PhysicsStep(kStepSeconds);
    TreePasses::UpdatePass(Engine::Root);
    TreePasses::DeletionPhase();
}

struct Tally {
    double antSeconds = 0.0;
    double middle = 0.0;
    double outside = 0.0;
    int ants = 0;
};

void Count(const GameObject& object, Vector2 centre, Vector2 half, Tally& tally) {
    for (const GameObject* child : object.Children()) {
        Count(*child, centre, half, tally);
        if (child->GetComponent<En_AntBhv>() == nullptr) {
            continue;
        }
        const Vector2 at = child->GetPosition() - centre;
        tally.ants += 1;
        tally.antSeconds += kStepSeconds;
        if (std::abs(at.x) > half.x || std::abs(at.y) > half.y) {
            tally.outside += kStepSeconds;
        } else if (std::abs(at.x) <= kMiddleShare * half.x && std::abs(at.y) <= kMiddleShare * half.y) {
            tally.middle += kStepSeconds;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
    setenv("ALSOFT_DRIVERS", "null", 0);  // no audio device: the cues play into nothing
    EnterGameDirectory();
    GameApp app;
    LoadShippedContent();
    StartGameplay();
    const Camera2d& camera = Engine::Graphics->WorldCamera;
    const Vector2 half(std::abs(camera.Size.x) / 2.0f, std::abs(camera.Size.y) / 2.0f);
    const long steps = std::lround(minutes * 60.0 / kStepSeconds);
    Tally tally;
    for (long i = 0; i < steps; ++i) {
        Step();
        tally.ants = 0;
        Count(*Engine::GameplayRoot, camera.Position, half, tally);
    }
    if (tally.antSeconds <= 0.0) {
        std::printf("no ants in the level\n");
        return 1;
    }
    std::printf("ant spread: %.1f min, %d ants at the end, middle 60%% x 60%% %.1f %%, outside the view %.2f %%\n",
                minutes, tally.ants, 100.0 * tally.middle / tally.antSeconds,
                100.0 * tally.outside / tally.antSeconds);
    return 0;
}
