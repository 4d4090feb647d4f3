#pragma once

#include "core/Behavior.h"
#include "editor/hotreload/AtlasRebuild.h"
#include "editor/hotreload/HotReloadWatch.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class CommandRunner;

// Content hot reload. Watches the development content ("DevelopmentContentPath"):
// a saved ".anim" file reloads every animation at the next frame; a saved image of
// Textures/<Bank>/<Atlas>/ marks that atlas due, and once no change has come for
// "ChangeTimeout" seconds the content tool rebuilds the due atlases one at a time,
// lowest directory first, each reloaded into its bank when its build succeeds. The
// tool runs as a child process polled every frame, so the game never waits for it;
// a change during a build makes that atlas due again for another round. A failed
// build or reload is flashed and logged, and the old art stays. Without a
// development directory the monitor's object deletes itself.
class EdHotReloadMonitorBhv : public Behavior {
public:
    EdHotReloadMonitorBhv();
    ~EdHotReloadMonitorBhv() override;

    void Start() override;
    void Update() override;

    float ChangeTimeout = 1.0f;

    // Seams for tests, set before Start: a monotonic clock in seconds, the runner of
    // the content tool, and where the tool is, reads, writes and logs.
    void SetClock(std::function<double()> now) { now_ = std::move(now); }
    void SetCommandRunner(std::unique_ptr<CommandRunner> runner);
    void SetToolSettings(const AtlasRebuild::Settings& settings) { tool_ = settings; }

    // Null until Start found the development content.
    const HotReloadWatch* Watch() const { return watch_.get(); }
    bool IsDue(std::size_t index) const { return index < due_.size() && due_[index]; }
    bool IsBuilding() const { return build_ != nullptr; }
    // When the last atlas change was taken, on the monitor's clock.
    double LastChange() const { return lastChange_; }

private:
    void TakeChanges(double now);
    void StartDueBuild(double now);
    void FinishBuild(const AtlasRebuild::Outcome& outcome);
    void ReloadAtlas(const std::string& atlas);
    void ReloadAnimations();

    std::function<double()> now_;
    std::unique_ptr<CommandRunner> runner_;
    AtlasRebuild::Settings tool_;
    std::unique_ptr<HotReloadWatch> watch_;
    std::vector<bool> due_;
    double lastChange_ = 0.0;
    // Declared after the runner it uses, so it goes first.
    std::unique_ptr<AtlasRebuild> build_;
};
