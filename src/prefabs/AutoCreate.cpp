#include "prefabs/AutoCreate.h"

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
    if (Owner == nullptr) {
        return;
    }
    auto& list = Owner->AutoCreates;
    const auto at = std::find_if(list.begin(), list.end(), [this](const auto& entry) { return entry.get() == this; });
    if (at == list.end()) {
        return;
    }
    const long long target = (at - list.begin()) + static_cast<long long>(offset);
    if (target < 0 || target >= static_cast<long long>(list.size())) {
        return;
    }
    std::swap(*at, list[static_cast<std::size_t>(target)]);
    Owner->IsModified = true;
}
