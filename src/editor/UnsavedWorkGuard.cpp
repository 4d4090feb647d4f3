#include "editor/UnsavedWorkGuard.h"

#include "core/Engine.h"
#include "editor/CurrentLevel.h"
#include "editor/EdDlgMessageBoxBhv.h"
#include "editor/EdLevelEditorBhv.h"
#include "editor/EditorMessage.h"
#include "editor/EditorState.h"
#include "editor/PrefabEditCommand.h"
#include "prefabs/PrefabManager.h"

#include <memory>
#include <utility>

UnsavedWorkGuard::UnsavedWorkGuard(std::filesystem::path recoveryDirectory, std::function<EdLevelEditorBhv*()> levelEditor)
    : store_(std::move(recoveryDirectory)), levelEditor_(std::move(levelEditor)) {}

void UnsavedWorkGuard::AnnounceRecovery() {
    if (!store_.LookForOffer().empty()) {
        TellUser("Unsaved work from an earlier session can be recovered (" + JoinNames(store_.Offer()) +
                 "): press Recover in the main palette");
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
        Engine::Prefabs->SaveAll();
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
    TellUser(restored.empty() ? "Nothing could be recovered" : "Recovered as unsaved: " + JoinNames(restored));
}
