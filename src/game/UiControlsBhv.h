#pragma once

#include "core/Behavior.h"

#include <string>

class TextMenuBhv;

// The controls screen ("UiControls"): a TextMenuBhv over rows made from
// "UiControlsRow", one per rebindable action (named after the action, e.g.
// "FireStream"), then "Reset" and "Back"; each row's "Label" and "Keys" are written
// here every frame, so they always show the keys as bound. Choosing an action's row
// listens for its new key: the next key pressed becomes its first key (swapped with
// another action that had it), Esc cancels, a key that cannot work is refused; the
// "Message" line says what happened. Esc, or choosing "Back" (selected when the page
// opens, so Enter leaves it too), returns to the pause menu. The "EditorKeys" lines
// are drawn only in a build with the editor.
class UiControlsBhv : public Behavior {
public:
    ~UiControlsBhv() override;

    void Start() override;
    void HandleInput() override;
    void Update() override;

    // The action whose key is awaited, -1 when none.
    int ListeningFor() const { return listening_; }

private:
    TextMenuBhv* Menu() const;
    void Choose(const std::string& row);
    void Listen(int action);
    void TakeKey(int key);
    void Back();
    void SelectBack();
    void Say(const std::string& message);
    void ShowRow(GameObject& row) const;

    int listening_ = -1;
};
