#pragma once

#include "editor/palettes/EdListPaletteBhv.h"

#include <string>

class GameObject;

// The object list ("PalObjectList"): the scene tree below the editor's list root
// (Root when there is none). "ParentItem" stands for the list root itself, the other
// rows for its children. A left click selects, a right click on a child descends
// into it and one on "ParentItem" goes up. Its buttons and keys (Insert, Ctrl+S,
// Ctrl+P) add, remove, move, reload, write back and save the selected object; all
// of it can be undone.
class EdPalObjectListBhv : public EdListPaletteBhv {
public:
    void Start() override;
    void Update() override;
    void HandleInput() override;

protected:
    std::size_t EntryCount() const override;
    void FillRow(EdListItemBhv& row, std::size_t entry) override;
    void OnRowLeftClick(std::size_t entry) override;
    void OnRowRightClick(std::size_t entry) override;

private:
    void HookButtons();
    void HookParentItem();
    void FillParentItem() const;
    void AddObject();
    static GameObject* ListedChild(std::size_t entry);

    EdListItemBhv* parentItem_ = nullptr;
};
