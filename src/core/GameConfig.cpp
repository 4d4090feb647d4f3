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
