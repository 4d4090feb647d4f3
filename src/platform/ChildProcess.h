#pragma once

#include "platform/CommandRunner.h"

#include <sys/types.h>

// A child process started with posix_spawn and reaped with waitpid(WNOHANG). Its
// standard input is /dev/null. Destroying it while the child runs kills and reaps
// the child, so none outlives the game.
class ChildProcess : public CommandRunner {
public:
    ChildProcess() = default;
    ~ChildProcess() override;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::vector<std::string>& argv, const std::filesystem::path& log, std::string& error) override;
    std::optional<int> Poll() override;
    void Kill() override;

private:
    pid_t pid_ = 0;
};
