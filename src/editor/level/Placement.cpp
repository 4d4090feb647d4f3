#include "editor/level/Placement.h"

#include "core/GameObject.h"
#include "graphics/Pos2dComponent.h"
#include "physics/B2BodyComponent.h"

Placement Placement::Of(const GameObject& object) {
    if (const Pos2dComponent* pos = object.Pos2d()) {
        return {pos->Pos, pos->Rotation};
    }
    if (B2BodyComponent* body = object.B2Body()) {
        return {body->GetPosition(), body->GetAngle()};
    }
    return {};
}

void Placement::ApplyTo(GameObject& object) const {
    if (Pos2dComponent* pos = object.Pos2d()) {
        pos->Pos = Pos;
        pos->Rotation = Rotation;
    } else if (B2BodyComponent* body = object.B2Body()) {
        body->SetPosition(Pos);
        body->SetAngle(Rotation);
    }
}
