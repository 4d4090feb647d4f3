#include "core/Behavior.h"
#include "core/GameObject.h"
#include "core/WeakHandle.h"

#include <gtest/gtest.h>

namespace {

// A behaviour that looks at a handle to its own object while that object is deleted.
class WatchingBehavior : public Behavior {
public:
    ~WatchingBehavior() override { ownerSeenAtDeath = ownerHandle.Get(); }
    WeakHandle<GameObject> ownerHandle;
    static inline GameObject* ownerSeenAtDeath = nullptr;
};

TEST(WeakHandleTest, ReadsNullOnceTheObjectOrComponentIsDeletedAndCopiesAgree) {
    auto* parent = new GameObject();
    auto* child = new GameObject();
    parent->AddChild(child);
    auto* watcher = new WatchingBehavior();
    child->AddComponent(watcher);
    watcher->ownerHandle = child;
    WatchingBehavior::ownerSeenAtDeath = child;

    WeakHandle<GameObject> toChild = child;
    WeakHandle<Behavior> toWatcher = watcher;
    const WeakHandle<GameObject> copy = toChild;
    WeakHandle<GameObject> moved = WeakHandle<GameObject>(toChild);
    EXPECT_EQ(copy.Get(), child);
    EXPECT_EQ(toWatcher.Get(), watcher);

    delete watcher;  // a component deleted on its own; its object stays
    EXPECT_EQ(toWatcher.Get(), nullptr);
    EXPECT_EQ(toChild.Get(), child);

    child->AddComponent(watcher = new WatchingBehavior());
    watcher->ownerHandle = child;
    toWatcher = watcher;
    delete parent;  // the child and its behaviour go with their ancestor
    EXPECT_EQ(WatchingBehavior::ownerSeenAtDeath, nullptr) << "the object reads gone while its contents go";
    EXPECT_FALSE(toChild);
    EXPECT_FALSE(copy);
    EXPECT_FALSE(moved);
    EXPECT_FALSE(toWatcher);

    toChild.Reset();  // the last handles release the shared token (the leak checkers see it)
    EXPECT_EQ(WeakHandle<GameObject>(nullptr).Get(), nullptr);
}

}  // namespace
