#include "editor/EdFieldBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/EdFieldText.h"
#include "editor/EdWidgetParts.h"
#include "input/InputManager.h"

#include <algorithm>
#include <optional>

namespace {
constexpr Color EditingTint = EdWidgetParts::FromArgb(0xFFFFDFD7);
constexpr Color RefusedTint = EdWidgetParts::FromArgb(0xFFFF7070);

const InputManager& Input() { return *Engine::InputManager; }
bool IsShiftDown() { return Input().IsKeyDown(KeyShift) || Input().IsKeyDown(KeyRightShift); }
bool IsCtrlDown() { return Input().IsKeyDown(KeyCtrl); }
}  // namespace

EdFieldBhv::EdFieldBhv() { AddProperty("Height", Height); }

void EdFieldBhv::Start() {
    box_ = FindChild("Box");
    text_ = FindChild("Text");
    boxTint_ = EdWidgetParts::TintOf(box_);
}

void EdFieldBhv::HandleInput() {
    HandleMouse();
    if (IsEditing) {
        MoveCaret();
        StepNumber();
        EditText();
        UseClipboard();
        FinishOrCancel();
    }
    if (IsEditing) {
        InsertTyped();
    }
    Refresh();
}

void EdFieldBhv::SetRect(float left, float top, float width, float height) {
    Bounds = Rect(left, top, width, height);
    EdWidgetParts::CentreIn(box_, Bounds);
    EdWidgetParts::SizeSprite(box_, Vector2(width, height - 2.0f * Margin));
    EdWidgetParts::PlaceAt(text_, Vector2(left, top + height * 0.5f));
    Refresh();
}

void EdFieldBhv::StartEditing(bool cleared) {
    if (cleared) {
        Text.clear();
    }
    IsEditing = true;
    IsRefused = false;
    Caret = Text.size();
}

void EdFieldBhv::Refresh() {
    using namespace EdWidgetParts;
    Caret = std::min(Caret, Text.size());
    std::string shown = Text;
    if (IsEditing) {
        shown.insert(Caret, 1, '|');
    }
    SetText(text_, shown);
    if (!IsEditable) {
        Color clear = boxTint_;
        clear.a = 0;
        SetTint(box_, clear);
        SetTint(text_, White);
        return;
    }
    SetTint(box_, IsRefused ? RefusedTint : IsEditing ? EditingTint : boxTint_);
    SetTint(text_, Black);
}

void EdFieldBhv::HandleMouse() {
    const bool left = Input().IsKeyPressed(KeyLeftMouse);
    const bool right = Input().IsKeyPressed(KeyRightMouse);
    if (!IsEditable || !(left || right)) {
        return;
    }
    if (Contains(Input().Cursor)) {
        StartEditing(right);
        return;
    }
    if (IsEditing && left && !Commit()) {
        return;
    }
    IsEditing = false;
    IsRefused = false;
}

void EdFieldBhv::MoveCaret() {
    if (Input().IsKeyTyped(KeyLeft) && Caret > 0) --Caret;
    if (Input().IsKeyTyped(KeyRight) && Caret < Text.size()) ++Caret;
    if (Input().IsKeyPressed(KeyHome)) Caret = 0;
    if (Input().IsKeyPressed(KeyEnd)) Caret = Text.size();
}

void EdFieldBhv::StepNumber() {
    const double direction = Input().IsKeyTyped(KeyUp) ? 1.0 : Input().IsKeyTyped(KeyDown) ? -1.0 : 0.0;
    if (direction == 0.0) {
        return;
    }
    const double scale = IsShiftDown() ? 10.0 : IsCtrlDown() ? 0.1 : 1.0;
    const std::optional<std::string> stepped = EdFieldText::StepNumber(Text, direction * scale);
    if (!stepped || (Check && !Check(*stepped))) {
        return;
    }
    Text = *stepped;
    Caret = Text.size();
    Commit();
}

void EdFieldBhv::EditText() {
    if (Input().IsKeyTyped(KeyBackspace) && Caret > 0) {
        Text.erase(--Caret, 1);
    }
    if (Input().IsKeyTyped(KeyDelete) && Caret < Text.size()) {
        Text.erase(Caret, 1);
    }
}

void EdFieldBhv::UseClipboard() {
    if (!IsCtrlDown()) {
        return;
    }
    if (Input().IsKeyPressed(KeyC)) {
        Input().WriteClipboardText(Text);
    }
    if (Input().IsKeyPressed(KeyV)) {
        Insert(Input().ReadClipboardText());
    }
}

void EdFieldBhv::FinishOrCancel() {
    if (Input().IsKeyPressed(KeyOemEnter) || Input().IsKeyPressed(KeyKeypadEnter) || Input().IsKeyPressed(KeyTab)) {
        IsEditing = !Commit();
    } else if (Input().IsKeyPressed(KeyEsc)) {
        IsEditing = false;
        IsRefused = false;
    }
}

void EdFieldBhv::InsertTyped() {
    if (!IsCtrlDown()) {
        Insert(Input().TypedText);
    }
}

void EdFieldBhv::Insert(const std::string& text) {
    const std::string kept = EdFieldText::Insertable(text, Text.size());
    Caret = std::min(Caret, Text.size());
    Text.insert(Caret, kept);
    Caret += kept.size();
}

bool EdFieldBhv::Commit() {
    IsRefused = Check && !Check(Text);
    if (!IsRefused && OnCommit) {
        OnCommit(Text);
    }
    return !IsRefused;
}
