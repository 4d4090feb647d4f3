#include "editor/dialogs/EdDialogBhv.h"

#include "core/GameObject.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdWidgetParts.h"

namespace {
// Dialogs are centred as if they were this high, whatever their rows add up to.
constexpr float NominalHeight = 300.0f;
}  // namespace

EdDialogBhv::EdDialogBhv() { AddProperty("Width", Width); }

void EdDialogBhv::Start() {
    const Vector2 screen = EdPaletteParts::ScreenSize();
    TopLeft = Vector2((screen.x - Width) / 2.0f, (screen.y - NominalHeight) / 2.0f);
    if (GameObject* overlay = FindChild("Overlay")) {
        EdWidgetParts::PlaceAt(overlay, screen * 0.5f);
        EdWidgetParts::SizeSprite(overlay, screen);
    }
    Layout();
    Hide();
}

void EdDialogBhv::Update() { Layout(); }

void EdDialogBhv::Layout() {
    if (Owner() != nullptr) {
        EdPaletteParts::StackRows(*Owner(), TopLeft, Width);
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
