#include "graphics/Pos2dComponent.h"

#include "core/GameObject.h"

Pos2dComponent::Pos2dComponent() {
    AddProperty("Pos", Pos);
    AddProperty("Rotation", Rotation);
    AddProperty("IsRelative", IsRelative);
}

Vector2 Pos2dComponent::GetWorldPosition() const {
    Vector2 world = Pos;
    if (!IsRelative || Owner() == nullptr) {
        return world;
    }
    for (const GameObject* o = Owner()->Parent(); o != nullptr; o = o->Parent()) {
        const Pos2dComponent* pos = o->Pos2d();
        if (pos == nullptr) {
            continue;
        }
        world += pos->Pos;
        if (!pos->IsRelative) {
            break;
        }
    }
    return world;
}
