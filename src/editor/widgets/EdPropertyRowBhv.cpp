#include "editor/widgets/EdPropertyRowBhv.h"

#include "core/GameObject.h"
#include "core/PropertyText.h"
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
            value_->Text = PropertyText::ShortenFloats(ValueText);
        }
        value_->SetRect(left + width * 0.5f, top, width * 0.5f, height);
    }
}

void EdPropertyRowBhv::SetOnCommit(std::function<void(const std::string&)> onCommit) {
    if (value_ != nullptr) {
        value_->OnCommit = [this, onCommit = std::move(onCommit)](const std::string& text) { onCommit(AsValue(text)); };
    }
}

void EdPropertyRowBhv::SetCheck(std::function<bool(const std::string&)> check) {
    if (value_ != nullptr) {
        value_->Check = [this, check = std::move(check)](const std::string& text) { return check(AsValue(text)); };
    }
}

// The shown text left as it was stands for the value exactly as it is written.
std::string EdPropertyRowBhv::AsValue(const std::string& text) const {
    return text == PropertyText::ShortenFloats(ValueText) ? ValueText : text;
}
