#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Runs one command at a time beside the game without ever waiting for it: the frame
// loop asks each frame whether it has ended. ChildProcess is the real one; tests
// put in a fake.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;

    // Starts argv[0] (a path, not looked up) with the rest as its arguments, no
    // shell, its standard output and error appended to `log`. False, with the reason
    // in `error`, when it cannot start or a command is still running.
    virtual bool Start(const std::vector<std::string>& argv, const std::filesystem::path& log, std::string& error) = 0;
    // The exit status once the command has ended (128 + the signal when one ended
    // it), nothing while it runs or when none was started. Never blocks.
    virtual std::optional<int> Poll() = 0;
    // Ends the running command; Poll reports it when it is gone.
    virtual void Kill() = 0;
};
