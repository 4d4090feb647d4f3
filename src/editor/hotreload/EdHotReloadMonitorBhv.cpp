#include "editor/hotreload/EdHotReloadMonitorBhv.h"

#include "animation/AnimationManager.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/GameConfig.h"
#include "core/GameObject.h"
#include "game/HudMessageFlashBhv.h"
#include "graphics/TextureManager.h"
#include "platform/ChildProcess.h"
#include "platform/Clock.h"
#include "platform/ExecutablePath.h"
#include "platform/PlayerDirectories.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

namespace {

double MonotonicSeconds() {
    return static_cast<double>(Clock::Now()) / static_cast<double>(Clock::Frequency());
}

// The content tool beside the executable, writing into the Content directory the
// game reads, its output in a log in the player's state directory.
AtlasRebuild::Settings GameToolSettings(const GameConfig& config) {
    const fs::path state = PlayerDirectories::State();
    AtlasRebuild::Settings settings;
    settings.Tool = ExecutableDirectory() / "vellimor_content";
    settings.Source = config.DevelopmentContentPath;
    settings.Output = fs::absolute(config.ContentDirectory);
    settings.Log = (state.empty() ? fs::temp_directory_path() : state) / "ContentBuild.log";
    return settings;
}

// Logged whole with what it means, and flashed over the field where the designer
// looks in short: a line as wide as the screen holds the file relative to the
// development content and what is wrong with it.
void Report(const std::string& message, const std::string& consequence, const fs::path& development) {
    ContentLog::Warning("hot reload: " + message + " (" + consequence + ")");
    std::string brief = message;
    for (const std::string& noise : {std::string("content build failed: "), development.string() + "/"}) {
        if (const std::size_t at = brief.find(noise); !noise.empty() && at != std::string::npos) {
            brief.erase(at, noise.size());
        }
    }
    FlashMessage(brief);
}

}  // namespace

EdHotReloadMonitorBhv::EdHotReloadMonitorBhv() {
    AddProperty("ChangeTimeout", ChangeTimeout);
}

EdHotReloadMonitorBhv::~EdHotReloadMonitorBhv() = default;

void EdHotReloadMonitorBhv::SetCommandRunner(std::unique_ptr<CommandRunner> runner) {
    runner_ = std::move(runner);
}

void EdHotReloadMonitorBhv::Start() {
    const GameConfig* config = Engine::GameConfig;
    std::error_code error;
    if (config == nullptr || config->DevelopmentContentPath.empty() ||
        !fs::is_directory(config->DevelopmentContentPath, error)) {
        if (Owner() != nullptr) {
            Owner()->QueueForDeletion();
        }
        return;
    }
    if (!now_) {
        now_ = MonotonicSeconds;
    }
    if (!runner_) {
        runner_ = std::make_unique<ChildProcess>();
    }
    if (tool_.Tool.empty()) {
        tool_ = GameToolSettings(*config);
    }
    std::ofstream(tool_.Log, std::ios::trunc);  // one session's builds
    watch_ = std::make_unique<HotReloadWatch>(
        HotReloadWatch::List(config->DevelopmentContentPath, config->DevelopmentDirectory("Animations")));
    due_.assign(watch_->Directories().size(), false);
}

void EdHotReloadMonitorBhv::Update() {
    if (watch_ == nullptr) {
        return;
    }
    const double now = now_();
    TakeChanges(now);
    if (build_ == nullptr) {
        StartDueBuild(now);
    } else if (const auto outcome = build_->Poll(now)) {
        FinishBuild(*outcome);
    }
}

void EdHotReloadMonitorBhv::TakeChanges(double now) {
    for (std::size_t i = 0; i < due_.size(); ++i) {
        if (!watch_->TakeChange(i)) {
            continue;
        }
        if (watch_->Directories()[i].IsAnimations()) {
            ReloadAnimations();
        } else {
            due_[i] = true;
            lastChange_ = now;  // every change starts the quiet time again
        }
    }
}

void EdHotReloadMonitorBhv::StartDueBuild(double now) {
    const auto due = std::find(due_.begin(), due_.end(), true);
    if (due == due_.end() || now - lastChange_ < ChangeTimeout) {
        return;
    }
    *due = false;
    const WatchedDirectory& directory = watch_->Directories()[static_cast<std::size_t>(due - due_.begin())];
    build_ = std::make_unique<AtlasRebuild>(*runner_, tool_, directory.Atlas, now);
}

void EdHotReloadMonitorBhv::FinishBuild(const AtlasRebuild::Outcome& outcome) {
    const std::string atlas = build_->Atlas();
    build_.reset();
    if (outcome.Succeeded) {
        ReloadAtlas(atlas);
    } else {
        Report(outcome.Message, "the old art stays", tool_.Source);
    }
}

void EdHotReloadMonitorBhv::ReloadAtlas(const std::string& atlas) {
    const std::size_t slash = atlas.find('/');
    try {
        if (Engine::TextureManager == nullptr ||
            Engine::TextureManager->ReloadAtlas(atlas.substr(0, slash), atlas.substr(slash + 1), Engine::Root) ==
                nullptr) {
            return;  // a bank the game has not loaded shows nothing to reload
        }
    } catch (const std::exception& e) {
        Report(e.what(), "the old art stays", tool_.Source);
        return;
    }
    ContentLog::Info("hot reload: reloaded the atlas " + atlas);
    // Frames hold image numbers of their atlas, which a rebuild may have changed.
    ReloadAnimations();
}

void EdHotReloadMonitorBhv::ReloadAnimations() {
    if (Engine::Animations == nullptr) {
        return;
    }
    try {
        Engine::Animations->LoadAllAnimations();
    } catch (const std::exception& e) {
        Report(e.what(), "the animations stay as they were", tool_.Source);
    }
}
