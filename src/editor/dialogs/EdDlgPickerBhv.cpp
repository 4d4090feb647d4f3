#include "editor/dialogs/EdDlgPickerBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "editor/dialogs/EdDialogBhv.h"
#include "editor/palettes/EdPaletteParts.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdPropertyRowBhv.h"
#include "input/InputManager.h"

#include <utility>

void EdDlgPickerBhv::Start() {
    EdListPaletteBhv::Start();
    if (Owner() != nullptr) {
        dialog_ = Owner()->GetComponent<EdDialogBhv>();
        if (GameObject* filterRow = FindChild("Filter")) {
            filterRow_ = filterRow->GetComponent<EdPropertyRowBhv>();
            filterField_ = EdPaletteParts::FindWidget<EdFieldBhv>(*filterRow, "Value");
        }
        // The row shows its ValueText once the field stops editing: an Enter typed
        // with the filter keeps the filter for the choice the update makes.
        if (filterRow_ != nullptr) {
            filterRow_->SetOnCommit([row = filterRow_](const std::string& text) { row->ValueText = text; });
        }
        EdPaletteParts::OnClick(*Owner(), "BtnOk", [this] { ChooseCurrent(); });
        EdPaletteParts::OnClick(*Owner(), "BtnCancel", [this] { Cancel(); });
    }
}

void EdDlgPickerBhv::Open(Callback callback) {
    callback_ = std::move(callback);
    filter_.clear();
    chooseAfterFilter_ = false;
    ScrollOffset = 0;
    Current = 0;
    entries_ = ListFor("");
    if (dialog_ != nullptr) {
        dialog_->Show();
    }
    if (filterRow_ != nullptr) {
        filterRow_->ValueText.clear();
    }
    if (filterField_ != nullptr) {
        filterField_->Text.clear();
        filterField_->StartEditing(true);
    }
}

bool EdDlgPickerBhv::IsShown() const { return dialog_ != nullptr && dialog_->IsShown(); }

void EdDlgPickerBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || !IsShown()) {
        return;
    }
    if (input->IsKeyPressed(KeyEsc)) {
        Cancel();
    } else if (input->IsKeyPressed(KeyOemEnter) || input->IsKeyPressed(KeyKeypadEnter)) {
        chooseAfterFilter_ = true;
    } else if (input->IsKeyTyped(KeyUp)) {
        MoveCurrent(-1);
    } else if (input->IsKeyTyped(KeyDown)) {
        MoveCurrent(1);
    }
}

void EdDlgPickerBhv::Update() {
    if (IsShown()) {
        FollowFilter();
        if (std::exchange(chooseAfterFilter_, false)) {
            ChooseCurrent();
        }
    }
    EdListPaletteBhv::Update();
}

void EdDlgPickerBhv::FollowFilter() {
    const std::string typed = filterField_ != nullptr ? filterField_->Text : filter_;
    if (typed != filter_) {
        filter_ = typed;
        ScrollOffset = 0;
        Current = 0;
    }
    entries_ = ListFor(filter_);
}

void EdDlgPickerBhv::MoveCurrent(int step) {
    const std::size_t rows = Rows().size();
    if (step < 0) {
        if (Current > 0) {
            --Current;
        } else if (ScrollOffset > 0) {
            --ScrollOffset;
        }
    } else if (ScrollOffset + Current + 1 < entries_.size()) {
        if (Current + 1 < rows) {
            ++Current;
        } else {
            ++ScrollOffset;
        }
    }
}

void EdDlgPickerBhv::FillRow(EdListItemBhv& row, std::size_t entry) {
    row.Label = entries_[entry];
    row.IsHighlighted = entry == ScrollOffset + Current;
}

void EdDlgPickerBhv::OnRowLeftClick(std::size_t entry) { Current = entry - ScrollOffset; }

void EdDlgPickerBhv::ChooseCurrent() {
    const std::size_t index = ScrollOffset + Current;
    if (index >= entries_.size()) {
        return;
    }
    const std::string answer = AnswerFor(entries_[index]);
    if (dialog_ != nullptr) {
        dialog_->Hide();
    }
    if (filterField_ != nullptr) {
        filterField_->IsEditing = false;
    }
    Callback callback = std::move(callback_);
    callback_ = nullptr;
    if (callback) {
        callback(answer);
    }
}

void EdDlgPickerBhv::Cancel() {
    callback_ = nullptr;
    if (filterField_ != nullptr) {
        filterField_->IsEditing = false;
    }
    if (dialog_ != nullptr) {
        dialog_->Hide();
    }
}
