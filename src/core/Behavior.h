#pragma once

#include "core/Component.h"
#include "core/Coroutine.h"
#include "core/IComponentShortcuts.h"
#include "core/IEditable.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class GameObject;

// A component with logic. The frame loop calls HandleInput in the input pass and
// Update in the update pass while the object's subtree is enabled; Start is called by
// whoever builds the object (prefab instancing, the editor), never by the loop.
class Behavior : public Component, public IComponentShortcuts, public IEditable {
public:
    Behavior() = default;
    ~Behavior() override;

    virtual void Start() {}
    virtual void Update() {}
    virtual void HandleInput() {}

    // The owner's child of that name, or null without an owner.
    GameObject* FindChild(const std::string& name) const;

    // Coroutines by member function (CoCommand F(int resumePoint), starting with
    // COROUTINE_IDENTITY). One Coroutine per function and behaviour, made on first use.
    template <class B>
    Coroutine* GetCoroutine(CoCommand (B::*function)(int));
    // Runs the first segment at once; does nothing while the coroutine is running.
    template <class B>
    void StartCoroutine(CoCommand (B::*function)(int));
    // To run a running coroutine again from the start, stop it and then start it.
    template <class B>
    void StopCoroutine(CoCommand (B::*function)(int)) { GetCoroutine(function)->Running = false; }

    using CoroutineMap = std::map<int, std::unique_ptr<Coroutine>>;
    const CoroutineMap& Coroutines() const { return coroutines_; }

private:
    CoroutineMap coroutines_;
};

template <class B>
Coroutine* Behavior::GetCoroutine(CoCommand (B::*function)(int)) {
    B* self = static_cast<B*>(this);
    const int identifier = (self->*function)(-1).Count;
    auto found = coroutines_.find(identifier);
    if (found == coroutines_.end()) {
        found = coroutines_.emplace(identifier, std::make_unique<Coroutine>(std::bind_front(function, self))).first;
    }
    return found->second.get();
}

template <class B>
void Behavior::StartCoroutine(CoCommand (B::*function)(int)) {
    Coroutine* coroutine = GetCoroutine(function);
    if (coroutine->Running) {
        return;
    }
    coroutine->ResumePoint = 0;
    coroutine->SecondsToWait = 0.0f;
    coroutine->FramesToWait = 0;
    coroutine->Running = true;
    coroutine->Step();
}
