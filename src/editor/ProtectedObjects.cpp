#include "editor/ProtectedObjects.h"

#include "core/Engine.h"
#include "core/GameObject.h"

bool IsProtectedFromEdits(const GameObject& object) {
    if (&object == Engine::Root || &object == Engine::GameplayRoot || object.Name == "GameplayRoot") {
        return true;
    }
    for (const GameObject* at = &object; at != nullptr; at = at->Parent()) {
        if (at->Name == "EditorRoot") {
            return true;
        }
    }
    return false;
}
