#pragma once

#include <stdexcept>

// Something start-up needs that is not content is missing (the Content directory, a
// window, a GL context). The entry point reports it in one line at the log's error
// level and exits 1 instead of writing a crash report. A bad content file is a
// ContentError instead.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
