#include "game/RuntimeTypes.h"

#include "animation/AnimationBhv.h"
#include "audio/CueComponent.h"
#include "audio/CueLoopedBhv.h"
#include "audio/CueManagerBhv.h"
#include "audio/CueOneShotBhv.h"
#include "game/En_AntBhv.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudButtonBhv.h"
#include "game/HudHintBhv.h"
#include "game/HudMessageFlashBhv.h"
#include "game/HudRootBhv.h"
#include "game/TextMenuBhv.h"
#include "game/UiButtonBhv.h"
#include "game/UiControlsBhv.h"
#include "game/UiOptionsBhv.h"
#include "game/UiMainMenuBhv.h"
#include "game/UiMenuRootBhv.h"
#include "game/UiMessageBoxBhv.h"
#include "game/UiPausedMarkBhv.h"
#include "game/LevelBhv.h"
#include "game/MagnifyingGlassBhv.h"
#include "game/SeedBhv.h"
#include "game/TestSpriteBhv.h"
#include "game/ThingComponent.h"
#include "game/WorldEventsBhv.h"
#include "graphics/DebugRectsBhv.h"
#include "graphics/DirectionalSpriteLightBhv.h"
#include "graphics/FireLightBhv.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteComponent.h"
#include "graphics/TextComponent.h"
#include "graphics/TintComponent.h"
#include "particles/ParticleManagerBhv.h"
#include "particles/Pcl_EmitContinuousBhv.h"
#include "particles/Pcl_EmitOnceBhv.h"
#include "particles/Pcl_LifetimeBhv.h"
#include "particles/Pcl_SimpleBhv.h"
#include "physics/B2BodyComponent.h"
#include "physics/B2FixtureComponent.h"
#include "physics/FixtureMouseListenerBhv.h"
#include "physics/FixtureMouseManagerBhv.h"
#include "prefabs/PrefabComponent.h"
#include "prefabs/PrefabManager.h"
#include "script/TweensBhv.h"

// One line per type, in the order of the game's type list; a subsystem adds its
// types at their place when it lands; the registry test checks each.
void RegisterRuntimeTypes(PrefabManager& manager) {
    manager.Register<PrefabComponent>("PrefabComponent");
    manager.Register<TweensBhv>("TweensBhv");
    manager.Register<En_AntBhv>("En_AntBhv");
    manager.Register<AnimationBhv>("AnimationBhv");
    manager.Register<DirectionalSpriteLightBhv>("DirectionalSpriteLightBhv");
    manager.Register<Pos2dComponent>("Pos2dComponent");
    manager.Register<SpriteComponent>("SpriteComponent");
    manager.Register<TextComponent>("TextComponent");
    manager.Register<TintComponent>("TintComponent");
    manager.Register<B2BodyComponent>("B2BodyComponent");
    manager.Register<B2FixtureComponent>("B2FixtureComponent");
    manager.Register<FixtureMouseListenerBhv>("FixtureMouseListenerBhv");
    manager.Register<FixtureMouseManagerBhv>("FixtureMouseManagerBhv");
    manager.Register<MagnifyingGlassBhv>("MagnifyingGlassBhv");
    manager.Register<TestSpriteBhv>("TestSpriteBhv");
    manager.Register<GameplayScreenBhv>("GameplayScreenBhv");
    manager.Register<CueComponent>("CueComponent");
    manager.Register<CueLoopedBhv>("CueLoopedBhv");
    manager.Register<CueManagerBhv>("CueManagerBhv");
    manager.Register<CueOneShotBhv>("CueOneShotBhv");
    manager.Register<HudButtonBhv>("HudButtonBhv");
    manager.Register<HudRootBhv>("HudRootBhv");
    manager.Register<HudMessageFlashBhv>("HudMessageFlashBhv");
    manager.Register<HudHintBhv>("HudHintBhv");
    manager.Register<UiMenuRootBhv>("UiMenuRootBhv");
    manager.Register<UiMainMenuBhv>("UiMainMenuBhv");
    manager.Register<UiControlsBhv>("UiControlsBhv");
    manager.Register<UiOptionsBhv>("UiOptionsBhv");
    manager.Register<TextMenuBhv>("TextMenuBhv");
    manager.Register<UiButtonBhv>("UiButtonBhv");
    manager.Register<UiMessageBoxBhv>("UiMessageBoxBhv");
    manager.Register<UiPausedMarkBhv>("UiPausedMarkBhv");
    manager.Register<DebugRectsBhv>("DebugRectsBhv");
    manager.Register<FireLightBhv>("FireLightBhv");
    manager.Register<LevelBhv>("LevelBhv");
    manager.Register<ParticleManagerBhv>("ParticleManagerBhv");
    manager.Register<Pcl_EmitContinuousBhv>("Pcl_EmitContinuousBhv");
    manager.Register<Pcl_EmitOnceBhv>("Pcl_EmitOnceBhv");
    manager.Register<Pcl_LifetimeBhv>("Pcl_LifetimeBhv");
    manager.Register<Pcl_SimpleBhv>("Pcl_SimpleBhv");
    manager.Register<SeedBhv>("SeedBhv");
    manager.Register<ThingComponent>("ThingComponent");
    manager.Register<WorldEventsBhv>("WorldEventsBhv");
}
