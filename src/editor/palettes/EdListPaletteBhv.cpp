#include "editor/palettes/EdListPaletteBhv.h"

#include "core/GameObject.h"
#include "editor/palettes/EdPaletteBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdListItemBhv.h"

#include <algorithm>
#include <cmath>

EdListPaletteBhv::EdListPaletteBhv() { AddProperty("FillsRoomBelow", FillsRoomBelow); }

void EdListPaletteBhv::Start() {
    CollectRows();
    if (Owner() != nullptr) {
        scrollUp_ = EdPaletteParts::FindWidget<EdButtonBhv>(*Owner(), "BtnScrollUp");
        scrollDown_ = EdPaletteParts::FindWidget<EdButtonBhv>(*Owner(), "BtnScrollDown");
    }
}

void EdListPaletteBhv::CollectRows() {
    rows_.clear();
    if (Owner() == nullptr) {
        return;
    }
    for (GameObject* child : Owner()->Children()) {
        auto* row = child->GetComponent<EdListItemBhv>();
        if (row != nullptr && child->Name != "ParentItem") {
            HookRow(*row, rows_.size());
            rows_.push_back(row);
        }
    }
}

void EdListPaletteBhv::HookRow(EdListItemBhv& row, std::size_t rowIndex) {
    // A click names a row; the entry it shows is read when the click comes.
    row.OnLeftClick = [this, rowIndex] {
        if (ScrollOffset + rowIndex < EntryCount()) {
            OnRowLeftClick(ScrollOffset + rowIndex);
        }
    };
    row.OnRightClick = [this, rowIndex] {
        if (ScrollOffset + rowIndex < EntryCount()) {
            OnRowRightClick(ScrollOffset + rowIndex);
        }
    };
}

void EdListPaletteBhv::Update() {
    FitRowsToRoom();
    FollowWheel();
    FollowScrollButtons();
    RefreshRows();
}

void EdListPaletteBhv::FollowWheel() {
    const int notches = Owner() != nullptr ? WheelNotchesFor(*Owner()) : 0;
    if (notches == 0) {
        return;
    }
    const long count = static_cast<long>(EntryCount());
    const long last = std::max(count - static_cast<long>(rows_.size()), 0L);
    ScrollOffset = static_cast<std::size_t>(std::clamp(static_cast<long>(ScrollOffset) - WheelStep * notches, 0L, last));
}

void EdListPaletteBhv::FitRowsToRoom() {
    const auto* palette = Owner() != nullptr ? Owner()->GetComponent<EdPaletteBhv>() : nullptr;
    if (!FillsRoomBelow || palette == nullptr || rows_.empty() || palette->PaletteHeight() <= 0.0f) {
        return;
    }
    const float rowHeight = std::max(rows_.front()->Height, 1.0f);
    const Rect bounds = palette->ScreenBounds();
    const float room = palette->LowestBottom() - (bounds.y + bounds.height);
    const long wanted = static_cast<long>(rows_.size()) + static_cast<long>(std::floor(room / rowHeight));
    SetRowCount(static_cast<std::size_t>(std::max(wanted, static_cast<long>(MinRows))));
}

// New rows are made of the last row's prefab, right after it.
void EdListPaletteBhv::SetRowCount(std::size_t count) {
    while (rows_.size() > count) {
        rows_.back()->Owner()->Destroy();
        rows_.pop_back();
    }
    while (rows_.size() < count) {
        GameObject& last = *rows_.back()->Owner();
        const auto& siblings = Owner()->Children();
        const auto at = std::find(siblings.begin(), siblings.end(), &last);
        auto* row = new GameObject(last.PrefabName);
        row->Name = "Row";
        Owner()->InsertChild(static_cast<std::size_t>(at - siblings.begin()) + 1, row);
        auto* item = row->GetComponent<EdListItemBhv>();
        if (item == nullptr) {
            row->Destroy();
            return;
        }
        HookRow(*item, rows_.size());
        rows_.push_back(item);
    }
}

bool EdListPaletteBhv::CanScrollDown() const { return ScrollOffset + rows_.size() < EntryCount(); }

void EdListPaletteBhv::RefreshRows() {
    // A list that shrank (a filter, a removal) shows its last entries in the last row.
    const std::size_t count = EntryCount();
    ScrollOffset = std::min(ScrollOffset, count > rows_.size() ? count - rows_.size() : std::size_t{0});
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        EdListItemBhv& row = *rows_[i];
        row.Label.clear();
        row.IsSelected = false;
        row.IsHighlighted = false;
        if (ScrollOffset + i < count) {
            FillRow(row, ScrollOffset + i);
        }
        row.SetRect(row.Bounds.x, row.Bounds.y, row.Bounds.width, row.Bounds.height);
    }
    if (scrollUp_ != nullptr) {
        scrollUp_->IsGrayedOut = ScrollOffset == 0;
    }
    if (scrollDown_ != nullptr) {
        scrollDown_->IsGrayedOut = !CanScrollDown();
    }
}

void EdListPaletteBhv::FollowScrollButtons() {
    const int held = (scrollUp_ != nullptr && scrollUp_->IsPressed)       ? -1
                     : (scrollDown_ != nullptr && scrollDown_->IsPressed) ? 1
                                                                          : 0;
    if (held != scrollStep_) {
        StopCoroutine(&EdListPaletteBhv::ScrollWhileHeld);
    }
    scrollStep_ = held;
    if (held != 0) {
        StartCoroutine(&EdListPaletteBhv::ScrollWhileHeld);
    }
}

CoCommand EdListPaletteBhv::ScrollWhileHeld(int resumePoint) {
    COROUTINE_IDENTITY(resumePoint);
    switch (resumePoint) {
        case 0:
            if (scrollStep_ < 0 && ScrollOffset > 0) {
                --ScrollOffset;
            } else if (scrollStep_ > 0 && CanScrollDown()) {
                ++ScrollOffset;
            }
            return CoCommand::WaitSeconds(ScrollRepeatSeconds);
        default:
            return CoCommand::Restart();
    }
}
