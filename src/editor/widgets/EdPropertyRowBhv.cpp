#include "editor/widgets/EdPropertyRowBhv.h"

#include "core/GameObject.h"
#include "editor/widgets/EdButtonBhv.h"
#include "editor/widgets/EdFieldBhv.h"
#include "editor/widgets/EdWidgetParts.h"

EdPropertyRowBhv::EdPropertyRowBhv() {
    AddProperty("Label", Label);
    AddProperty("IsEditable", IsEditable);
    AddProperty("Height", Height);
}

void EdPropertyRowBhv::Start() {
    const GameObject* label = FindChild("Label");
    const GameObject* value = FindChild("Value");
    label_ = label != nullptr ? label->GetComponent<EdButtonBhv>() : nullptr;
    value_ = value != nullptr ? value->GetComponent<EdFieldBhv>() : nullptr;
}

void EdPropertyRowBhv::SetRect(float left, float top, float width, float height) {
    Bounds = Rect(left, top, width, height);
    if (label_ != nullptr) {
        label_->Title = Label;
        label_->IsGrayedOut = IsLabelGrayed;
        label_->SetRect(left, top, width, height);
        // The button spans the row, but the field covers its right half: its title is
        // centred in the half that shows, clear of the palette's border and the field.
        GameObject* text = label_->Owner()->FindChild("Text");
        EdWidgetParts::LayOutTitle(text, Rect(left, top, width * 0.5f, height), Label,
                                   IsLabelGrayed ? EdWidgetParts::Gray : EdWidgetParts::White);
        EdWidgetParts::FitToWidth(text, width * 0.5f - 2.0f * LabelMargin);
    }
    if (value_ != nullptr) {
        value_->IsEditable = IsEditable;
        if (!value_->IsEditing) {
            value_->Text = ValueText;
        }
        value_->SetRect(left + width * 0.5f, top, width * 0.5f, height);
    }
}

void EdPropertyRowBhv::SetOnCommit(std::function<void(const std::string&)> onCommit) {
    if (value_ != nullptr) value_->OnCommit = std::move(onCommit);
}

void EdPropertyRowBhv::SetCheck(std::function<bool(const std::string&)> check) {
    if (value_ != nullptr) value_->Check = std::move(check);
}
