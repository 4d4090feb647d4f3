#pragma once

#include "editor/recovery/RecoverySchedule.h"
#include "editor/recovery/RecoveryStore.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class EdLevelEditorBhv;

// Keeps unsaved prefabs and levels from being lost: it asks "Save changes?" before the
// game quits with unsaved work, copies that work into the recovery directory within
// seconds of a change (RecoverySchedule) and when the game ends, drops a copy as soon
// as its work is saved, reverted or thrown away, and loads back what an earlier
// session left, warning about copies older than their saved file.
class UnsavedWorkGuard {
public:
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
    // Once a frame, `now` in seconds on a steady clock: drops the copies of work no
    // longer unsaved at once, and copies the unsaved work when it is due.
    void Tick(double now);
    // Copies the unsaved work now, unless the user threw it away ("No" at quitting).
    void WriteRecovery();
    // Loads the offer back as modified prefabs, as one undo step.
    void Recover();

    bool HasUnsavedWork() const;
    // What holds it, by name (UnsavedNames); the quit question lists the first five.
    std::vector<std::string> UnsavedWork() const;
    bool HasRecoveryOffer() const { return !store_.Offer().empty(); }
    RecoveryStore& Store() { return store_; }

private:
    bool SaveEverything();
    RecoverySchedule::Mark CurrentMark() const;
    void ReloadRecoveredLevel(const std::vector<std::string>& restored);
    void Quit();

    RecoveryStore store_;
    std::function<EdLevelEditorBhv*()> levelEditor_;
    RecoverySchedule schedule_;
    bool asking_ = false;
    bool discarded_ = false;
    bool answered_ = false;
    bool announced_ = false;
};
