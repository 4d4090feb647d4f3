#include "core/GameConfig.h"

#include "core/ContentError.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <system_error>

namespace pt = boost::property_tree;

void GameConfig::Load() {
    const std::filesystem::path file = ConfigFile();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return;
    }
    try {
        pt::ptree tree;
        pt::read_json(file.string(), tree);
        DevelopmentContentPath = tree.get<std::string>("DevelopmentContentPath");
    } catch (const pt::json_parser_error& e) {
        throw ContentError(file, "line " + std::to_string(e.line()) + ": " + e.message());
    } catch (const pt::ptree_error& e) {
        throw ContentError(file, e.what());
    }
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
