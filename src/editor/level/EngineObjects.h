#pragma once

#include <string>

class GameObject;

// The objects the engine itself stands on: Root, "GameplayRoot" and the editor's own
// tree ("EditorRoot" and everything below it). The palettes refuse to remove, reload
// or switch off any of them, and to write them into a prefab.
bool IsEngineObject(const GameObject* object);

// True (after telling the user "<action>: <object> belongs to the engine") when the
// object is one of those, or there is no object.
bool RefuseOnEngineObject(const GameObject* object, const std::string& action);
