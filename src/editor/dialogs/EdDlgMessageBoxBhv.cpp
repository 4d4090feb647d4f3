#include "editor/dialogs/EdDlgMessageBoxBhv.h"

#include "core/Engine.h"
#include "core/GameObject.h"
#include "core/KeyCode.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDialogBhv.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdListItemBhv.h"
#include "editor/widgets/EdTitleBarBhv.h"
#include "input/InputManager.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
}  // namespace

EdDlgMessageBoxBhv::~EdDlgMessageBoxBhv() {
    LeaveSlot(&EditorState::MessageBox, this);
}

void EdDlgMessageBoxBhv::Start() {
    dialog_ = Owner() != nullptr ? Owner()->GetComponent<EdDialogBhv>() : nullptr;
    EnterSlot(&EditorState::MessageBox, this);
}

void EdDlgMessageBoxBhv::Open(const std::string& title, const std::vector<std::string>& answers, Callback callback,
                              const std::vector<std::string>& lines) {
    if (GameObject* bar = FindChild("TitleBar")) {
        if (auto* titleBar = bar->GetComponent<EdTitleBarBhv>()) {
            titleBar->Title = title;
        }
    }
    answers_ = answers;
    callback_ = std::move(callback);
    MakeLines(lines);
    MakeButtons();
    if (dialog_ != nullptr) {
        dialog_->Show();
    }
}

void EdDlgMessageBoxBhv::MakeButtons() {
    GameObject* row = FindChild("Buttons");
    if (row == nullptr) {
        return;
    }
    while (!row->Children().empty()) {
        row->Children().back()->Destroy();
    }
    for (const std::string& answer : answers_) {
        auto* button = new GameObject("EdButton");
        row->AddChild(button);
        if (auto* widget = button->GetComponent<EdButtonBhv>()) {
            widget->Title = answer;
            widget->OnClick = [this, answer] { Choose(answer); };
        }
    }
}

void EdDlgMessageBoxBhv::MakeLines(const std::vector<std::string>& lines) {
    if (Owner() == nullptr) {
        return;
    }
    while (GameObject* old = FindChild("Line")) {
        old->Destroy();
    }
    const auto& children = Owner()->Children();
    const GameObject* buttons = FindChild("Buttons");
    std::size_t at = static_cast<std::size_t>(std::find(children.begin(), children.end(), buttons) - children.begin());
    for (const std::string& line : lines) {
        auto* row = new GameObject("EdListItem");
        row->Name = "Line";
        Owner()->InsertChild(at++, row);
        if (auto* item = row->GetComponent<EdListItemBhv>()) {
            item->Label = line;
        }
    }
}

void EdDlgMessageBoxBhv::Choose(const std::string& answer) {
    if (dialog_ != nullptr) {
        dialog_->Hide();
    }
    // Taken out first: the callback may open the box again with a new one.
    Callback callback = std::move(callback_);
    callback_ = nullptr;
    if (callback) {
        callback(answer);
    }
}

void EdDlgMessageBoxBhv::Dismiss() {
    callback_ = nullptr;
    if (dialog_ != nullptr) {
        dialog_->Hide();
    }
}

bool EdDlgMessageBoxBhv::IsShown() const { return dialog_ != nullptr && dialog_->IsShown(); }

void EdDlgMessageBoxBhv::HandleInput() {
    const InputManager* input = Engine::InputManager;
    if (input == nullptr || answers_.empty() || !IsShown()) {
        return;
    }
    if (input->IsKeyPressed(KeyOemEnter) || input->IsKeyPressed(KeyKeypadEnter)) {
        Choose(answers_.front());
    } else if (input->IsKeyPressed(KeyEsc)) {
        Choose(answers_.back());
    } else if (!input->TypedText.empty()) {
        const char typed = Lower(input->TypedText.front());
        for (const std::string& answer : answers_) {
            if (!answer.empty() && Lower(answer.front()) == typed) {
                Choose(answer);
                return;
            }
        }
    }
}
