#pragma once

#include "core/ParsedSubValue.h"
#include "editor/level/EditTarget.h"

#include <cstddef>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

class PropertyRegistration;

// One row of the edit palette: sub-value Sub of property Property of the shown
// component number Component, with the property's registered value type.
struct PropertyRowBinding {
    std::size_t Component = 0;
    std::string Property;
    int Sub = 0;
    const std::type_info* ValueType = nullptr;
    std::string Key;  // "Pos.X", "Tint.Rgb", "Rotation"
};

// Reading and committing the edit palette's values. Every change joins the editor's
// history: a live one as an ObjectEditCommand restoring the exact value, a stored one
// as a PrefabEditCommand over the prefab that holds it, which is marked modified.
namespace PropertyEdits {

// What describes a shown component's properties: the component itself when live,
// the type's prototype for a stored one (null for an unknown type).
const IEditable* Described(const IEditable& component);
// One row per sub-value of every registered property, in name order.
std::vector<PropertyRowBinding> RowsOf(const IEditable& component, std::size_t index);

struct Shown {
    std::string Text;
    bool IsStored = true;  // false: a stored component's default, shown grayed
};
Shown Read(const EditTarget& target, const PropertyRowBinding& row);

// Text typed into a row, checked and converted once by Check; Apply commits it
// without parsing the text again.
struct CheckedText {
    std::string Text;
    ParsedSubValue Parsed;
};

// Checks text for the row through the property that describes it (the live
// component's, or the type prototype's for a stored one) and converts it. An empty
// text on a stored component is always accepted (it removes the stored value). A live
// value the level would not keep (LevelKeeping) is refused whatever the text.
CheckedText Check(const EditTarget& target, const PropertyRowBinding& row, const std::string& text);
// Commits what Check accepted for the same target and row; a refused text changes
// nothing.
void Apply(const EditTarget& target, const PropertyRowBinding& row, const CheckedText& checked);

// "" when text may be committed to the row, else why not.
std::string Refusal(const EditTarget& target, const PropertyRowBinding& row, const std::string& text);
// Check, then Apply.
void Commit(const EditTarget& target, const PropertyRowBinding& row, const std::string& text);

// Centres the first shown sprite that has "Size" and "Origin" on its position (its
// world bounds centred there), marking a stored one's prefab modified. False when
// there is none, or (told) when the level would not keep the change.
bool CentreSprite(const EditTarget& target);

// Runs change on the named property of object's component number `component`, as
// one undoable step.
void EditLive(GameObject& object, std::size_t component, const std::string& property,
              const std::function<void(PropertyRegistration&)>& change);
// Runs change (true: something changed) on prefab as one undoable step; the prefab is
// marked modified.
void EditStored(Prefab& prefab, const std::function<bool()>& change);

}  // namespace PropertyEdits
