#include "editor/UnsavedWorkGuard.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "editor/CurrentLevel.h"
#include "editor/EdDlgMessageBoxBhv.h"
#include "editor/EdLevelEditorBhv.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/PrefabEditCommand.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudMessageFlashBhv.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <memory>
#include <utility>

UnsavedWorkGuard::UnsavedWorkGuard(std::filesystem::path recoveryDirectory, std::function<EdLevelEditorBhv*()> levelEditor)
    : store_(std::move(recoveryDirectory)), levelEditor_(std::move(levelEditor)) {}

namespace {
std::string OfferText(const std::vector<std::string>& names) {
    return "Unsaved work can be recovered: " + JoinNames(names);
}
}  // namespace

void UnsavedWorkGuard::LookForRecovery() {
    if (!store_.LookForOffer().empty()) {
        ContentLog::Warning("editor: " + OfferText(store_.Offer()));
    }
}

void UnsavedWorkGuard::AnnounceRecovery() {
    if (!announced_ && HasRecoveryOffer()) {
        FlashMessage(OfferText(store_.Offer()));
    }
    announced_ = true;
}

// The level on screen comes back as recovered, unless it holds changes of its own.
void UnsavedWorkGuard::ReloadRecoveredLevel(const std::vector<std::string>& restored) {
    EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    if (editor == nullptr || Engine::GameplayScreen == nullptr || editor->Session.HasUnsavedLevel()) {
        return;
    }
    const std::string own = editor->Session.OwnName();
    if (std::find(restored.begin(), restored.end(), own) != restored.end()) {
        Engine::GameplayScreen->LoadLevel(own);
        MarkLevelModified();
    }
}

bool UnsavedWorkGuard::HasUnsavedWork() const {
    if (Engine::Prefabs != nullptr) {
        for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
            if (prefab->IsModified) {
                return true;
            }
        }
    }
    const EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    return editor != nullptr && editor->Session.HasUnsavedLevel();
}

bool UnsavedWorkGuard::KeepRunningToAsk() {
    auto* box = Engine::EditorState != nullptr ? dynamic_cast<EdDlgMessageBoxBhv*>(Engine::EditorState->MessageBox) : nullptr;
    if (answered_ || box == nullptr || !HasUnsavedWork()) {
        return false;
    }
    if (asking_ && box->IsShown()) {
        return false;  // a second request: the box must never trap the player
    }
    asking_ = true;
    box->Open("Save changes?", {"Yes", "No", "Cancel"}, [this](const std::string& answer) {
        asking_ = false;
        if ((answer == "Yes" && SaveEverything()) || answer == "No") {
            Quit();
        }
    });
    return true;
}

bool UnsavedWorkGuard::SaveEverything() {
    EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    if (editor != nullptr && editor->Session.HasUnsavedLevel() && !editor->Session.SaveCurrent()) {
        return false;
    }
    try {
        // A prefab that cannot be saved keeps its flag; the others are saved.
        for (const std::string& failure : Engine::Prefabs->SaveAll()) {
            TellUser(failure);
        }
    } catch (const std::exception& e) {
        TellUser(e.what());
        return false;
    }
    return !HasUnsavedWork();
}

void UnsavedWorkGuard::Quit() {
    answered_ = true;
    Engine::QuitRequested = true;
}

void UnsavedWorkGuard::Tick(float deltaSeconds) {
    sinceRecovery_ += deltaSeconds;
    if (sinceRecovery_ >= RecoveryInterval) {
        sinceRecovery_ = 0.0f;
        WriteRecovery();
    }
}

void UnsavedWorkGuard::WriteRecovery() {
    if (Engine::Prefabs == nullptr) {
        return;
    }
    EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    const bool levelUnsaved = editor != nullptr && editor->Session.HasUnsavedLevel();
    store_.Write(RecoveryStore::UnsavedWork(*Engine::Prefabs, levelUnsaved ? CurrentLevel() : nullptr,
                                            levelUnsaved ? editor->Session.OwnName() : ""));
}

void UnsavedWorkGuard::Recover() {
    if (Engine::Prefabs == nullptr || !HasRecoveryOffer()) {
        TellUser("Nothing to recover");
        return;
    }
    auto command = std::make_unique<PrefabEditCommand>(store_.Offer());
    EditorState* state = Engine::EditorState;
    if (state != nullptr && state->SelectedAutoCreate != nullptr) {
        state->SelectedAutoCreate = nullptr;  // its entries are replaced
    }
    const std::vector<std::string> restored = store_.Restore(*Engine::Prefabs);
    if (state != nullptr && command->Finish()) {
        state->History.Push(std::move(command));
    }
    ReloadRecoveredLevel(restored);
    TellUser(restored.empty() ? "Nothing could be recovered" : "Recovered as unsaved: " + JoinNames(restored));
}
