#pragma once

class GameObject;

// Menus are objects switched on and off whole: shown means input, update and draw on.
// The play field is paused by switching off its screen's input and update, so it
// stays drawn under the menu; the HUD stops taking clicks meanwhile.
namespace UiScreen {

void Show(GameObject* object);
void Hide(GameObject* object);
bool IsShown(const GameObject* object);

void PauseGameplay();
void ResumeGameplay();

}  // namespace UiScreen
