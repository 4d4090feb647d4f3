#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class CommandRunner;

// One run of the content tool over one atlas source directory
// ("vellimor_content <source> <output> --atlas <Bank>/<Atlas>"), polled every frame
// and never waited for. A run past the time limit is killed.
class AtlasRebuild {
public:
    struct Settings {
        std::filesystem::path Tool;    // the content build program
        std::filesystem::path Source;  // the development content
        std::filesystem::path Output;  // the Content directory the game reads
        std::filesystem::path Log;     // where the tool's output is appended
        double TimeLimitSeconds = 120.0;
    };

    struct Outcome {
        bool Succeeded = false;
        // On failure: the tool's first error line (it names the file), or why it
        // did not run or finish.
        std::string Message;
    };

    // Starts the tool at time `now` (seconds). A tool that cannot start is finished
    // at once: the first Poll reports it.
    AtlasRebuild(CommandRunner& runner, const Settings& settings, const std::string& atlas, double now);

    // The outcome once the tool has ended; nothing while it runs.
    std::optional<Outcome> Poll(double now);

    const std::string& Atlas() const { return atlas_; }

private:
    std::string FirstErrorLine() const;

    CommandRunner& runner_;
    Settings settings_;
    std::string atlas_;
    double startedAt_ = 0.0;
    std::uintmax_t logStart_ = 0;  // this run's output begins here
    bool killed_ = false;
    std::optional<Outcome> failedToStart_;
};
