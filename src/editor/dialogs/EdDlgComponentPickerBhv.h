#pragma once

#include "editor/dialogs/EdDlgPickerBhv.h"

// Chooses a component type by its registered name. "PrefabComponent" is not offered:
// a prefab holding one could not be loaded again.
class EdDlgComponentPickerBhv : public EdDlgPickerBhv {
public:
    ~EdDlgComponentPickerBhv() override;
    void Start() override;

protected:
    std::vector<std::string> ListFor(const std::string& filter) const override;
};
