#include "app/CrashHandler.h"
#include "core/Behavior.h"
#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/GameObject.h"
#include "game/TreePasses.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A behaviour whose coroutines log each segment they run; the command each
// segment returns is set by the test.
class ScriptedBhv : public Behavior {
public:
    explicit ScriptedBhv(Log& log) : log_(log) {}

    CoCommand Waits(int resumePoint) {
        COROUTINE_IDENTITY(resumePoint);
        log_.push_back("waits." + std::to_string(resumePoint));
        return resumePoint < static_cast<int>(commands.size()) ? commands[resumePoint] : CoCommand::Stop();
    }

    CoCommand Other(int resumePoint) {
        COROUTINE_IDENTITY(resumePoint);
        log_.push_back("other." + std::to_string(resumePoint));
        return CoCommand::Next();
    }

    void Update() override {
        log_.push_back("update");
        if (startInUpdate) {
            startInUpdate = false;
            StartCoroutine(&ScriptedBhv::Waits);
        }
    }

    std::vector<CoCommand> commands;
    bool startInUpdate = false;

private:
    Log& log_;
};

class CoroutineTest : public ::testing::Test {
protected:
    CoroutineTest() {
        object->AddComponent(behavior);
        root.AddChild(object);
    }

    // One update pass at 60 Hz.
    void Pass(float delta = 1.0f / 60.0f) {
        time.DeltaSeconds = delta;
        TreePasses::UpdatePass(&root);
    }
    // The passes (counted from 1) in which `segment` of Waits ran.
    std::vector<int> PassesRunning(const std::string& segment, int passes) {
        std::vector<int> found;
        for (int pass = 1; pass <= passes; ++pass) {
            log.clear();
            Pass();
            if (std::find(log.begin(), log.end(), segment) != log.end()) found.push_back(pass);
        }
        return found;
    }

    Log log;
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    FrameTime& time = engine.Make(Engine::FrameTime);
    GameObject& root = engine.Make(Engine::Root);
    GameObject* object = new GameObject();
    ScriptedBhv* behavior = new ScriptedBhv(log);
};

TEST_F(CoroutineTest, StartRunsTheFirstSegmentInsideTheCaller) {
    behavior->commands = {CoCommand::Next(), CoCommand::Next()};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(log, (Log{"waits.0"}));
    log.clear();
    Pass();
    EXPECT_EQ(log, (Log{"update", "waits.1"}));
    log.clear();
    Pass();
    EXPECT_EQ(log, (Log{"update", "waits.2"})) << "segment 2 does not exist and stops";
    EXPECT_FALSE(behavior->GetCoroutine(&ScriptedBhv::Waits)->Running);
    log.clear();
    Pass();
    EXPECT_EQ(log, (Log{"update"}));
}

TEST_F(CoroutineTest, WaitingTwoFramesResumesAtTheSecondCountdown) {
    behavior->commands = {CoCommand::WaitFrames(2)};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(PassesRunning("waits.1", 4), (std::vector<int>{2}));
}

TEST_F(CoroutineTest, WaitingOneSecondAt60HzResumesWhenTheDeltasReachIt) {
    behavior->commands = {CoCommand::WaitSeconds(1.0f)};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    // Sixty float deltas of 1/60 need not sum to exactly 1; the resume comes in the
    // pass where they first do.
    float remaining = 1.0f;
    int expected = 0;
    while (remaining > 0.0f) {
        remaining -= 1.0f / 60.0f;
        ++expected;
    }
    EXPECT_GE(expected, 60);
    EXPECT_LE(expected, 61);
    EXPECT_EQ(PassesRunning("waits.1", 70), (std::vector<int>{expected}));
}

TEST_F(CoroutineTest, WaitingZeroSecondsResumesInTheNextPass) {
    behavior->commands = {CoCommand::WaitSeconds(0.0f)};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(PassesRunning("waits.1", 3), (std::vector<int>{1}));
}

TEST_F(CoroutineTest, StartedFromUpdateCountsDownRightAfterIt) {
    behavior->commands = {CoCommand::WaitFrames(1), CoCommand::Next()};
    behavior->startInUpdate = true;
    Pass();
    EXPECT_EQ(log, (Log{"update", "waits.0", "waits.1"})) << "the first countdown is in the same pass";
}

