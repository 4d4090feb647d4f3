#include "platform/PlayerSettings.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "platform/AtomicFile.h"
#include "platform/PlayerDirectories.h"

#include <stdexcept>

namespace fs = std::filesystem;

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
        WriteFileAtomically(file, std::string("{\n    \"Fullscreen\": ") + (Fullscreen ? "true" : "false") + "\n}\n");
        return true;
    } catch (const std::exception& error) {
        ContentLog::Warning(file.string() + ": cannot save the settings (" + error.what() + ")");
        return false;
    }
}
