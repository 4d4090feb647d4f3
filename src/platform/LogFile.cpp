#include "platform/LogFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

LogFile::LogFile(const fs::path& directory) {
    if (directory.empty()) {
        problem_ = "no log file: neither XDG_STATE_HOME nor HOME is set";
        return;
    }
    path_ = directory / "vellimor.log";
    std::error_code error;
    fs::create_directories(directory, error);
    if (fs::exists(path_, error)) {
        fs::rename(path_, fs::path(path_.string() + ".1"), error);
    }
    stream_ = std::fopen(path_.c_str(), "we");
    if (stream_ == nullptr) {
        problem_ = "no log file: cannot write " + path_.string() + " (" + std::strerror(errno) + ")";
    }
}

LogFile::~LogFile() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
}
