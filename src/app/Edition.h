#pragma once

class PrefabManager;

// What a program puts on top of the runtime: the editor (edition/EditorEdition.cpp)
// or nothing (edition/PlayerEdition.cpp, a player build). Exactly one of the two is
// linked into each program; the runtime itself never names the editor.

// Every component type of the program: the runtime's, then the editor's. A player
// build also leaves out the prefabs made with the editor's behaviours.
void RegisterComponentTypes(PrefabManager& manager);

namespace Edition {
// Before the content loads: the editor's shared record (Engine::EditorState).
void Begin();
// After the tree is gone.
void End();
}  // namespace Edition
