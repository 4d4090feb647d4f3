#include "game/TestSpriteBhv.h"

#include "audio/CueManagerBhv.h"
#include "core/Engine.h"
#include "core/KeyCode.h"
#include "graphics/Pos2dComponent.h"
#include "input/InputManager.h"
#include "script/TweensBhv.h"

void TestSpriteBhv::HandleInput() {
    const InputManager& input = *Engine::InputManager;
    if (!input.IsKeyPressed(KeyLeftMouse) || Pos2d() == nullptr || Tweens() == nullptr) {
        return;
    }
    const Vector2 mouse = input.CursorInWorld();
    Tweens()->TweenVector2(&Pos2d()->Pos, mouse, GlideSeconds, [] { PlayCue("DebugBlip"); });
}
