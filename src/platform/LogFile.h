#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// "vellimor.log" in the player's state directory: every log line of this run, each
// flushed as it is written so that a crash loses none. The previous run's log is
// kept as "vellimor.log.1".
class LogFile {
public:
    // Keeps the old log as ".1" and starts a new one. When that fails the game runs
    // on without a log file, and Problem() says why.
    explicit LogFile(const std::filesystem::path& directory);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Null when the file could not be opened.
    std::FILE* Stream() const { return stream_; }
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Problem() const { return problem_; }

private:
    std::filesystem::path path_;
    std::FILE* stream_ = nullptr;
    std::string problem_;
};
