#pragma once

#include "core/Behavior.h"

#include <cstddef>
#include <vector>

class EdButtonBhv;
class EdListItemBhv;

// What the object, prefab and entry lists share: the palette's "EdListItem" rows (its
// children with a list item, in child order, except "ParentItem"), a scroll offset
// (the entry shown in the first row) and the "BtnScrollUp" / "BtnScrollDown" buttons,
// which step the offset while held, as does the mouse wheel over the list. Each frame
// every row is filled from the entry at offset + row index, or emptied past the end.
// With FillsRoomBelow, in a palette (not a dialog), rows are added or taken away so
// that it reaches down to the window's bottom or to the next shown palette below it,
// with at least MinRows.
class EdListPaletteBhv : public Behavior {
public:
    EdListPaletteBhv();

    void Start() override;
    void Update() override;

    static constexpr std::size_t MinRows = 3;
    // Entries a wheel notch scrolls.
    static constexpr long WheelStep = 3;

    std::size_t ScrollOffset = 0;
    float ScrollRepeatSeconds = 0.05f;
    bool FillsRoomBelow = false;

    // Whether an entry lies below the last row (the down button's test).
    bool CanScrollDown() const;
    const std::vector<EdListItemBhv*>& Rows() const { return rows_; }

protected:
    virtual std::size_t EntryCount() const = 0;
    // Sets the row's label and flags for an entry (EntryCount() > entry).
    virtual void FillRow(EdListItemBhv& row, std::size_t entry) = 0;
    virtual void OnRowLeftClick(std::size_t /*entry*/) {}
    virtual void OnRowRightClick(std::size_t /*entry*/) {}

    // Fills or empties every row and gray the scroll buttons; Update does this.
    void RefreshRows();

private:
    CoCommand ScrollWhileHeld(int resumePoint);
    void CollectRows();
    void HookRow(EdListItemBhv& row, std::size_t rowIndex);
    void FollowScrollButtons();
    void FollowWheel();
    void FitRowsToRoom();
    void SetRowCount(std::size_t count);

    std::vector<EdListItemBhv*> rows_;
    EdButtonBhv* scrollUp_ = nullptr;
    EdButtonBhv* scrollDown_ = nullptr;
    int scrollStep_ = 0;
};
