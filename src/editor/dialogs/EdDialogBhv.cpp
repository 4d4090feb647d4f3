#include "editor/dialogs/EdDialogBhv.h"

#include "core/GameObject.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdWidgetParts.h"

#include <cmath>

namespace {
// How far the panel reaches out beyond the rows, in pixels.
constexpr float PanelMargin = 10.0f;
}  // namespace

EdDialogBhv::EdDialogBhv() { AddProperty("Width", Width); }

void EdDialogBhv::Start() {
    const Vector2 screen = EdPaletteParts::ScreenSize();
    if (GameObject* overlay = FindChild("Overlay")) {
        EdWidgetParts::PlaceAt(overlay, screen * 0.5f);
        EdWidgetParts::SizeSprite(overlay, screen);
    }
    Layout();
    Hide();
}

void EdDialogBhv::Update() { Layout(); }

// Centred on whole pixels by the height its rows add up to now, so a question asked
// over the pause menu stands on its own in the middle of the screen.
void EdDialogBhv::Layout() {
    if (Owner() == nullptr) {
        return;
    }
    const float height = EdPaletteParts::StackRows(*Owner(), TopLeft, Width);
    const Vector2 screen = EdPaletteParts::ScreenSize();
    const Vector2 centred(std::round((screen.x - Width) / 2.0f), std::round((screen.y - height) / 2.0f));
    if (centred != TopLeft) {
        TopLeft = centred;
        EdPaletteParts::StackRows(*Owner(), TopLeft, Width);
    }
    if (GameObject* panel = FindChild("Panel")) {
        EdWidgetParts::PlaceAt(panel, TopLeft + Vector2(Width, height) * 0.5f);
        EdWidgetParts::SizeSprite(panel, Vector2(Width + 2.0f * PanelMargin, height + 2.0f * PanelMargin));
    }
}

void EdDialogBhv::Show() {
    if (Owner() == nullptr) {
        return;
    }
    Owner()->InputEnabled = true;
    Owner()->UpdateEnabled = true;
    Owner()->DrawEnabled = true;
    Layout();
    SetPalettesInput(false);
}

void EdDialogBhv::Hide() {
    if (Owner() == nullptr) {
        return;
    }
    Owner()->InputEnabled = false;
    Owner()->DrawEnabled = false;
    SetPalettesInput(true);
}

bool EdDialogBhv::IsShown() const { return Owner() != nullptr && Owner()->DrawEnabled; }

// The dialog sits in "EdDialogsRoot", a sibling of "EdPalettesRoot" under the editor root.
void EdDialogBhv::SetPalettesInput(bool enabled) const {
    const GameObject* dialogs = Owner()->Parent();
    const GameObject* editor = dialogs != nullptr ? dialogs->Parent() : nullptr;
    if (GameObject* palettes = editor != nullptr ? editor->FindChild("EdPalettesRoot") : nullptr) {
        palettes->InputEnabled = enabled;
    }
}
