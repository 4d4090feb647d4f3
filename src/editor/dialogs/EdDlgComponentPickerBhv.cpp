#include "editor/dialogs/EdDlgComponentPickerBhv.h"

#include "core/Engine.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/palettes/NameFilter.h"
#include "prefabs/PrefabManager.h"

EdDlgComponentPickerBhv::~EdDlgComponentPickerBhv() {
    LeaveSlot(&EditorState::ComponentPicker, this);
}

void EdDlgComponentPickerBhv::Start() {
    EdDlgPickerBhv::Start();
    EnterSlot(&EditorState::ComponentPicker, this);
}

std::vector<std::string> EdDlgComponentPickerBhv::ListFor(const std::string& filter) const {
    std::vector<std::string> names;
    if (Engine::Prefabs != nullptr) {
        for (const auto& [name, type] : Engine::Prefabs->Types()) {
            if (name != "PrefabComponent" && MatchesFilter(name, filter)) {
                names.push_back(name);
            }
        }
    }
    return names;
}
