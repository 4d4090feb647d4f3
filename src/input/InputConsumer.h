#pragma once

class InputManager;

// Something above the menus, the HUD and the play field that can take the frame's
// input (the editor's dialogs, palettes and tools). Consumers are offered each poll's
// input in the order they were added; what one takes is not for anyone below it,
// who asks InputManager::IsPointerTaken or AreKeysTaken instead of knowing who took it.
class InputConsumer {
public:
    virtual ~InputConsumer() = default;
    // Right after each poll, with the cursor read: look at the new input.
    virtual void Offer(const InputManager& input) = 0;
    // Whether it takes the pointer (clicks, the cursor's position) and the keys now.
    virtual bool TakesPointer() const = 0;
    virtual bool TakesKeys() const = 0;
};
