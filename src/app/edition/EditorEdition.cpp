// The game with its editor: the editor's types join the runtime's, and the editor's
// shared record lives as long as the application.
#include "app/Edition.h"

#include "core/Engine.h"
#include "editor/EditorState.h"
#include "editor/EditorTypes.h"
#include "game/RuntimeTypes.h"

void RegisterComponentTypes(PrefabManager& manager) {
    RegisterRuntimeTypes(manager);
    RegisterEditorTypes(manager);
}

void Edition::Begin() { Engine::EditorState = new EditorState(); }

void Edition::End() {
    delete Engine::EditorState;
    Engine::EditorState = nullptr;
}