TEST_F(CoroutineTest, StartWhileRunningDoesNothingStopThenStartRestarts) {
    behavior->commands = {CoCommand::WaitFrames(5)};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(log, (Log{"waits.0"}));
    Coroutine* coroutine = behavior->GetCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(coroutine->ResumePoint, 1);
    EXPECT_EQ(coroutine->FramesToWait, 5);

    behavior->StopCoroutine(&ScriptedBhv::Waits);
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    EXPECT_EQ(log, (Log{"waits.0", "waits.0"}));
    EXPECT_EQ(coroutine->FramesToWait, 5) << "the waits start again from zero";
    EXPECT_EQ(behavior->GetCoroutine(&ScriptedBhv::Waits), coroutine) << "stopping does not delete it";
}

TEST_F(CoroutineTest, GotoAndRestartRunInTheSameStep) {
    // 0: wait a frame; 1: jump to 3; 2: never; 3: back to the start; 0 again: wait.
    behavior->commands = {CoCommand::WaitFrames(1), CoCommand::Goto(3), CoCommand::Next(), CoCommand::Restart()};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    log.clear();
    Pass();
    EXPECT_EQ(log, (Log{"update", "waits.1", "waits.3", "waits.0"}));
}

TEST_F(CoroutineTest, IdentifiersAreSharedAcrossInstancesButCoroutinesAreNot) {
    auto* second = new ScriptedBhv(log);
    object->AddComponent(second);
    Coroutine* mine = behavior->GetCoroutine(&ScriptedBhv::Waits);
    Coroutine* theirs = second->GetCoroutine(&ScriptedBhv::Waits);
    EXPECT_NE(mine, theirs);
    const int waits = behavior->Waits(-1).Count;
    const int other = second->Other(-1).Count;
    EXPECT_EQ(second->Waits(-1).Count, waits);
    EXPECT_GT(waits, 0);
    EXPECT_GT(other, 0);
    EXPECT_NE(waits, other);
    EXPECT_EQ(behavior->Coroutines().count(waits), 1u);
    EXPECT_TRUE(log.empty()) << "the identity query runs no segment";
}

TEST_F(CoroutineTest, CoroutinesAreSteppedInIdentifierOrderAndFreezeWithTheirSubtree) {
    behavior->commands = {CoCommand::Next(), CoCommand::Next(), CoCommand::Next()};
    behavior->StartCoroutine(&ScriptedBhv::Other);
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    const bool waitsFirst = behavior->Waits(-1).Count < behavior->Other(-1).Count;
    log.clear();
    Pass();
    EXPECT_EQ(log, waitsFirst ? (Log{"update", "waits.1", "other.1"}) : (Log{"update", "other.1", "waits.1"}));

    object->UpdateEnabled = false;
    log.clear();
    Pass();
    EXPECT_TRUE(log.empty());
}

TEST_F(CoroutineTest, DeletingTheBehaviourDeletesItsCoroutines) {
    behavior->commands = {CoCommand::WaitFrames(1)};
    behavior->StartCoroutine(&ScriptedBhv::Waits);
    behavior->QueueDelete();
    deletions.DeleteQueued();
    log.clear();
    Pass();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(object->Behaviors().empty());
}

TEST(CoroutineDeathTest, RestartFromSegmentZeroIsAFatalError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto reports = std::filesystem::temp_directory_path() / "vellimor-coroutine-restart";
    std::filesystem::remove_all(reports);
    std::filesystem::create_directories(reports);
    EXPECT_DEATH(
        {
            CrashHandler::Install(reports.string());
            Coroutine coroutine([](int) { return CoCommand::Restart(); });
            coroutine.Running = true;
            // Nothing in the frame loop catches: the error ends the process.
            [&]() noexcept { coroutine.Step(); }();
        },
        "std::logic_error: coroutine segment 0 asked to restart");
    std::stringstream text;
    for (const auto& report : std::filesystem::directory_iterator(reports)) {
        std::ifstream in(report.path());
        text << in.rdbuf();
    }
    EXPECT_NE(text.str().find("segment 0 asked to restart"), std::string::npos) << text.str();
    std::filesystem::remove_all(reports);
}

TEST(CoroutineBodyTest, AnEmptyBodyRaisesBadFunctionCall) {
    Coroutine coroutine(nullptr);
    EXPECT_THROW(coroutine.Step(), std::bad_function_call);
}

}  // namespace
