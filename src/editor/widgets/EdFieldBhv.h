#pragma once

#include "core/Behavior.h"
#include "core/Color.h"
#include "editor/widgets/IEdKeyboardHolder.h"
#include "editor/widgets/IEdUiElement.h"
#include "input/KeyStroke.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A single-line text entry. A left click inside starts editing with the caret at the
// end, a right click inside starts it on an empty text; a left click outside commits,
// a right click outside just stops. Only the field being edited takes keys: the caret
// keys, Up and Down stepping a number (x10 with Shift, x0.1 with Ctrl), Backspace and
// Delete, Ctrl+C and Ctrl+V, Enter or Tab to commit, Esc to stop without committing
// (the typed text stays), and typed characters. The keys are taken one stroke at a
// time in the order they came, so a slow frame that holds "5" and Enter commits the
// "5"; what follows the stroke that ends editing is left alone, and a click takes
// its place among the keys. Typed text comes in UTF-8 through the user's keyboard
// layout; the caret moves and deletes by character, and a character the field's
// font has no glyph for is refused with a message. While editing, the shown text has
// a "|" at the caret; Text itself never does. What does not fit is cut off: the
// start while not editing, else a part scrolled to keep the caret in view.
// When Check refuses a text about to be committed, nothing is committed: the box
// turns red and editing goes on.
class EdFieldBhv : public Behavior, public IEdUiElement, public IEdKeyboardHolder {
public:
    EdFieldBhv();

    void Start() override;
    void HandleInput() override;
    void SetRect(float left, float top, float width, float height) override;
    bool HoldsKeyboard() const override { return IsEditing; }

    void StartEditing(bool cleared);
    // Shows Text, the caret and the box colour as they are now.
    void Refresh();

    std::string Text;
    std::size_t Caret = 0;  // a byte offset, at the start of a character
    bool IsEditing = false;
    bool IsEditable = true;
    bool IsRefused = false;
    float Margin = 1.0f;
    std::function<void(const std::string&)> OnCommit;
    std::function<bool(const std::string&)> Check;

private:
    void HandleMouse();
    void ApplyStrokes(std::vector<KeyStroke>::const_iterator first, std::vector<KeyStroke>::const_iterator last);
    void ApplyStroke(const KeyStroke& stroke);
    void StepNumber(double direction, const KeyStroke& stroke);
    void TypeOrUseClipboard(const KeyStroke& stroke);
    void Insert(const std::string& text);
    std::string VisiblePart();
    // Calls OnCommit unless Check refuses; false when refused.
    bool Commit();

    GameObject* box_ = nullptr;
    GameObject* text_ = nullptr;
    Color boxTint_;
    std::size_t firstShown_ = 0;  // the first character shown while editing
};
