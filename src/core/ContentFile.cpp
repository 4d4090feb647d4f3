#include "core/ContentFile.h"

#include "core/NestingScan.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

namespace pt = boost::property_tree;

namespace {

// A fault the parser cannot place on a line comes as line 0.
std::string Describe(const pt::file_parser_error& e) {
    return e.line() == 0 ? e.message() : "line " + std::to_string(e.line()) + ": " + e.message();
}

template <class Parser>
pt::ptree Parse(const std::filesystem::path& file, const std::string& text, int lineTooDeep, Parser parse) {
    if (lineTooDeep != 0) {
        throw ContentError(file, "line " + std::to_string(lineTooDeep) + ": nested deeper than " +
                                     std::to_string(ContentFile::MaxNesting) + " levels");
    }
    pt::ptree root;
    std::istringstream in(text);
    try {
        parse(in, root);
    } catch (const pt::file_parser_error& e) {
        throw ContentError(file, Describe(e));
    }
    return root;
}

}  // namespace

std::string ContentFile::ReadBytes(const std::filesystem::path& file) {
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw ContentError(file, "cannot open file");
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            // A directory opens like a file and fails here.
            const int error = errno;
            close(fd);
            throw ContentError(file, std::string("cannot read file (") + std::strerror(error) + ")");
        }
    }
    close(fd);
    return bytes;
}

ContentFile ContentFile::ReadJson(const std::filesystem::path& file) {
    return ParseJson(file, ReadBytes(file));
}

ContentFile ContentFile::ReadXml(const std::filesystem::path& file) {
    return ParseXml(file, ReadBytes(file));
}

ContentFile ContentFile::ParseJson(const std::filesystem::path& file, const std::string& text) {
    return ContentFile(file, Parse(file, text, NestingScan::JsonLineBeyond(text, MaxNesting),
                                   [](std::istream& in, Tree& root) { pt::read_json(in, root); }));
}

ContentFile ContentFile::ParseXml(const std::filesystem::path& file, const std::string& text) {
    return ContentFile(file, Parse(file, text, NestingScan::XmlLineBeyond(text, MaxNesting),
                                   [](std::istream& in, Tree& root) { pt::read_xml(in, root); }));
}

const ContentFile::Tree& ContentFile::Child(const Tree& node, const std::string& key) const {
    if (const auto child = node.get_child_optional(key)) {
        return *child;
    }
    Fail("No such node (" + key + ")");
}
