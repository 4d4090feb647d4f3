#include "core/GameObject.h"

#include "core/Behavior.h"
#include "core/DeletionQueues.h"
#include "core/DrawableComponent.h"
#include "core/Engine.h"
#include "core/ListMoves.h"
#include "core/RemovalNotices.h"
#include "graphics/Pos2dComponent.h"
#include "physics/B2BodyComponent.h"
#include "prefabs/PrefabManager.h"

#include <box2d/b2_body.h>

#include <algorithm>

GameObject::GameObject(std::string prefabName) {
    const Prefab* prefab =
        Engine::Prefabs != nullptr ? Engine::Prefabs->PrefabForInstancing(prefabName, "") : nullptr;
    if (prefab != nullptr) {
        try {
            prefab->Instantiate(*this);
        } catch (...) {
            DeleteContents();  // no destructor runs for an object whose constructor threw
            throw;
        }
    }
    if (Name.empty()) {
        Name = std::move(prefabName);
    }
}

GameObject::~GameObject() {
    liveness_.Expire();  // handles read null while the contents go
    RemovalNotices::Announce(*this);
    if (queued_ && Engine::Deletions != nullptr) {
        Engine::Deletions->Forget(this);
    }
    DeleteContents();
}

void GameObject::DeleteContents() {
    while (!components_.empty()) {
        delete components_.back();  // its destructor detaches it from this object
    }
    while (!children_.empty()) {
        delete children_.back();  // its destructor erases it from children_
    }
    DetachFromParent();
}

GameObject* GameObject::Reinstance() {
    if (parent_ == nullptr || PrefabName.empty()) {
        return nullptr;
    }
    auto* fresh = new GameObject(PrefabName);
    auto& siblings = parent_->children_;
    const auto at = std::find(siblings.begin(), siblings.end(), this);
    parent_->InsertChild(static_cast<std::size_t>(at - siblings.begin()), fresh);
    QueueForDeletion();
    return fresh;
}

void GameObject::AddComponent(Component* c) {
    c->owner_ = this;
    components_.push_back(c);
    if (auto* behavior = dynamic_cast<Behavior*>(c)) {
        behaviors_.push_back(behavior);
        behavior->CopyShortcutsFrom(*this);
    }
    if (const auto* drawable = dynamic_cast<const DrawableComponent*>(c)) {
        AddDrawable(drawable);
    }
    OfferShortcut(c);
    for (Behavior* b : behaviors_) {
        b->OfferShortcut(c);
    }
}

void GameObject::RemoveComponent(Component* c) {
    c->owner_ = nullptr;
    auto at = std::find(components_.begin(), components_.end(), c);
    if (at != components_.end()) {
        components_.erase(at);
    }
    // Compared as Component pointers: during a component's destructor its dynamic type
    // is already gone, so no run-time type test is possible here.
    auto bat = std::find_if(behaviors_.begin(), behaviors_.end(),
                            [c](Behavior* b) { return static_cast<Component*>(b) == c; });
    if (bat != behaviors_.end()) {
        behaviors_.erase(bat);
    }
    for (const DrawableComponent*& drawable : drawables_) {
        if (drawable != nullptr && static_cast<const Component*>(drawable) == c) {
            drawable = nullptr;
        }
    }
    ForgetShortcut(c);
    for (Behavior* b : behaviors_) {
        b->ForgetShortcut(c);
    }
}

void GameObject::AddDrawable(const DrawableComponent* drawable) {
    // Like a shortcut slot: the first of a kind draws, a later one of that kind never.
    const DrawableComponent*& slot = drawables_[static_cast<std::size_t>(drawable->Slot())];
    if (slot == nullptr) {
        slot = drawable;
    }
}

void GameObject::AddChild(GameObject* child) {
    InsertChild(children_.size(), child);
}

void GameObject::InsertChild(std::size_t index, GameObject* child) {
    index = std::min(index, children_.size());
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), child);
    child->parent_ = this;
}

GameObject* GameObject::FindChild(const std::string& name) const {
    for (GameObject* child : children_) {
        if (child->Name == name) {
            return child;
        }
    }
    return nullptr;
}

void GameObject::Destroy() {
    QueueForDeletion();
    DetachFromParent();
}

void GameObject::QueueForDeletion() {
    if (queued_ || Engine::Deletions == nullptr) {
        return;
    }
    Engine::Deletions->Queue(this);
    queued_ = true;
}

void GameObject::DetachFromParent() {
    if (parent_ == nullptr) {
        return;
    }
    auto& siblings = parent_->children_;
    auto at = std::find(siblings.begin(), siblings.end(), this);
    if (at != siblings.end()) {
        siblings.erase(at);
    }
    parent_ = nullptr;
}

void GameObject::SortChildren(const std::function<bool(const GameObject*, const GameObject*)>& before) {
    std::stable_sort(children_.begin(), children_.end(), before);
}

void GameObject::MoveAmongSiblings(int offset) {
    if (parent_ != nullptr) {
        SwapEntry(parent_->children_, IndexOf(parent_->children_, this), offset);
    }
}

Vector2 GameObject::GetPosition() const {
    if (Pos2d() != nullptr) {
        return Pos2d()->GetWorldPosition();
    }
    if (B2Body() != nullptr) {
        return B2Body()->GetPosition();
    }
    return {};
}

void GameObject::SetPosition(Vector2 p) {
    if (Pos2dComponent* pos = Pos2d()) {
        pos->Pos = p - (pos->GetWorldPosition() - pos->Pos);
    } else if (B2BodyComponent* body = B2Body()) {
        body->SetPosition(p);
    }
}

float GameObject::GetRotation() const {
    if (Pos2d() != nullptr) {
        return Pos2d()->Rotation;
    }
    return B2Body() != nullptr ? B2Body()->GetAngle() : 0.0f;
}

void GameObject::SetRotation(float radians) {
    if (Pos2dComponent* pos = Pos2d()) {
        pos->Rotation = radians;
    } else if (B2BodyComponent* body = B2Body()) {
        body->SetAngle(radians);
    }
}

bool GameObject::GetBodyPlacement(Vector2& position, float& rotation) const {
    const B2BodyComponent* body = B2Body();
    if (body == nullptr || body->ExistingBody() == nullptr) {
        return false;
    }
    const b2Body& b = *body->ExistingBody();
    position = Vector2(b.GetPosition().x, b.GetPosition().y);
    rotation = b.GetAngle();
    return true;
}
