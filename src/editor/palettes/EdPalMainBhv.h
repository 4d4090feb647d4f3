#pragma once

#include "core/Behavior.h"
#include "editor/level/LevelPicking.h"

#include <array>
#include <string>

class EdListItemBhv;
class EdToggleBhv;

// The main palette ("PalMain"): toggles that show and hide the other palettes, pause
// the game and show the physics shapes; the "Ob: " line naming what a left click in
// the level places; and a line counting the prefabs and levels not yet saved. It is
// the editor's MainPalette while it lives. When EditorState::PalettesShown changes
// (F1 hides them, a play-test's end shows them) it hides or shows all four palettes.
// Under "Locked layers:", a toggle per object layer the current level draws on keeps
// right clicks, box select and A off that layer (EditorState::LockedLayers).
class EdPalMainBhv : public Behavior {
public:
    ~EdPalMainBhv() override;

    void Start() override;
    void Update() override;

    // Sets the four palette toggles and shows or hides their palettes.
    void ShowAllPalettes(bool shown);

    static constexpr std::array<const char*, 4> PaletteNames{"PalObjectList", "PalPrefabList", "PalAutoCreateList",
                                                             "PalObjectEdit"};
    static constexpr std::array<const char*, 4> ToggleNames{"ChkObjectList", "ChkPrefabList", "ChkAutoCreateList",
                                                            "ChkEdit"};

private:
    void HookToggles();
    void ShowPalette(const std::string& name, bool shown) const;
    void FollowOutsideChanges();
    // Each lock toggle shows while the level draws on its layer, and shows its lock.
    void FollowLayerLocks();
    void RefreshLabels();
    static void SetLabel(EdListItemBhv* row, const std::string& text);
    // "BtnRecover" shows while an earlier session left unsaved work to recover.
    void ShowRecoverButton() const;

    std::array<EdToggleBhv*, 4> paletteToggles_{};
    EdToggleBhv* pause_ = nullptr;
    EdToggleBhv* physics_ = nullptr;
    // Per LevelPicking::ObjectLayers: "ChkLock<layer name>".
    std::array<EdToggleBhv*, LevelPicking::ObjectLayers.size()> lockToggles_{};
    GameObject* lockLabel_ = nullptr;
    EdListItemBhv* placing_ = nullptr;
    EdListItemBhv* unsaved_ = nullptr;
    GameObject* recover_ = nullptr;
    bool palettesShown_ = true;
};
