#include "platform/PlayerSettings.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "platform/AtomicFile.h"
#include "platform/PlayerDirectories.h"

#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

bool IsWindowSide(int side) { return side > 0 && side <= PlayerSettings::MaxWindowSide; }

// A plain value: an object or array where the value belongs is no value.
template <class T>
boost::optional<T> PlainValue(const ContentFile::Tree& node) {
    return node.empty() ? node.get_value_optional<T>() : boost::none;
}

using Warn = void (*)(const std::string&);

void Quiet(const std::string&) {}

// "WindowWidth" and "WindowHeight" are read as a pair: half a size is no size.
void ReadWindowSize(const ContentFile& read, PlayerSettings& settings, Warn warn) {
    const ContentFile::Tree& root = read.Root();
    const auto width = root.get_child_optional("WindowWidth");
    const auto height = root.get_child_optional("WindowHeight");
    if (!width && !height) {
        return;
    }
    const int w = width ? PlainValue<int>(*width).value_or(0) : 0;
    const int h = height ? PlainValue<int>(*height).value_or(0) : 0;
    if (!IsWindowSide(w) || !IsWindowSide(h)) {
        warn(read.Path().string() + ": the window size \"" + (width ? width->data() : "") + "\" x \"" +
             (height ? height->data() : "") + "\" is no size; using " +
             std::to_string(PlayerSettings::DefaultWindowWidth) + " x " +
             std::to_string(PlayerSettings::DefaultWindowHeight));
        return;
    }
    settings.WindowWidth = w;
    settings.WindowHeight = h;
}

std::string Text(bool value) { return value ? "true" : "false"; }
std::string Text(int value) { return std::to_string(value); }

// One value under `key`: kept when present and accepted, else left at its default
// (which is what `value` holds) with a warning naming the file and the key.
template <class T, class Accept>
void ReadValue(const ContentFile& read, const char* key, T& value, const std::string& wanted, Accept accept,
               Warn warn) {
    const auto node = read.Root().get_child_optional(key);
    if (!node) {
        return;
    }
    const boost::optional<T> found = PlainValue<T>(*node);
    if (found && accept(*found)) {
        value = *found;
        return;
    }
    warn(read.Path().string() + ": \"" + key + "\" is not " + wanted + ": \"" + node->data() + "\"; using " +
         Text(value));
}

void ReadFlag(const ContentFile& read, const char* key, bool& value, Warn warn) {
    ReadValue(read, key, value, "true or false", [](bool) { return true; }, warn);
}

void ReadVolume(const ContentFile& read, const char* key, int& value, Warn warn) {
    ReadValue(read, key, value, "a volume (0 to 100 in steps of 10)", PlayerSettings::IsVolume, warn);
}

}  // namespace

bool PlayerSettings::IsVolume(int percent) {
    return percent >= 0 && percent <= MaxVolume && percent % VolumeStep == 0;
}

fs::path PlayerSettings::Location() {
    const fs::path config = PlayerDirectories::Config();
    return config.empty() ? config : config / "settings.json";
}

PlayerSettings PlayerSettings::Load(const fs::path& file) { return Read(file, true); }

PlayerSettings PlayerSettings::Change(const std::function<void(PlayerSettings&)>& change, const fs::path& file) {
    PlayerSettings settings = Read(file, false);
    change(settings);
    settings.Save(file);
    return settings;
}

PlayerSettings PlayerSettings::Read(const fs::path& file, bool warnings) {
    PlayerSettings settings;
    std::error_code ignored;
    if (file.empty() || !fs::exists(file, ignored)) {
        return settings;
    }
    const Warn warn = warnings ? static_cast<Warn>(ContentLog::Warning) : Quiet;
    try {
        const ContentFile read = ContentFile::ReadJson(file);
        ReadFlag(read, "Fullscreen", settings.Fullscreen, warn);
        ReadWindowSize(read, settings, warn);
        ReadVolume(read, "MasterVolume", settings.MasterVolume, warn);
        ReadVolume(read, "MusicVolume", settings.MusicVolume, warn);
        ReadVolume(read, "EffectsVolume", settings.EffectsVolume, warn);
        ReadFlag(read, "Mute", settings.Mute, warn);
        ReadFlag(read, "VSync", settings.VSync, warn);
    } catch (const ContentError& error) {
        warn(std::string(error.what()) + "; using the default settings");
        return PlayerSettings{};
    }
    return settings;
}

bool PlayerSettings::Save(const fs::path& file) const {
    if (file.empty()) {
        return false;
    }
    std::ostringstream text;
    text << "{\n    \"Fullscreen\": " << Text(Fullscreen) << ",\n    \"WindowWidth\": " << WindowWidth
         << ",\n    \"WindowHeight\": " << WindowHeight << ",\n    \"MasterVolume\": " << MasterVolume
         << ",\n    \"MusicVolume\": " << MusicVolume << ",\n    \"EffectsVolume\": " << EffectsVolume
         << ",\n    \"Mute\": " << Text(Mute) << ",\n    \"VSync\": " << Text(VSync) << "\n}\n";
    try {
        fs::create_directories(file.parent_path());
        WriteFileAtomically(file, text.str());
        return true;
    } catch (const std::exception& error) {
        ContentLog::Warning(file.string() + ": cannot save the settings (" + error.what() + ")");
        return false;
    }
}
