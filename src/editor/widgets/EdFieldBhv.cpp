#include "editor/widgets/EdFieldBhv.h"

#include "core/Engine.h"
#include "core/KeyCode.h"
#include "editor/widgets/EdFieldText.h"
#include "editor/widgets/EdWidgetParts.h"
#include "input/InputManager.h"

#include <algorithm>
#include <optional>

namespace {
constexpr Color EditingTint = EdWidgetParts::FromArgb(0xFFFFDFD7);
constexpr Color RefusedTint = EdWidgetParts::FromArgb(0xFFFF7070);

const InputManager& Input() { return *Engine::InputManager; }
}  // namespace

EdFieldBhv::EdFieldBhv() { AddProperty("Height", Height); }

void EdFieldBhv::Start() {
    box_ = FindChild("Box");
    text_ = FindChild("Text");
    boxTint_ = EdWidgetParts::TintOf(box_);
}

// What was typed before a click in the same poll belongs to the field edited then,
// what follows it to the field the click chose.
void EdFieldBhv::HandleInput() {
    const std::vector<KeyStroke>& strokes = Input().Strokes();
    const auto click = std::find_if(strokes.begin(), strokes.end(),
                                    [](const KeyStroke& stroke) { return KeyStroke::IsMouseButton(stroke.key); });
    ApplyStrokes(strokes.begin(), click);
    HandleMouse();
    if (click != strokes.end()) {
        ApplyStrokes(click + 1, strokes.end());
    }
    Refresh();
}

void EdFieldBhv::ApplyStrokes(std::vector<KeyStroke>::const_iterator first, std::vector<KeyStroke>::const_iterator last) {
    Caret = std::min(Caret, Text.size());
    for (auto stroke = first; stroke != last && IsEditing; ++stroke) {
        ApplyStroke(*stroke);  // what follows an Enter or Esc is not this field's
    }
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

void EdFieldBhv::ApplyStroke(const KeyStroke& stroke) {
    switch (stroke.key) {
        case KeyLeft: Caret -= Caret > 0 ? 1 : 0; break;
        case KeyRight: Caret += Caret < Text.size() ? 1 : 0; break;
        case KeyHome: Caret = 0; break;
        case KeyEnd: Caret = Text.size(); break;
        case KeyUp: StepNumber(1.0, stroke); break;
        case KeyDown: StepNumber(-1.0, stroke); break;
        case KeyBackspace:
            if (Caret > 0) Text.erase(--Caret, 1);
            break;
        case KeyDelete:
            if (Caret < Text.size()) Text.erase(Caret, 1);
            break;
        case KeyOemEnter:
        case KeyKeypadEnter:
        case KeyTab: IsEditing = !Commit(); break;
        case KeyEsc:
            IsEditing = false;
            IsRefused = false;
            break;
        case KeyLeftMouse:
        case KeyMiddleMouse:
        case KeyRightMouse: break;  // a second click of the poll: HandleMouse took the first
        default: TypeOrUseClipboard(stroke); break;
    }
}

void EdFieldBhv::StepNumber(double direction, const KeyStroke& stroke) {
    const double scale = stroke.shift ? 10.0 : stroke.ctrl ? 0.1 : 1.0;
    const std::optional<std::string> stepped = EdFieldText::StepNumber(Text, direction * scale);
    if (!stepped || (Check && !Check(*stepped))) {
        return;
    }
    Text = *stepped;
    Caret = Text.size();
    Commit();
}

void EdFieldBhv::TypeOrUseClipboard(const KeyStroke& stroke) {
    if (!stroke.ctrl) {
        Insert(std::string(1, stroke.character));
    } else if (stroke.key == KeyC) {
        Input().WriteClipboardText(Text);
    } else if (stroke.key == KeyV) {
        Insert(Input().ReadClipboardText());
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
