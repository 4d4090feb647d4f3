#include "editor/hotreload/AtlasRebuild.h"

#include "platform/CommandRunner.h"

#include <fstream>

namespace fs = std::filesystem;

AtlasRebuild::AtlasRebuild(CommandRunner& runner, const Settings& settings, const std::string& atlas, double now)
    : runner_(runner), settings_(settings), atlas_(atlas), startedAt_(now) {
    std::error_code missing;
    const std::uintmax_t size = fs::file_size(settings_.Log, missing);
    logStart_ = missing ? 0 : size;
    const std::vector<std::string> argv{settings_.Tool.string(), settings_.Source.string(),
                                        settings_.Output.string(), "--atlas", atlas_};
    std::string error;
    if (!runner_.Start(argv, settings_.Log, error)) {
        failedToStart_ = Outcome{false, error};
    }
}

std::optional<AtlasRebuild::Outcome> AtlasRebuild::Poll(double now) {
    if (failedToStart_) {
        return failedToStart_;
    }
    const std::optional<int> status = runner_.Poll();
    if (!status) {
        if (!killed_ && now - startedAt_ > settings_.TimeLimitSeconds) {
            runner_.Kill();
            killed_ = true;
        }
        return std::nullopt;
    }
    if (killed_) {
        return Outcome{false, "the content build of " + atlas_ + " ran over " +
                                  std::to_string(static_cast<int>(settings_.TimeLimitSeconds)) + " s and was stopped"};
    }
    if (*status == 0) {
        return Outcome{true, ""};
    }
    const std::string line = FirstErrorLine();
    return Outcome{false, !line.empty() ? line
                                        : "the content build of " + atlas_ + " failed with status " +
                                              std::to_string(*status) + " (" + settings_.Log.string() + ")"};
}

// The tool reports a bad source as "content build failed: <file>: <what>".
std::string AtlasRebuild::FirstErrorLine() const {
    std::ifstream log(settings_.Log);
    log.seekg(static_cast<std::streamoff>(logStart_));
    for (std::string line; std::getline(log, line);) {
        if (line.find("failed: ") != std::string::npos) {
            return line;
        }
    }
    return "";
}
