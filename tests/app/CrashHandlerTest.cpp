#include "app/CrashHandler.h"
#include "app/Watchdog.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

class CrashHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        // The death-test child runs SetUp again, so the name must not depend on the process.
        dir = fs::temp_directory_path() /
              (std::string("vellimor-crash-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The one report the dead child left, named "crash-<date>_<time>-<pid>.txt".
    std::string ReadReport() const {
        std::vector<fs::path> reports;
        for (const auto& entry : fs::directory_iterator(dir)) reports.push_back(entry.path());
        if (reports.size() != 1 || reports[0].filename().string().rfind("crash-", 0) != 0 ||
            reports[0].extension() != ".txt") {
            ADD_FAILURE() << "expected one crash-*.txt in " << dir << ", found " << reports.size();
            return "";
        }
        std::ifstream in(reports[0]);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir;
};

// A real SIGSEGV: the undefined-behaviour sanitizer must not stop it first.
[[noreturn]] __attribute__((no_sanitize("undefined"))) void DereferenceNull() {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
    std::abort();
}

TEST_F(CrashHandlerTest, FatalSignalWritesTheReportAndNamesIt) {
    EXPECT_DEATH(
        {
            CrashHandler::Install(dir.string());
            DereferenceNull();
        },
        "crash report written to .*/crash-20[0-9][0-9]-[01][0-9]-[0-3][0-9]_[0-2][0-9]-[0-5][0-9]-[0-5][0-9]-[0-9]+\\.txt");
    const std::string text = ReadReport();
    EXPECT_NE(text.find("What happened: SIGSEGV"), std::string::npos) << text;
    EXPECT_NE(text.find("(main thread)"), std::string::npos);
    EXPECT_NE(text.find("Backtrace:"), std::string::npos);
    EXPECT_NE(text.find("Memory map:"), std::string::npos);
    EXPECT_NE(text.find("[stack]"), std::string::npos) << "the memory map is copied whole";
}

TEST_F(CrashHandlerTest, AReportThatCannotBeWrittenIsNotClaimed) {
    EXPECT_DEATH(
        {
            CrashHandler::Install((dir / "missing").string());
            DereferenceNull();
        },
        "SIGSEGV .*; no crash report could be written \\(.*/missing/crash-.*: no such directory\\)");
    EXPECT_DEATH(
        {
            CrashHandler::Install("");
            DereferenceNull();
        },
        "no crash report could be written \\(no directory for it");
}

TEST_F(CrashHandlerTest, UnhandledExceptionOnAnotherThreadReportsTypeAndMessage) {
    EXPECT_DEATH(
        {
            CrashHandler::Install(dir.string());
            std::thread([] { throw std::out_of_range("level index 7 of 3"); }).join();
        },
        "unhandled exception of type std::out_of_range: level index 7 of 3");
    const std::string text = ReadReport();
    EXPECT_NE(text.find("std::out_of_range: level index 7 of 3"), std::string::npos) << text;
    EXPECT_EQ(text.find("(main thread)"), std::string::npos) << "the throwing thread is named";
}

TEST_F(CrashHandlerTest, WatchdogTurnsAStalledLoopIntoACrashReport) {
    EXPECT_DEATH(
        {
            CrashHandler::Install(dir.string());
            std::atomic<std::int64_t> heartbeat{Clock::Now()};
            Watchdog watchdog(heartbeat, Clock::Frequency(), Clock::Now,
                              {std::chrono::milliseconds(100), std::chrono::milliseconds(10)});
            watchdog.Start();
            // The "frame loop" hangs here.
            for (;;) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        },
        "watchdog: the frame loop produced no frame");
    const std::string text = ReadReport();
    EXPECT_NE(text.find("watchdog"), std::string::npos) << text;
    EXPECT_NE(text.find("(main thread)"), std::string::npos) << "the hanging thread's stack is shown";
}

TEST(WatchdogTest, StaysQuietWhileTheHeartbeatAdvances) {
    std::atomic<std::int64_t> heartbeat{Clock::Now()};
    std::atomic<int> stalls{0};
    {
        Watchdog watchdog(heartbeat, Clock::Frequency(), Clock::Now,
                          {std::chrono::milliseconds(200), std::chrono::milliseconds(5)},
                          [&](double) { ++stalls; });
        watchdog.Start();
        for (int i = 0; i < 30; ++i) {
            heartbeat = Clock::Now();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    EXPECT_EQ(stalls, 0);
}

TEST(WatchdogTest, ReportsHowLongTheLoopWasSilent) {
    std::atomic<std::int64_t> heartbeat{0};
    std::atomic<double> reported{0};
    std::atomic<bool> done{false};
    // 7 s of silence at 1000 ticks per second.
    Watchdog watchdog(heartbeat, 1000, [] { return std::int64_t{7000}; },
                      {std::chrono::milliseconds(5000), std::chrono::milliseconds(1)},
                      [&](double seconds) {
                          reported = seconds;
                          done = true;
                      });
    watchdog.Start();
    while (!done) {
        std::this_thread::yield();
    }
    EXPECT_DOUBLE_EQ(reported, 7.0);
}

}  // namespace
