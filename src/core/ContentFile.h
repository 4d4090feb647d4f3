#pragma once

#include "core/ContentError.h"

#include <boost/property_tree/ptree.hpp>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <type_traits>

// A JSON or XML content file read into a property tree, together with its path, so
// that everything that can be wrong with it is a ContentError "<path>: <what>": a file
// that cannot be opened ("cannot open file") or read ("cannot read file (Is a
// directory)"), one that does not parse ("line 3: ..."), one nested deeper than
// MaxNesting, a required member that is missing ("No such node (Components)") or a
// value that does not convert. Hot reload and the editor catch that one type and keep
// the old content.
class ContentFile {
public:
    using Tree = boost::property_tree::ptree;

    // Arrays and objects in JSON, elements in XML. The parsers recurse once per level;
    // a deeper file is refused before they run, so that it cannot exhaust the stack.
    static constexpr int MaxNesting = 256;

    static ContentFile ReadJson(const std::filesystem::path& file);
    static ContentFile ReadXml(const std::filesystem::path& file);
    // The same for text already in memory, reported as `file`.
    static ContentFile ParseJson(const std::filesystem::path& file, const std::string& text);
    static ContentFile ParseXml(const std::filesystem::path& file, const std::string& text);
    // The file's bytes, for readers of other formats.
    static std::string ReadBytes(const std::filesystem::path& file);

    const std::filesystem::path& Path() const { return path_; }
    const Tree& Root() const { return root_; }

    // A required child of `node` (the root when omitted); `key` may be a path "A.B".
    const Tree& Child(const Tree& node, const std::string& key) const;
    const Tree& Child(const std::string& key) const { return Child(root_, key); }

    // A required value, converted as the tree converts it ("12" is an int, "2.5" not).
    template <class T>
    T Get(const Tree& node, const std::string& key) const;
    template <class T>
    T Get(const std::string& key) const {
        return Get<T>(root_, key);
    }

    // Runs a reader that works on a plain tree and knows no file (a prefab's, say):
    // its errors say what is wrong, and leave here as this file's ContentError.
    template <class Read>
    void Reading(Read&& read) const;

    [[noreturn]] void Fail(const std::string& problem) const { throw ContentError(path_, problem); }

private:
    ContentFile(std::filesystem::path path, Tree root) : path_(std::move(path)), root_(std::move(root)) {}

    template <class T>
    static const char* KindOf() {
        if constexpr (std::is_same_v<T, bool>) {
            return "true or false";
        } else if constexpr (std::is_integral_v<T>) {
            return "an integer";
        } else if constexpr (std::is_floating_point_v<T>) {
            return "a number";
        } else {
            return "a valid value";
        }
    }

    std::filesystem::path path_;
    Tree root_;
};

template <class T>
T ContentFile::Get(const Tree& node, const std::string& key) const {
    const Tree& child = Child(node, key);
    if (const auto value = child.get_value_optional<T>()) {
        return *value;
    }
    Fail("\"" + key + "\" is not " + KindOf<T>() + ": \"" + child.data() + "\"");
}

template <class Read>
void ContentFile::Reading(Read&& read) const {
    try {
        read();
    } catch (const ContentError&) {
        throw;
    } catch (const std::runtime_error& e) {
        Fail(e.what());
    }
}
