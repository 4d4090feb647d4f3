#include "particles/Pcl_LifetimeBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"

Pcl_LifetimeBhv::Pcl_LifetimeBhv() {
    AddProperty("Seconds", Seconds);
}

void Pcl_LifetimeBhv::Update() {
    elapsed_ += Engine::FrameTime->DeltaSeconds;
    if (elapsed_ >= Seconds && Owner() != nullptr) {
        Owner()->QueueForDeletion();
    }
}
