#pragma once

#include "core/Behavior.h"
#include "editor/widgets/IEdUiElement.h"

#include <functional>
#include <string>

class EdButtonBhv;
class EdFieldBhv;

// One property of an edited thing: its name on a button across the whole row and
// its value in a field over the right half. The field keeps what is being typed
// into it; otherwise it shows ValueText with its numbers in their shortest form
// ("0.2", not "0.200000003"). That shown text committed unchanged commits ValueText
// itself, so the value and the way its file writes it stay exactly as they were.
class EdPropertyRowBhv : public Behavior, public IEdUiElement {
public:
    EdPropertyRowBhv();

    void Start() override;
    void SetRect(float left, float top, float width, float height) override;

    // Hands the commit and the check of typed text to the field.
    void SetOnCommit(std::function<void(const std::string&)> onCommit);
    void SetCheck(std::function<bool(const std::string&)> check);

    std::string Label;
    std::string ValueText;
    bool IsEditable = true;
    bool IsLabelGrayed = false;
    // Pixels kept free on each side of the label.
    static constexpr float LabelMargin = 6.0f;

    EdButtonBhv* LabelButton() const { return label_; }
    EdFieldBhv* ValueField() const { return value_; }

private:
    std::string AsValue(const std::string& text) const;

    EdButtonBhv* label_ = nullptr;
    EdFieldBhv* value_ = nullptr;
};
