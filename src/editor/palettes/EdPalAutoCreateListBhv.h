#pragma once

#include "editor/palettes/EdListPaletteBhv.h"

#include <string>

class AutoCreate;
class Prefab;

// The entry list ("PalAutoCreateList"): the AutoCreate entries of the prefab named
// SelectedPrefabName, each row "Name  (Prefab)". A left click selects an entry for
// the edit palette; the buttons add (through the prefab picker), remove, duplicate
// and move entries, and Insert with an entry selected adds one.
class EdPalAutoCreateListBhv : public EdListPaletteBhv {
public:
    void Start() override;
    void HandleInput() override;

    // The prefab whose entries are listed, or null.
    static Prefab* ListedPrefab();

    // Asks the prefab picker for the prefab the new entry creates; AddChosen takes
    // the answer (nothing for an empty one).
    void Add();
    static void AddChosen(const std::string& ownerName, const std::string& prefabName);
    void RemoveSelected();
    void DuplicateSelected();
    void MoveSelected(int offset);

protected:
    std::size_t EntryCount() const override;
    void FillRow(EdListItemBhv& row, std::size_t entry) override;
    void OnRowLeftClick(std::size_t entry) override;

private:
    // The entry picked in the list, or null after saying that none is.
    static AutoCreate* PickedTo(const std::string& action);
};
