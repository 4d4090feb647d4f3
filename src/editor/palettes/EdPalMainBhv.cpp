#include "editor/palettes/EdPalMainBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/PropertyText.h"
#include "editor/EdRootBhv.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/LevelObjectRecord.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/recovery/UnsavedSummary.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdToggleBhv.h"
#include "game/LevelBhv.h"
#include "graphics/Graphics.h"
#include "prefabs/PrefabManager.h"

using EdPaletteParts::FindWidget;

EdPalMainBhv::~EdPalMainBhv() {
    LeaveSlot(&EditorState::MainPalette, this);
}

void EdPalMainBhv::Start() {
    EnterSlot(&EditorState::MainPalette, this);
    const GameObject& palette = *Owner();
    for (std::size_t i = 0; i < ToggleNames.size(); ++i) {
        paletteToggles_[i] = FindWidget<EdToggleBhv>(palette, ToggleNames[i]);
    }
    pause_ = FindWidget<EdToggleBhv>(palette, "ChkPauseGame");
    physics_ = FindWidget<EdToggleBhv>(palette, "ChkShowPhysics");
    for (std::size_t i = 0; i < lockToggles_.size(); ++i) {
        const std::string layer = PropertyText::FormatDrawLayer(LevelPicking::ObjectLayers[i]);
        lockToggles_[i] = FindWidget<EdToggleBhv>(palette, "ChkLock" + layer);
    }
    lockLabel_ = EdPaletteParts::FindDescendant(palette, "LockLabel");
    if (const GameObject* row = EdPaletteParts::FindDescendant(palette, "InsertingRow")) {
        placing_ = FindWidget<EdListItemBhv>(*row, "Label");
    }
    unsaved_ = FindWidget<EdListItemBhv>(palette, "UnsavedRow");
    recover_ = EdPaletteParts::FindDescendant(palette, "BtnRecover");
    EdPaletteParts::OnClick(palette, "BtnRecover", [] {
        if (auto* root = dynamic_cast<EdRootBhv*>(Engine::EditorRoot)) root->Guard().Recover();
    });
    HookToggles();
    palettesShown_ = Engine::EditorState == nullptr || Engine::EditorState->PalettesShown;
    ShowAllPalettes(palettesShown_);
}

void EdPalMainBhv::HookToggles() {
    for (std::size_t i = 0; i < paletteToggles_.size(); ++i) {
        if (paletteToggles_[i] != nullptr) {
            paletteToggles_[i]->OnChanged = [this, i](bool shown) { ShowPalette(PaletteNames[i], shown); };
        }
    }
    if (pause_ != nullptr) {
        pause_->OnChanged = [](bool paused) { SetEditorPause(paused); };
    }
    if (physics_ != nullptr) {
        physics_->OnChanged = [](bool shown) {
            if (Engine::Graphics != nullptr) Engine::Graphics->ShowPhysics = shown;
        };
    }
    for (std::size_t i = 0; i < lockToggles_.size(); ++i) {
        if (lockToggles_[i] != nullptr) {
            lockToggles_[i]->OnChanged = [i](bool locked) {
                const unsigned bit = static_cast<unsigned>(LevelPicking::ObjectLayers[i]);
                unsigned& layers = Engine::EditorState->LockedLayers;
                layers = locked ? layers | bit : layers & ~bit;
            };
        }
    }
}

void EdPalMainBhv::ShowAllPalettes(bool shown) {
    for (std::size_t i = 0; i < paletteToggles_.size(); ++i) {
        if (paletteToggles_[i] != nullptr) {
            paletteToggles_[i]->Value = shown;
        }
        ShowPalette(PaletteNames[i], shown);
    }
}

// A palette that is not there (not built yet, or left out) is simply skipped.
void EdPalMainBhv::ShowPalette(const std::string& name, bool shown) const {
    const GameObject* palettes = Owner()->Parent();
    if (GameObject* palette = palettes != nullptr ? palettes->FindChild(name) : nullptr) {
        palette->SetShown(shown);
    }
}

void EdPalMainBhv::Update() {
    FollowOutsideChanges();
    FollowLayerLocks();
    RefreshLabels();
    ShowRecoverButton();
}

void EdPalMainBhv::ShowRecoverButton() const {
    const auto* root = dynamic_cast<const EdRootBhv*>(Engine::EditorRoot);
    if (recover_ != nullptr) {
        const bool offered = root != nullptr && root->Guard().HasRecoveryOffer();
        recover_->SetShown(offered);
    }
}

// F1 and the play-test switch the pause and all palettes without the toggles.
void EdPalMainBhv::FollowOutsideChanges() {
    const EditorState* state = Engine::EditorState;
    if (state == nullptr) {
        return;
    }
    if (state->PalettesShown != palettesShown_) {
        palettesShown_ = state->PalettesShown;
        ShowAllPalettes(palettesShown_);
    }
    if (pause_ != nullptr) {
        pause_->Value = state->PauseGame;
    }
    if (physics_ != nullptr && Engine::Graphics != nullptr) {
        physics_->Value = Engine::Graphics->ShowPhysics;
    }
}

void EdPalMainBhv::FollowLayerLocks() {
    const EditorState* state = Engine::EditorState;
    const GameObject* level = CurrentLevel();
    const unsigned drawn = level != nullptr ? LevelPicking::LayersOf(*level) : 0;
    for (std::size_t i = 0; i < lockToggles_.size(); ++i) {
        if (EdToggleBhv* toggle = lockToggles_[i]) {
            const unsigned bit = static_cast<unsigned>(LevelPicking::ObjectLayers[i]);
            toggle->Value = state != nullptr && (state->LockedLayers & bit) != 0;
            toggle->Owner()->SetShown((drawn & bit) != 0);
        }
    }
    if (lockLabel_ != nullptr) {
        lockLabel_->SetShown(drawn != 0);
    }
}

void EdPalMainBhv::RefreshLabels() {
    const EditorState* state = Engine::EditorState;
    const PrefabManager* prefabs = Engine::Prefabs;
    if (state == nullptr || prefabs == nullptr) {
        return;
    }
    const bool placeable = FindSourceEntry(prefabs->Find("Lvl_Sources"), state->SelectedPrefabName) != nullptr;
    SetLabel(placing_, placeable ? "Ob: " + state->SelectedPrefabName : "Ob: ");
    const GameObject* level = CurrentLevel();
    const LevelBhv* levelBhv = CurrentLevelBhv();
    SetLabel(unsaved_, UnsavedSummary(*prefabs, level != nullptr ? level->PrefabName : "",
                                      levelBhv != nullptr && levelBhv->IsModified));
}

void EdPalMainBhv::SetLabel(EdListItemBhv* row, const std::string& text) {
    if (row != nullptr && row->Label != text) {
        row->Label = text;
    }
}
