#include "prefabs/AutoCreate.h"

#include "core/ListMoves.h"
#include "prefabs/Prefab.h"

#include <algorithm>
#include <utility>

std::unique_ptr<AutoCreate> AutoCreate::Clone() const {
    auto copy = std::make_unique<AutoCreate>();
    copy->Name = Name;
    copy->PrefabName = PrefabName;
    for (const auto& component : InstanceProperties) {
        copy->InstanceProperties.push_back(component->Clone());
    }
    return copy;
}

void AutoCreate::Move(int offset) {
    if (Owner != nullptr && SwapEntry(Owner->AutoCreates, IndexOf(Owner->AutoCreates, this), offset)) {
        Owner->IsModified = true;
    }
}
