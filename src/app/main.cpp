#include "app/CrashHandler.h"
#include "app/GameApp.h"
#include "app/LaunchOptions.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/StartupError.h"
#include "platform/ExecutablePath.h"
#include "platform/Window.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

void CheckContentDirectory() {
    const std::filesystem::path content = "Content";
    if (!std::filesystem::is_directory(content)) {
        throw StartupError("missing the content directory " + (std::filesystem::current_path() / content).string());
    }
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
    // Content paths are relative: the game reads "Content/..." beside its executable.
    const std::filesystem::path home = ExecutableDirectory();
    std::filesystem::current_path(home);
    CrashHandler::Install((home / "CrashInfo.dmp").string());

    Engine::ExitCode = 0;
    try {
        CheckContentDirectory();
        // Before the game opens anything (the audio device would speak first).
        Window::RequireDisplay();
        GameApp app(launch.options);
        app.Run();
    } catch (const StartupError& e) {
        ContentLog::Error(std::string("cannot start: ") + e.what());
        return 1;
    }
    return Engine::ExitCode;
}
