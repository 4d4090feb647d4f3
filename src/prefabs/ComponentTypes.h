#pragma once

class PrefabManager;

// Registers every component and behaviour type by its class name.
void RegisterComponentTypes(PrefabManager& manager);
