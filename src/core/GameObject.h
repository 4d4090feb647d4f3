#pragma once

#include "core/DrawSlot.h"
#include "core/IComponentShortcuts.h"
#include "core/Liveness.h"
#include "core/Vector2.h"
#include "core/WeakHandle.h"

#include <array>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class AutoCreate;
class Behavior;
class Component;
class DrawableComponent;

// A named node of the scene tree. It owns its components (in attachment order) and
// its children; the three flags switch whole subtrees in and out of the passes.
class GameObject : public IComponentShortcuts {
public:
    GameObject() = default;
    // An instance of the named prefab: its components, values and children, with the
    // behaviours started. Named after the prefab unless the prefab names it. A name
    // that no prefab has gives an empty object of that name, with a message.
    explicit GameObject(std::string prefabName);
    ~GameObject() override;

    bool InputEnabled = true;
    bool UpdateEnabled = true;
    bool DrawEnabled = true;
    // Shows or hides the subtree whole: input, update and draw together.
    void SetShown(bool on) { SetFlags(on, on, on); }
    void SetFlags(bool input, bool update, bool draw) {
        InputEnabled = input;
        UpdateEnabled = update;
        DrawEnabled = draw;
    }
    std::string Name;
    std::string PrefabName;
    // The prefab entry this object was instanced from as a child of its parent's
    // prefab; null for an object placed at run time, or once the entry is deleted.
    WeakHandle<const AutoCreate> MadeBy;

    const std::vector<Component*>& Components() const { return components_; }
    const std::vector<Behavior*>& Behaviors() const { return behaviors_; }
    // The components the tree walk draws, by DrawSlot; null for an empty slot.
    using DrawableSlots = std::array<const DrawableComponent*, DrawSlotCount>;
    const DrawableSlots& Drawables() const { return drawables_; }
    const std::vector<GameObject*>& Children() const { return children_; }
    GameObject* Parent() const { return parent_; }
    bool IsQueuedForDeletion() const { return queued_; }
    // What weak handles to this object read (core/WeakHandle.h).
    const Liveness& GetLiveness() const { return liveness_; }

    // Takes ownership of c and keeps every shortcut block in step.
    void AddComponent(Component* c);
    // Detaches c without deleting it.
    void RemoveComponent(Component* c);

    // Appends child (taking ownership) or inserts it before position `index`.
    void AddChild(GameObject* child);
    void InsertChild(std::size_t index, GameObject* child);

    // The first direct child with exactly this name, or null.
    GameObject* FindChild(const std::string& name) const;

    // Detaches this object at once and queues it for the frame's deletion phase.
    void Destroy();

    // Puts a fresh instance of this object's prefab just before it in the parent's list
    // and queues this object for deletion (it stays in the list until the deletion
    // phase). Returns the new object; null, changing nothing, without a parent or a
    // prefab name.
    GameObject* Reinstance();

    // Queues this object for the frame's deletion phase (at most once) but leaves it
    // in its parent's list until then.
    void QueueForDeletion();

    // Reorders the children by `before` (a strict weak order); children that compare
    // equal keep their order, so repeated sorts never swap them.
    void SortChildren(const std::function<bool(const GameObject*, const GameObject*)>& before);

    // Exchanges this object with the sibling `offset` places away; no-op outside the list.
    void MoveAmongSiblings(int offset);

    Vector2 GetPosition() const;
    void SetPosition(Vector2 p);
    float GetRotation() const;
    void SetRotation(float radians);
    // Where an object without a position component is drawn: its body's position
    // and angle when the body exists. False otherwise; never makes the body.
    bool GetBodyPlacement(Vector2& position, float& rotation) const;

    // The first component that is a T (subclasses included), in attachment order.
    template <class T>
    T* GetComponent() const {
        static_assert(std::is_base_of_v<Component, T>);
        for (Component* c : components_) {
            if (auto* t = dynamic_cast<T*>(c)) {
                return t;
            }
        }
        return nullptr;
    }

private:
    friend class Component;

    void DeleteContents();
    void AddDrawable(const DrawableComponent* drawable);
    void DetachFromParent();

    std::vector<Component*> components_;
    std::vector<Behavior*> behaviors_;
    // Kept in the object, like the shortcuts: the walk reads them for every object
    // in every pass.
    DrawableSlots drawables_{};
    std::vector<GameObject*> children_;
    GameObject* parent_ = nullptr;
    bool queued_ = false;
    Liveness liveness_;
};
