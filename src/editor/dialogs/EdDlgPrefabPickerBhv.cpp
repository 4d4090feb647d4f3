#include "editor/dialogs/EdDlgPrefabPickerBhv.h"

#include "core/Engine.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/palettes/NameFilter.h"
#include "prefabs/PrefabManager.h"

namespace {
const char* const NoneEntry = "(None)";
}

EdDlgPrefabPickerBhv::~EdDlgPrefabPickerBhv() {
    LeaveSlot(&EditorState::PrefabPicker, this);
}

void EdDlgPrefabPickerBhv::Start() {
    EdDlgPickerBhv::Start();
    EnterSlot(&EditorState::PrefabPicker, this);
}

std::vector<std::string> EdDlgPrefabPickerBhv::ListFor(const std::string& filter) const {
    std::vector<std::string> names;
    if (filter.empty()) {
        names.emplace_back(NoneEntry);
    }
    if (Engine::Prefabs != nullptr) {
        for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
            if (MatchesFilter(name, filter)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

std::string EdDlgPrefabPickerBhv::AnswerFor(const std::string& entry) const { return entry == NoneEntry ? "" : entry; }
