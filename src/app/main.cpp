#include "app/CrashHandler.h"
#include "app/GameApp.h"
#include "app/LaunchOptions.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/StartupError.h"
#include "platform/ExecutablePath.h"
#include "platform/LogFile.h"
#include "platform/PlayerDirectories.h"
#include "platform/Window.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path FindContentHome() {
    const fs::path executable = ExecutableDirectory();
    const fs::path home = ContentHome(executable);
    if (home.empty()) {
        throw StartupError("missing the content directory " + (executable / "Content").string() +
                           " (nor is there an installed one in " +
                           (executable / ".." / "share" / "vellimor" / "Content").lexically_normal().string() + ")");
    }
    return home;
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything else: a bad argument opens no window and reads no content.
    const LaunchOptions::Result launch = LaunchOptions::Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!launch.error.empty()) {
        ContentLog::Error(launch.error);
        return 2;
    }
    if (launch.options.help) {
        std::cout << LaunchOptions::Usage();
        return 0;
    }
    if (launch.options.version) {
        std::cout << "Vellimor " << VELLIMOR_VERSION << '\n';
        return 0;
    }
    // The log and the crash reports go to the player's state directory: the game's
    // own directory may be read-only.
    const fs::path state = PlayerDirectories::State();
    LogFile log(state);  // makes the directory the crash reports go to as well
    if (log.Stream() != nullptr) {
        std::fprintf(log.Stream(), "Vellimor %s\n", VELLIMOR_VERSION);
        ContentLog::CopyTo(log.Stream());
        CrashHandler::AnnounceAlsoTo(fileno(log.Stream()));
    }
    CrashHandler::Install(state.string());

    Engine::ExitCode = 0;
    try {
        if (!log.Problem().empty()) {
            ContentLog::Warning(log.Problem());
        }
        // Content paths are relative: the game reads "Content/..." from here on.
        fs::current_path(FindContentHome());
        // Before the game opens anything (the audio device would speak first).
        Window::RequireDisplay();
        GameApp app(launch.options);
        app.Run();
    } catch (const StartupError& e) {
        ContentLog::Error(std::string("cannot start: ") + e.what());
        Engine::ExitCode = 1;
    }
    ContentLog::CopyTo(nullptr);
    CrashHandler::AnnounceAlsoTo(-1);
    return Engine::ExitCode;
}
