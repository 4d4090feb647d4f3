#pragma once

// An editor piece that may hold the keyboard (a field being typed into, a shown
// dialog, an open tool); while one does, the level editor ignores all keys.
class IEdKeyboardHolder {
public:
    virtual ~IEdKeyboardHolder() = default;
    virtual bool HoldsKeyboard() const = 0;
};
