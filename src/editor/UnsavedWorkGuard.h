#pragma once

#include "editor/RecoveryStore.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class EdLevelEditorBhv;

// Keeps unsaved prefabs and levels from being lost: it asks "Save changes?" before the
// game quits with unsaved work, writes that work into the recovery directory every
// two minutes and when the game ends, and loads back what an earlier session left.
class UnsavedWorkGuard {
public:
    static constexpr float RecoveryInterval = 120.0f;

    // `levelEditor` finds the level editor when needed (it may come and go).
    UnsavedWorkGuard(std::filesystem::path recoveryDirectory, std::function<EdLevelEditorBhv*()> levelEditor);

    // At start: notes (in the log) what an earlier session left to recover.
    void LookForRecovery();
    // Tells the user, once, what can be recovered (when the editor first opens).
    void AnnounceRecovery();
    // A quit was asked for. True when the game is to keep running because the
    // question is now up; false to quit: nothing is unsaved, the question was
    // answered, there is no message box, or this is a second request while it is up.
    bool KeepRunningToAsk();
    // Counts the frame's time; writes the recovery files every RecoveryInterval.
    void Tick(float deltaSeconds);
    void WriteRecovery();
    // Loads the offer back as modified prefabs, as one undo step.
    void Recover();

    bool HasUnsavedWork() const;
    bool HasRecoveryOffer() const { return !store_.Offer().empty(); }
    RecoveryStore& Store() { return store_; }

private:
    bool SaveEverything();
    void ReloadRecoveredLevel(const std::vector<std::string>& restored);
    void Quit();

    RecoveryStore store_;
    std::function<EdLevelEditorBhv*()> levelEditor_;
    float sinceRecovery_ = 0.0f;
    bool asking_ = false;
    bool answered_ = false;
    bool announced_ = false;
};
