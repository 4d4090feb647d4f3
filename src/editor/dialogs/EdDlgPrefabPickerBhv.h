#pragma once

#include "editor/dialogs/EdDlgPickerBhv.h"

// Chooses a prefab by name; with no filter the list starts with "(None)", chosen as "".
class EdDlgPrefabPickerBhv : public EdDlgPickerBhv {
public:
    ~EdDlgPrefabPickerBhv() override;
    void Start() override;

protected:
    std::vector<std::string> ListFor(const std::string& filter) const override;
    std::string AnswerFor(const std::string& entry) const override;
};
