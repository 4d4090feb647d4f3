#pragma once

#include "core/Behavior.h"
#include "core/IEditorRoot.h"
#include "editor/recovery/UnsavedWorkGuard.h"
#include "input/InputConsumer.h"

class EdLevelEditorBhv;

// The editor's root, instanced beside "GameplayRoot" so that pausing the game never
// reaches it. Its children "EdPalettesRoot", "EdDialogsRoot" and "EdLevelEditor" are
// found by name when used. F1 opens the editor over a paused game with the level's
// working copy (the level editor closes it with F1 for a play-test); F11 opens it
// over the running game and closes it. Closing either way lets the game run on
// (CloseEditor). Ctrl+G opens the sprite picker. Neither key works while a pause menu is up.
// Every frame it shows or hides the children as the editor is open or closed. It is
// Engine::EditorRoot and the input manager's first consumer while it lives: the open
// editor takes the pointer, a field or dialog holding the keyboard takes the keys.
class EdRootBhv : public Behavior, public IEditorRoot, public InputConsumer {
public:
    EdRootBhv();
    ~EdRootBhv() override;

    void Start() override;
    void Update() override;
    void HandleInput() override;

    void Offer(const InputManager& input) override;
    bool TakesPointer() const override;
    bool TakesKeys() const override;
    bool KeepRunningToAsk() override { return guard_.KeepRunningToAsk(); }
    void KeepUnsavedWork() override { guard_.WriteRecovery(); }
    UnsavedWorkGuard& Guard() { return guard_; }
    const UnsavedWorkGuard& Guard() const { return guard_; }

    // F1's opening: the palettes hidden, the game paused, the working copy loaded.
    void OpenForEditing();
    // Ctrl+G: the sprite picker (EditorState::SpritePicker).
    void OpenSpritePicker();

    // The palettes root's tint alpha (0 ... 1) as the prefab sets it.
    float PaletteAlpha = 1.0f;

private:
    EdLevelEditorBhv* LevelEditor() const;
    void ShowChildren(bool open);
    bool IsDialogShown() const;
    void UpdatePointerOverEditor(const InputManager& input);
    void UpdateKeyboardCapture();

    UnsavedWorkGuard guard_;
};

