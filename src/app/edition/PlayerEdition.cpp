// A player build: the runtime alone. The shipped content still holds the editor's
// prefabs; they are made with its behaviours, whose names begin with "Ed" and which
// this program does not have, so those prefabs are left out instead of failing to
// load. Without "EditorRoot" there is no editor, and F1 does nothing.
#include "app/Edition.h"

#include "game/RuntimeTypes.h"
#include "prefabs/PrefabManager.h"

#include <cctype>
#include <string>

namespace {
bool IsEditorType(const std::string& typeName) {
    return typeName.size() > 2 && typeName.compare(0, 2, "Ed") == 0 &&
           std::isupper(static_cast<unsigned char>(typeName[2])) != 0;
}
}  // namespace

void RegisterComponentTypes(PrefabManager& manager) {
    RegisterRuntimeTypes(manager);
    manager.LeaveOutPrefabsUsing(IsEditorType);
}

void Edition::Begin() {}

void Edition::End() {}
