#include "editor/widgets/EdFieldBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "core/Utf8.h"
#include "editor/EditorMessage.h"
#include "editor/widgets/EdFieldText.h"
#include "editor/widgets/EdWidgetParts.h"
#include "graphics/BitmapFont.h"
#include "graphics/TextComponent.h"
#include "input/InputManager.h"

#include <algorithm>
#include <optional>

namespace {
constexpr Color EditingTint = EdWidgetParts::FromArgb(0xFFFFDFD7);
constexpr Color RefusedTint = EdWidgetParts::FromArgb(0xFFFF7070);

// Room kept free at the field's right end.
constexpr float RightInset = 2.0f;

const InputManager& Input() { return *Engine::InputManager; }

// The shown text with the caret mark at its place while editing, as characters with
// their byte offsets (one more for the end) and widths.
struct ShownLine {
    std::string text;
    std::vector<std::size_t> offsets;
    std::vector<float> widths;
    std::size_t caret = 0;  // the caret mark's index
};

ShownLine LineOf(const std::string& text, std::size_t caret, bool editing, const TextComponent* drawn) {
    ShownLine line;
    line.text = text;
    if (editing) {
        line.text.insert(caret, 1, '|');
    }
    for (std::size_t at = 0; at < line.text.size(); at = Utf8::Next(line.text, at)) {
        line.caret += at < caret ? 1 : 0;
        line.offsets.push_back(at);
    }
    line.offsets.push_back(line.text.size());
    if (drawn != nullptr && drawn->Font != nullptr) {
        line.widths = TextLayout::Widths(*drawn->Font, line.text, drawn->FontSize);
    } else {
        line.widths.assign(line.offsets.size() - 1, 0.0f);  // nothing to measure with: all of it shows
    }
    return line;
}
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
    SetText(text_, VisiblePart());
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

// The text is cut to the field, scrolled to keep the caret in view.
std::string EdFieldBhv::VisiblePart() {
    const ShownLine line = LineOf(Text, Caret, IsEditing, text_ != nullptr ? text_->Text() : nullptr);
    const std::size_t keep = IsEditing ? line.caret : 0;
    const EdFieldText::Window window =
        EdFieldText::Visible(line.widths, keep, IsEditing ? firstShown_ : 0, Bounds.width - RightInset);
    firstShown_ = window.First;
    const std::size_t begin = line.offsets[window.First];
    return line.text.substr(begin, line.offsets[window.Last] - begin);
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
        case KeyLeft: Caret = Utf8::Previous(Text, Caret); break;
        case KeyRight: Caret = Utf8::Next(Text, Caret); break;
        case KeyHome: Caret = 0; break;
        case KeyEnd: Caret = Text.size(); break;
        case KeyUp: StepNumber(1.0, stroke); break;
        case KeyDown: StepNumber(-1.0, stroke); break;
        case KeyBackspace: {
            const std::size_t before = Utf8::Previous(Text, Caret);
            Text.erase(before, Caret - before);
            Caret = before;
            break;
        }
        case KeyDelete: Text.erase(Caret, Utf8::Next(Text, Caret) - Caret); break;
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
    if (!stroke.text.empty()) {
        Insert(stroke.text);
    } else if (!stroke.ctrl) {
        return;
    } else if (stroke.key == KeyC) {
        Input().WriteClipboardText(Text);
    } else if (stroke.key == KeyV) {
        Insert(Input().ReadClipboardText());
    }
}

// A character the field's font cannot draw would vanish: it is refused, and said so.
void EdFieldBhv::Insert(const std::string& text) {
    const TextComponent* drawn = text_ != nullptr ? text_->Text() : nullptr;
    const BitmapFont* font = drawn != nullptr ? drawn->Font : nullptr;
    const auto canDraw = [font](char32_t c) { return font == nullptr || font->HasGlyph(c); };
    const EdFieldText::Insertion insertion = EdFieldText::Insertable(text, Text.size(), canDraw);
    if (!insertion.Refused.empty()) {
        TellUser("Cannot type \"" + insertion.Refused + "\": the editor's font has no such character");
    }
    Caret = std::min(Caret, Text.size());
    Text.insert(Caret, insertion.Kept);
    Caret += insertion.Kept.size();
}

bool EdFieldBhv::Commit() {
    IsRefused = Check && !Check(Text);
    if (!IsRefused && OnCommit) {
        OnCommit(Text);
    }
    return !IsRefused;
}
