#include "platform/ChildProcess.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// Polls as the frame loop does until the child has ended (at most 5 s).
std::optional<int> PollUntilEnded(ChildProcess& child) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::optional<int> status;
    while (!(status = child.Poll()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status;
}

TEST(ChildProcessTest, RunsWithoutAShellLogsBothStreamsAndReportsHowItEnded) {
    ScratchDirectory scratch;
    const auto log = scratch.Path / "run.log";
    ChildProcess child;
    std::string error;
    EXPECT_FALSE(child.Poll()) << "nothing started";
    // The argument reaches the program whole: no shell splits "a b".
    ASSERT_TRUE(child.Start({"/bin/sh", "-c", "echo out \"$0\"; echo err >&2; exit 3", "a b"}, log, error)) << error;
    EXPECT_FALSE(child.Start({"/bin/true"}, log, error)) << "one at a time";
    EXPECT_EQ(PollUntilEnded(child), 3);
    std::stringstream text;
    text << std::ifstream(log).rdbuf();
    EXPECT_EQ(text.str(), "out a b\nerr\n");

    ASSERT_TRUE(child.Start({"/bin/sleep", "30"}, log, error)) << error;
    EXPECT_FALSE(child.Poll());
    child.Kill();
    EXPECT_EQ(PollUntilEnded(child), 128 + 9);

    EXPECT_FALSE(child.Start({(scratch.Path / "missing").string()}, log, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

}  // namespace
