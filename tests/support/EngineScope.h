#pragma once

#include "core/DeletionQueues.h"

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

// Sets exactly the Engine fields a test asks for and puts every one back when the
// scope ends, last set first. Fields made here are owned by the scope:
//
//     EngineScope engine;
//     engine.Make(Engine::Deletions);
//     GameObject& root = engine.Make(Engine::Root);
//     engine.Use(Engine::Graphics, &myGraphics);   // owned by the test
//
// A DeletionQueues made here deletes what is still queued before it goes, as the
// application does at shut-down.
class EngineScope {
public:
    EngineScope() = default;
    EngineScope(const EngineScope&) = delete;
    EngineScope& operator=(const EngineScope&) = delete;

    ~EngineScope() {
        while (!restore_.empty()) {
            restore_.back()();
            restore_.pop_back();
        }
    }

    // A new T(args...) in the field until the scope ends.
    template <class T, class... Args>
    T& Make(T*& field, Args&&... args) {
        T* previous = field;
        T* made = new T(std::forward<Args>(args)...);
        field = made;
        restore_.push_back([&field, previous, made] {
            if constexpr (std::is_same_v<T, DeletionQueues>) {
                made->DeleteQueued();
            }
            delete made;
            field = previous;
        });
        return *made;
    }

    // The test's own value in the field until the scope ends.
    template <class T>
    void Use(T*& field, T* value) {
        T* previous = field;
        field = value;
        restore_.push_back([&field, previous] { field = previous; });
    }

private:
    std::vector<std::function<void()>> restore_;
};
