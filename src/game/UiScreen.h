#pragma once

class GameObject;

// Menus are objects switched on and off whole: shown means input, update and draw on.
// The play field is paused by switching off its screen's input and update, so it
// stays drawn under the menu; the HUD stops taking clicks meanwhile.
//
// One rule decides "paused": a pause menu or message box asks for it, the editor's
// pause toggle (EditorState::PauseGame) is on, or an editor tool is open
// (EditorState::IsToolOpen). ApplyPause sets the flags from that rule; every change
// of any reason calls it.
namespace UiScreen {

void Show(GameObject* object);
void Hide(GameObject* object);
bool IsShown(const GameObject* object);

// The menus' reason: set or cleared, then the rule applied.
void PauseGameplay();
void ResumeGameplay();
void ApplyPause();
bool IsGameplayPaused();
// An editor question is up (it may come while a menu is shown, about quitting): the
// menus leave the keys and the mouse to it.
bool IsEditorAsking();

}  // namespace UiScreen
