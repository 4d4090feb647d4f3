// Before any test runs, the player's XDG directories point into a scratch directory of
// this process, removed at exit: no test writes settings, recovery copies, logs or
// screenshots into the home of whoever runs the suite. Death-test children inherit
// the parent's scratch directory through the environment.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct ScratchPlayerDirectories {
    std::filesystem::path base;

    ScratchPlayerDirectories() {
        if (std::getenv("VELLIMOR_TEST_XDG") != nullptr) {
            return;
        }
        base = std::filesystem::temp_directory_path() / ("vellimor-tests-" + std::to_string(::getpid()));
        setenv("VELLIMOR_TEST_XDG", base.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (base / "data").c_str(), 1);
        setenv("XDG_STATE_HOME", (base / "state").c_str(), 1);
    }
    ~ScratchPlayerDirectories() {
        if (!base.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(base, ignored);
        }
    }
};

const ScratchPlayerDirectories scratch;

}  // namespace
