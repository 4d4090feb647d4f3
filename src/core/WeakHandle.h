#pragma once

#include "core/Liveness.h"

#include <utility>

// A pointer to a GameObject or a Component (a behaviour too) that reads null once its
// target has begun to be deleted, so a holder never follows a dangling pointer: the
// particles an ant drags along, a looped cue it must stop. Copies share the target.
template <class T>
class WeakHandle {
public:
    WeakHandle() = default;
    WeakHandle(T* target) { Reset(target); }  // NOLINT: reads like the pointer it replaces
    WeakHandle(const WeakHandle& other) : target_(other.target_), token_(other.token_) { Liveness::Acquire(token_); }
    WeakHandle(WeakHandle&& other) noexcept
        : target_(std::exchange(other.target_, nullptr)), token_(std::exchange(other.token_, nullptr)) {}
    WeakHandle& operator=(WeakHandle other) noexcept {
        std::swap(target_, other.target_);
        std::swap(token_, other.token_);
        return *this;
    }
    ~WeakHandle() { Liveness::Release(token_); }

    // The target while it lives, else null.
    T* Get() const { return token_ != nullptr && token_->Alive ? target_ : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

    void Reset(T* target = nullptr) {
        Liveness::Token* token = target != nullptr ? target->GetLiveness().Share() : nullptr;
        Liveness::Acquire(token);
        Liveness::Release(token_);
        token_ = token;
        target_ = token != nullptr ? target : nullptr;
    }

private:
    T* target_ = nullptr;
    Liveness::Token* token_ = nullptr;
};
