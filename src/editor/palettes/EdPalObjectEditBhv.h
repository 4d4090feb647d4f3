#pragma once

#include "core/Behavior.h"
#include "editor/palettes/PropertyEdits.h"

#include <cstddef>
#include <string>
#include <vector>

class EdButtonBhv;
class EdPropertyRowBhv;

// The edit palette: every property of the selected entry, object or prefab (in that
// order of precedence) as one row per sub-value, edited live. Each shown component
// gets a header row with its type name, then its rows in property name order; a
// stored component's property it does not store shows the type's default with a
// grayed label, and an empty commit removes a stored value again.
//
// The rows are rebuilt only when the selection or the shown components change, so a
// field being edited keeps its text; their values are read again every frame. Typed
// text is checked before it lands (PropertyEdits::Check), and the commit applies what
// the check converted. It enters itself as the editor's ObjectEditPalette.
class EdPalObjectEditBhv : public Behavior {
public:
    static constexpr std::size_t NoComponent = static_cast<std::size_t>(-1);

    EdPalObjectEditBhv();
    ~EdPalObjectEditBhv() override;

    void Start() override;
    void HandleInput() override;
    void Update() override;

    // The component types that may be added: every registered type but the prefab
    // entry type itself, which no prefab file could hold and load again.
    static std::vector<std::string> AddableComponentTypes();
    // "BtnAdd": opens the component picker, whose choice goes to AddComponentOfType.
    void AskForComponent();
    // Appends a component of the type to the selected entry, instance or prefab.
    // False for a type not addable.
    bool AddComponentOfType(const std::string& typeName);

    // How many property and header rows show at once, and the first one shown.
    int VisibleRows = 16;
    int ScrollOffset = 0;
    // The shown component the component buttons act on, or NoComponent.
    std::size_t SelectedComponent = NoComponent;

private:
    struct Row {
        GameObject* Object = nullptr;
        EdPropertyRowBhv* Property = nullptr;  // null for a header row
        EdButtonBhv* Header = nullptr;
        std::string TypeName;
        PropertyRowBinding Binding;
    };

    void WireFixedRows();
    void Rebuild(const EditTarget& target);
    void EditShape();
    void AddHeaderRow(const IEditable& component, std::size_t index);
    void AddPropertyRow(const PropertyRowBinding& binding);
    void Refresh(const EditTarget& target);
    void RefreshFixedRows(const EditTarget& target);
    void ShowScrolledRows();
    void RepeatHeldScroll();
    void Scroll(int step);

    void CommitName(const std::string& text);
    void SetFlag(bool GameObject::*flag, bool value);
    // Says how to choose a component when none is.
    bool IsComponentChosen() const;
    void RemoveComponent();
    void MoveComponent(int offset);

    std::vector<Row> rows_;
    std::vector<const void*> shown_;
    float heldSeconds_ = 0.0f;
};
