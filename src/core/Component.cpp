#include "core/Component.h"

#include "core/Engine.h"
#include "core/Behavior.h"
#include "core/DeletionQueues.h"
#include "core/GameObject.h"

#include <algorithm>

namespace {

// Moves the entry at `from` so that it ends up at `to`, keeping the order of the rest.
template <class T>
void MoveEntry(std::vector<T*>& list, std::size_t from, std::size_t to) {
    T* entry = list[from];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), entry);
}

template <class T>
std::size_t ClampedTarget(const std::vector<T*>& list, std::size_t index, int offset) {
    const long long last = static_cast<long long>(list.size()) - 1;
    const long long target = std::clamp(static_cast<long long>(index) + offset, 0LL, last);
    return static_cast<std::size_t>(target);
}

}  // namespace

Component::~Component() {
    if (queued_ && Engine::Deletions != nullptr) {
        Engine::Deletions->Forget(this);
    }
    if (owner_ != nullptr) {
        owner_->RemoveComponent(this);
    }
}

void Component::QueueDelete() {
    if (queued_ || Engine::Deletions == nullptr) {
        return;
    }
    Engine::Deletions->Queue(this);
    queued_ = true;
}

bool Component::MoveInOwner(int offset) {
    if (owner_ == nullptr) {
        return false;
    }
    auto& components = owner_->components_;
    const auto at = std::find(components.begin(), components.end(), this);
    const auto index = static_cast<std::size_t>(at - components.begin());
    const std::size_t target = ClampedTarget(components, index, offset);
    if (target == index) {
        return false;
    }
    MoveEntry(components, index, target);

    if (auto* behavior = dynamic_cast<Behavior*>(this)) {
        auto& behaviors = owner_->behaviors_;
        const auto bat = std::find(behaviors.begin(), behaviors.end(), behavior);
        const auto bindex = static_cast<std::size_t>(bat - behaviors.begin());
        const std::size_t btarget = ClampedTarget(behaviors, bindex, offset);
        if (btarget != bindex) {
            MoveEntry(behaviors, bindex, btarget);
        }
    }
    return true;
}
