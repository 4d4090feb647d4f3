#include "editor/recovery/UnsavedWorkGuard.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/LongWork.h"
#include "editor/EditorMessage.h"
#include "editor/EditorSlot.h"
#include "editor/EditorState.h"
#include "editor/dialogs/EdDlgMessageBoxBhv.h"
#include "editor/level/CurrentLevel.h"
#include "editor/level/EdLevelEditorBhv.h"
#include "editor/recovery/UnsavedSummary.h"
#include "editor/undo/PrefabEditCommand.h"
#include "game/GameplayScreenBhv.h"
#include "game/HudMessageFlashBhv.h"
#include "prefabs/PrefabManager.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <utility>

UnsavedWorkGuard::UnsavedWorkGuard(std::filesystem::path recoveryDirectory, std::function<EdLevelEditorBhv*()> levelEditor)
    : store_(std::move(recoveryDirectory)), levelEditor_(std::move(levelEditor)) {}

namespace {
// The offer, each copy older than its saved file said to be so.
std::string OfferText(const std::vector<RecoveryStore::Copy>& offer) {
    std::vector<std::string> names;
    for (const RecoveryStore::Copy& copy : offer) {
        names.push_back(copy.BaseChanged ? copy.Name + " (its file changed since)" : copy.Name);
    }
    return "Unsaved work can be recovered: " + JoinNames(names);
}

std::vector<std::string> OutOfDate(const std::vector<RecoveryStore::Copy>& offer) {
    std::vector<std::string> names;
    for (const RecoveryStore::Copy& copy : offer) {
        if (copy.BaseChanged) {
            names.push_back(copy.Name);
        }
    }
    return names;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

void UnsavedWorkGuard::LookForRecovery() {
    if (Engine::Prefabs != nullptr && !store_.LookForOffer(*Engine::Prefabs).empty()) {
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

// A removed prefab whose file is still there counts too: saving would delete that file.
bool UnsavedWorkGuard::HasUnsavedWork() const { return !UnsavedWork().empty(); }

std::vector<std::string> UnsavedWorkGuard::UnsavedWork() const {
    if (Engine::Prefabs == nullptr) {
        return {};
    }
    const EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    const bool levelUnsaved = editor != nullptr && editor->Session.HasUnsavedLevel();
    return UnsavedNames(*Engine::Prefabs, levelUnsaved ? editor->Session.OwnName() : "", levelUnsaved);
}

bool UnsavedWorkGuard::KeepRunningToAsk() {
    auto* box = InSlot<EdDlgMessageBoxBhv>(&EditorState::MessageBox);
    if (answered_ || box == nullptr || !HasUnsavedWork()) {
        return false;
    }
    if (asking_ && box->IsShown()) {
        return false;  // a second request: the box must never trap the player
    }
    asking_ = true;
    box->Open(
        "Save changes?", {"Yes", "No", "Cancel"},
        [this](const std::string& answer) {
            asking_ = false;
            if (answer == "No") {
                discarded_ = true;
                store_.Discard();
            }
            if ((answer == "Yes" && SaveEverything()) || answer == "No") {
                Quit();
            }
        },
        FirstNames(UnsavedWork()));
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

RecoverySchedule::Mark UnsavedWorkGuard::CurrentMark() const {
    RecoverySchedule::Mark mark;
    if (Engine::EditorState != nullptr) {
        mark.Changes = Engine::EditorState->History.Changes();
    }
    if (Engine::Prefabs != nullptr) {
        for (const auto& [name, prefab] : Engine::Prefabs->Prefabs()) {
            if (prefab->IsModified) {
                mark.Unsaved.insert(name);
            }
        }
    }
    const EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    if (editor != nullptr && editor->Session.HasUnsavedLevel()) {
        mark.Unsaved.insert(editor->Session.OwnName());
    }
    return mark;
}

void UnsavedWorkGuard::Tick(double now) {
    if (Engine::Prefabs == nullptr || discarded_) {
        return;
    }
    const RecoverySchedule::Mark mark = CurrentMark();
    // A copy of work just saved must not outlive the save: a crash now would offer it.
    store_.KeepOnly(mark.Unsaved);
    if (schedule_.IsCopyDue(now, mark)) {
        const auto start = std::chrono::steady_clock::now();
        WriteRecovery();
        schedule_.Copied(now, SecondsSince(start));
    }
}

void UnsavedWorkGuard::WriteRecovery() {
    if (Engine::Prefabs == nullptr || discarded_) {
        return;
    }
    const LongWork copying;  // a huge level takes a while to put into entries
    EdLevelEditorBhv* editor = levelEditor_ ? levelEditor_() : nullptr;
    const bool levelUnsaved = editor != nullptr && editor->Session.HasUnsavedLevel();
    store_.Write(RecoveryStore::UnsavedWork(*Engine::Prefabs, levelUnsaved ? CurrentLevel() : nullptr,
                                            levelUnsaved ? editor->Session.OwnName() : ""),
                 *Engine::Prefabs);
}

void UnsavedWorkGuard::Recover() {
    if (Engine::Prefabs == nullptr || !HasRecoveryOffer()) {
        TellUser("Nothing to recover");
        return;
    }
    std::vector<std::string> offered;
    for (const RecoveryStore::Copy& copy : store_.Offer()) {
        offered.push_back(copy.Name);
    }
    const std::vector<std::string> outOfDate = OutOfDate(store_.Offer());
    auto command = std::make_unique<PrefabEditCommand>(offered);
    EditorState* state = Engine::EditorState;
    if (state != nullptr && state->SelectedAutoCreate != nullptr) {
        state->SelectedAutoCreate = nullptr;  // its entries are replaced
    }
    const std::vector<std::string> restored = store_.Restore(*Engine::Prefabs);
    if (state != nullptr && command->Finish()) {
        state->History.Push(std::move(command));
    }
    ReloadRecoveredLevel(restored);
    if (restored.empty()) {
        TellUser("Nothing could be recovered");
    } else if (outOfDate.empty()) {
        TellUser("Recovered as unsaved: " + JoinNames(restored));
    } else {
        TellUser("Recovered as unsaved: " + JoinNames(restored) + "; older than the saved file: " +
                 JoinNames(outOfDate) + " (undo goes back to it)");
    }
}
