#include "core/DeletionQueues.h"

#include "core/Component.h"
#include "core/GameObject.h"

#include <algorithm>

void DeletionQueues::Forget(const GameObject* object) {
    std::replace(ObjectsToDelete.begin(), ObjectsToDelete.end(), const_cast<GameObject*>(object),
                 static_cast<GameObject*>(nullptr));
}

void DeletionQueues::Forget(const Component* component) {
    std::replace(ComponentsToDelete.begin(), ComponentsToDelete.end(), const_cast<Component*>(component),
                 static_cast<Component*>(nullptr));
}

void DeletionQueues::DeleteQueued() {
    for (std::size_t i = 0; i < ObjectsToDelete.size(); ++i) {
        delete ObjectsToDelete[i];
    }
    ObjectsToDelete.clear();
    for (std::size_t i = 0; i < ComponentsToDelete.size(); ++i) {
        delete ComponentsToDelete[i];
    }
    ComponentsToDelete.clear();
}
