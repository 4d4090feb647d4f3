#include "editor/EdMessageBarBhv.h"

#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdWidgetParts.h"
#include "graphics/BitmapFont.h"
#include "graphics/TextComponent.h"
#include "input/InputManager.h"

#include <algorithm>

namespace {

std::string Paragraphs(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "\n") + text;
    }
    return joined;
}

}  // namespace

void EdMessageBarBhv::HandleInput() {
    const EditorState* state = Engine::EditorState;
    const InputManager* input = Engine::InputManager;
    if (state == nullptr || input == nullptr || !state->IsActive || state->IsKeyboardCaptured) {
        return;
    }
    if (input->IsKeyDown(KeyCtrl) && input->IsKeyPressed(KeyM)) {
        ToggleHistory();
    }
}

std::string EdMessageBarBhv::ShownText() const {
    const EditorState* state = Engine::EditorState;
    if (state == nullptr) {
        return "";
    }
    if (!IsShowingHistory) {
        return Paragraphs(state->Messages.Showing());
    }
    std::vector<std::string> recent = state->Messages.Recent();
    std::reverse(recent.begin(), recent.end());
    recent.insert(recent.begin(), recent.size() > 1 ? "The last messages, newest first (Ctrl+M hides them):"
                                                    : "No messages yet (Ctrl+M hides this)");
    return Paragraphs(recent);
}

void EdMessageBarBhv::Update() {
    EditorState* state = Engine::EditorState;
    if (state == nullptr || Owner() == nullptr) {
        return;
    }
    state->Messages.Tick(Engine::FrameTime != nullptr ? Engine::FrameTime->DeltaSeconds : 0.0f);
    IsShowingHistory = IsShowingHistory && state->IsActive;
    const std::string text = ShownText();
    GameObject* band = FindChild("Band");
    GameObject* label = FindChild("Text");
    TextComponent* component = label != nullptr ? label->Text() : nullptr;
    Owner()->DrawEnabled = !text.empty() && component != nullptr && component->Font != nullptr;
    if (!Owner()->DrawEnabled) {
        return;
    }
    const Vector2 screen = EdPaletteParts::ScreenSize();
    const float width = std::max(screen.x - 2.0f * Margin, 1.0f);
    component->Text = text;
    component->BoxSize = Vector2(std::max(width - 2.0f * Padding, 1.0f), screen.y - 2.0f * (Margin + Padding));
    const float height = TextLayout::BreakLines(*component->Font, text, component->Style()).Height + 2.0f * Padding;
    const Rect rect(Margin, Margin, width, height);
    EdWidgetParts::CentreIn(band, rect);
    EdWidgetParts::SizeSprite(band, Vector2(rect.width, rect.height));
    EdWidgetParts::CentreIn(label, rect);
}
