#include "editor/level/EngineObjects.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorMessage.h"

namespace {

bool IsRootChild(const GameObject& object, const char* name) {
    return object.Parent() != nullptr && object.Parent() == Engine::Root && object.Name == name;
}

}  // namespace

bool IsEngineObject(const GameObject* object) {
    if (object == nullptr) {
        return false;
    }
    if (object == Engine::Root || object->Parent() == nullptr || IsRootChild(*object, "GameplayRoot")) {
        return true;
    }
    for (const GameObject* at = object; at != nullptr; at = at->Parent()) {
        if (IsRootChild(*at, "EditorRoot")) {
            return true;
        }
    }
    return false;
}

bool RefuseOnEngineObject(const GameObject* object, const std::string& action) {
    if (object == nullptr) {
        return true;
    }
    if (!IsEngineObject(object)) {
        return false;
    }
    TellUser(action + ": " + (object->Name.empty() ? std::string("the root") : object->Name) + " belongs to the engine");
    return true;
}
