#pragma once

#include "editor/palettes/EdListPaletteBhv.h"

#include <string>
#include <vector>

class EdButtonBhv;
class EdFieldBhv;

// The prefab list ("PalPrefabList"): every prefab in name order whose lower-cased
// name contains the lower-cased filter typed into "FilterRow". A left click picks a
// prefab for editing and placing; the buttons create, remove, duplicate, revert and
// save prefabs and push a prefab's values to its instances; Ctrl+S, Insert and
// Ctrl+Shift+S do the same as the save, add and save-all buttons.
class EdPalPrefabListBhv : public EdListPaletteBhv {
public:
    void Start() override;
    void Update() override;
    void HandleInput() override;

    // The filter as last read from the filter field; the offset goes back to 0 when
    // it changes.
    std::string Filter;
    // The names shown now, in order.
    const std::vector<std::string>& Listed() const { return listed_; }
    // Whether the prefab named SelectedPrefabName exists and holds unsaved changes.
    static bool CanSaveCurrent();

    void Add();
    void RemoveSelected();
    void DuplicateEdited();
    void SaveCurrent();
    void SaveAll();
    void UpdateAll();
    void RevertSelected();
    void RevertSelectedToShipped();

protected:
    std::size_t EntryCount() const override { return listed_.size(); }
    void FillRow(EdListItemBhv& row, std::size_t entry) override;
    void OnRowLeftClick(std::size_t entry) override;

private:
    void HookButtons();
    void FollowFilter();
    void ListPrefabs();
    // One frame after an add: the edit palette's name field, emptied and editing.
    CoCommand FocusNameRow(int resumePoint);

    EdFieldBhv* filterField_ = nullptr;
    EdButtonBhv* saveCurrent_ = nullptr;
    std::vector<std::string> listed_;
};
