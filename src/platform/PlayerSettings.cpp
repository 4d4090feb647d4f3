#include "platform/PlayerSettings.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "platform/AtomicFile.h"
#include "platform/PlayerDirectories.h"

#include <stdexcept>

namespace fs = std::filesystem;

namespace {

bool IsWindowSide(const boost::optional<int>& side) {
    return side && *side > 0 && *side <= PlayerSettings::MaxWindowSide;
}

// "WindowWidth" and "WindowHeight" are read as a pair: half a size is no size.
void ReadWindowSize(const ContentFile& read, PlayerSettings& settings) {
    const ContentFile::Tree& root = read.Root();
    const auto width = root.get_child_optional("WindowWidth");
    const auto height = root.get_child_optional("WindowHeight");
    if (!width && !height) {
        return;
    }
    const boost::optional<int> w = width ? width->get_value_optional<int>() : boost::none;
    const boost::optional<int> h = height ? height->get_value_optional<int>() : boost::none;
    if (!IsWindowSide(w) || !IsWindowSide(h)) {
        ContentLog::Warning(read.Path().string() + ": the window size \"" + (width ? width->data() : "") + "\" x \"" +
                            (height ? height->data() : "") + "\" is no size; using " +
                            std::to_string(PlayerSettings::DefaultWindowWidth) + " x " +
                            std::to_string(PlayerSettings::DefaultWindowHeight));
        return;
    }
    settings.WindowWidth = *w;
    settings.WindowHeight = *h;
}

}  // namespace

fs::path PlayerSettings::Location() {
    const fs::path config = PlayerDirectories::Config();
    return config.empty() ? config : config / "settings.json";
}

PlayerSettings PlayerSettings::Load(const fs::path& file) {
    PlayerSettings settings;
    std::error_code ignored;
    if (file.empty() || !fs::exists(file, ignored)) {
        return settings;
    }
    try {
        const ContentFile read = ContentFile::ReadJson(file);
        if (read.Root().get_child_optional("Fullscreen")) {
            settings.Fullscreen = read.Get<bool>("Fullscreen");
        }
        ReadWindowSize(read, settings);
    } catch (const ContentError& error) {
        ContentLog::Warning(std::string(error.what()) + "; using the default settings");
        return PlayerSettings{};
    }
    return settings;
}

bool PlayerSettings::Save(const fs::path& file) const {
    if (file.empty()) {
        return false;
    }
    try {
        fs::create_directories(file.parent_path());
        WriteFileAtomically(file, std::string("{\n    \"Fullscreen\": ") + (Fullscreen ? "true" : "false") +
                                      ",\n    \"WindowWidth\": " + std::to_string(WindowWidth) +
                                      ",\n    \"WindowHeight\": " + std::to_string(WindowHeight) + "\n}\n");
        return true;
    } catch (const std::exception& error) {
        ContentLog::Warning(file.string() + ": cannot save the settings (" + error.what() + ")");
        return false;
    }
}
