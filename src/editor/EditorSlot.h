#pragma once

#include "core/Behavior.h"
#include "core/Engine.h"
#include "editor/EditorState.h"

// The editor's pieces find each other through EditorState's slots: a piece enters
// itself when it starts and leaves when it goes, and callers take it as its type.
using EditorSlot = Behavior* EditorState::*;

inline void EnterSlot(EditorSlot slot, Behavior* self) {
    if (Engine::EditorState != nullptr) {
        Engine::EditorState->*slot = self;
    }
}

// Only its own entry: a newer piece may have entered itself meanwhile.
inline void LeaveSlot(EditorSlot slot, const Behavior* self) {
    if (Engine::EditorState != nullptr && Engine::EditorState->*slot == self) {
        Engine::EditorState->*slot = nullptr;
    }
}

// The piece in the slot as T, or null.
template <class T>
T* InSlot(EditorSlot slot) {
    return Engine::EditorState != nullptr ? dynamic_cast<T*>(Engine::EditorState->*slot) : nullptr;
}
