#pragma once

#include "core/Behavior.h"
#include "editor/tools/IEdTool.h"

// Selects an object of the running game by clicking its sprite. Ctrl+G opens it
// (EdRootBhv); a left click selects the topmost drawn object under the mouse below
// "GameplayRoot" (light sprites aside) for the palettes and closes, a click on empty
// space closes and keeps the selection, Esc closes. The palettes dim meanwhile.
class EdSpritePickerBhv : public Behavior, public IEdTool {
public:
    ~EdSpritePickerBhv() override;

    void Start() override;
    void HandleInput() override;

    void Open();
    void Close();
    bool IsOpen() const override { return isOpen_; }

private:
    void Pick();

    bool isOpen_ = false;
};
