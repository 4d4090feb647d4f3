#pragma once

class PrefabManager;

// Registers every component and behaviour type of the runtime by its class name.
// The editor registers its own (RegisterEditorTypes); the program puts them together
// (RegisterComponentTypes).
void RegisterRuntimeTypes(PrefabManager& manager);
