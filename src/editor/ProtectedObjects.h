#pragma once

class GameObject;

// The engine's own objects, which the editor must not switch off, strip of
// components or remove: Root, "GameplayRoot" and the editor's own tree below
// "EditorRoot". Switching any of them off would leave nothing to switch it on again.
bool IsProtectedFromEdits(const GameObject& object);
