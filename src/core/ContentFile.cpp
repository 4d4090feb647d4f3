#include "core/ContentFile.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/xml_parser.hpp>

namespace pt = boost::property_tree;

namespace {

// Both parsers report a file they cannot open as line 0.
std::string Describe(const pt::file_parser_error& e) {
    return e.line() == 0 ? e.message() : "line " + std::to_string(e.line()) + ": " + e.message();
}

template <class Parser>
pt::ptree Parse(const std::filesystem::path& file, Parser parse) {
    pt::ptree root;
    try {
        parse(file.string(), root);
    } catch (const pt::file_parser_error& e) {
        throw ContentError(file, Describe(e));
    }
    return root;
}

}  // namespace

ContentFile ContentFile::ReadJson(const std::filesystem::path& file) {
    return ContentFile(file, Parse(file, [](const std::string& path, Tree& root) { pt::read_json(path, root); }));
}

ContentFile ContentFile::ReadXml(const std::filesystem::path& file) {
    return ContentFile(file, Parse(file, [](const std::string& path, Tree& root) { pt::read_xml(path, root); }));
}

const ContentFile::Tree& ContentFile::Child(const Tree& node, const std::string& key) const {
    if (const auto child = node.get_child_optional(key)) {
        return *child;
    }
    Fail("No such node (" + key + ")");
}
