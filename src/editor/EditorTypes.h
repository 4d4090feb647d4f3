#pragma once

class PrefabManager;

// Registers every behaviour type of the editor by its class name; their names all
// begin with "Ed".
void RegisterEditorTypes(PrefabManager& manager);
