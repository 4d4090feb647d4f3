#pragma once

class GameObject;

// Menus are objects switched on and off whole: shown means input, update and draw on.
// The play field is paused by switching off its screen's input and update, so it
// stays drawn under the menu; the HUD stops taking clicks meanwhile.
//
// One rule decides "paused": any pause reason is set. Each owner sets and clears its
// own: the menus and message boxes (Menu), the editor's pause toggle (EditorToggle),
// an open editor tool (EditorTool). Setting or clearing a reason applies the rule.
namespace UiScreen {

enum class PauseReason { Menu, EditorToggle, EditorTool };
void SetPauseReason(PauseReason reason, bool on);
bool HasPauseReason(PauseReason reason);
// Clears a reason without applying the rule (its owner is going away).
void ForgetPauseReason(PauseReason reason);

void Show(GameObject* object);
void Hide(GameObject* object);
bool IsShown(const GameObject* object);

// The menus' reason: set or cleared, then the rule applied.
void PauseGameplay();
void ResumeGameplay();
void ApplyPause();
bool IsGameplayPaused();

}  // namespace UiScreen
