#pragma once

class AutoCreate;
class GameObject;
class Prefab;

// Where an object's stored values live: the prefab entry that made it (as a child of
// its parent's prefab) and the prefab its prefab name names. Either may be null.
struct InstanceSources {
    AutoCreate* Entry = nullptr;
    Prefab* OwnPrefab = nullptr;
};

// The entry is the one recorded when the object was instanced, and only while it is
// still a live entry of a prefab the manager holds; never one found by name.
InstanceSources FindInstanceSources(const GameObject& object);

// Writes the object's live values back where they are stored. Components match by
// type and occurrence (the k-th of a type on the object, the k-th of that type among
// the stored ones). A property the entry stores takes the live value there; else one
// the prefab stores takes it there; properties stored in neither are left out. Each
// prefab written to is marked modified. False when nothing was written.
bool UpdatePrefabFromInstance(const GameObject& object);
