#include "core/GameConfig.h"

#include "core/ContentFile.h"

#include <system_error>

void GameConfig::Load() {
    const std::filesystem::path file = ConfigFile();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return;
    }
    DevelopmentContentPath = ContentFile::ReadJson(file).Get<std::string>("DevelopmentContentPath");
}

std::filesystem::path GameConfig::DevelopmentDirectory(const std::string& kind) const {
    const std::filesystem::path installed = ContentDirectory / kind;
    if (DevelopmentContentPath.empty()) {
        return installed;
    }
    const std::filesystem::path development = std::filesystem::path(DevelopmentContentPath) / kind;
    std::error_code error;
    return std::filesystem::exists(development, error) ? development : installed;
}

namespace {
bool InDevelopment(const GameConfig& config, const std::string& kind) {
    return config.DevelopmentDirectory(kind) != config.ContentDirectory / kind;
}
}  // namespace

std::filesystem::path GameConfig::SaveDirectory(const std::string& kind) const {
    if (InDevelopment(*this, kind) || !KeepShippedContent) {
        return DevelopmentDirectory(kind);
    }
    return UserContentDirectory.empty() ? std::filesystem::path() : UserContentDirectory / kind;
}

std::vector<std::filesystem::path> GameConfig::ReadDirectories(const std::string& kind) const {
    std::vector<std::filesystem::path> directories{DevelopmentDirectory(kind)};
    if (!InDevelopment(*this, kind) && KeepShippedContent && !UserContentDirectory.empty()) {
        directories.push_back(UserContentDirectory / kind);
    }
    return directories;
}
