#pragma once

#include <stdexcept>

// Something start-up needs is missing (content, a window, a GL context). The entry
// point reports it in one line and exits non-zero instead of writing a crash report.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
