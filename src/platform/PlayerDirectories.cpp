#include "platform/PlayerDirectories.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path Home() {
    const char* home = std::getenv("HOME");
    return home != nullptr && *home == '/' ? fs::path(home) : fs::path();
}

// The base directory a variable names, or HOME/fallback; empty without either.
fs::path Base(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value == '/') {
        return value;
    }
    const fs::path home = Home();
    return home.empty() ? fs::path() : home / fallback;
}

fs::path Ours(const fs::path& base) {
    return base.empty() ? base : base / "vellimor";
}

// A user-dirs value: "$HOME/Pictures" or "/absolute/path", double-quoted, with
// backslash escapes; anything else is not a directory we can use.
fs::path ValueOf(const std::string& quoted, const fs::path& home) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return {};
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size()) {
            ++i;
        }
        text += quoted[i];
    }
    if (text.rfind("$HOME", 0) == 0 && !home.empty()) {
        const std::string rest = text.substr(5);
        if (!rest.empty() && rest.front() != '/') {
            return {};
        }
        return fs::path(home.string() + rest);
    }
    return !text.empty() && text.front() == '/' ? fs::path(text) : fs::path();
}

}  // namespace

fs::path PlayerDirectories::Config() {
    return Ours(Base("XDG_CONFIG_HOME", ".config"));
}

fs::path PlayerDirectories::Data() {
    return Ours(Base("XDG_DATA_HOME", ".local/share"));
}

fs::path PlayerDirectories::State() {
    return Ours(Base("XDG_STATE_HOME", ".local/state"));
}

fs::path PlayerDirectories::Screenshots() {
    const fs::path config = Base("XDG_CONFIG_HOME", ".config");
    const fs::path pictures = config.empty() ? fs::path() : PicturesFrom(config / "user-dirs.dirs", Home());
    if (!pictures.empty()) {
        return pictures / "Vellimor";
    }
    const fs::path data = Data();
    return data.empty() ? data : data / "Screenshots";
}

std::string PlayerDirectories::Readable(const fs::path& path) {
    const std::string home = Home().string();
    const std::string text = path.string();
    if (home.size() > 1 && text.rfind(home, 0) == 0 && (text.size() == home.size() || text[home.size()] == '/')) {
        return "~" + text.substr(home.size());
    }
    return text;
}

fs::path PlayerDirectories::PicturesFrom(const fs::path& userDirsFile, const fs::path& home) {
    std::ifstream in(userDirsFile);
    std::string line;
    fs::path found;
    while (std::getline(in, line)) {
        const std::string key = "XDG_PICTURES_DIR=";
        const std::size_t start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line.compare(start, key.size(), key) == 0) {
            std::string value = line.substr(start + key.size());
            value.erase(value.find_last_not_of(" \t\r") + 1);
            found = ValueOf(value, home);  // the last line wins, as in a shell
        }
    }
    auto plain = [](const fs::path& path) {
        std::string text = path.lexically_normal().string();
        while (text.size() > 1 && text.back() == '/') text.pop_back();
        return text;
    };
    if (!home.empty() && plain(found) == plain(home)) {
        return {};
    }
    return found;
}
