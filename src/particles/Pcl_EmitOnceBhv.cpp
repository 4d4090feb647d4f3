#include "particles/Pcl_EmitOnceBhv.h"

#include "core/GameObject.h"

Pcl_EmitOnceBhv::Pcl_EmitOnceBhv() {
    AddProperty("EmitCount", EmitCount);
    AddProperty("ParticlePrefab", ParticlePrefab);
}

void Pcl_EmitOnceBhv::Update() {
    if (PrefabExists()) {
        Emit(EmitCount);
    }
    if (Owner() != nullptr) {
        Owner()->QueueForDeletion();
    }
}
