#include "platform/FileFingerprint.h"

#include <fstream>
#include <iterator>

FileFingerprint FileFingerprint::Of(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return in.bad() ? FileFingerprint{} : OfBytes(bytes);
}

FileFingerprint FileFingerprint::OfBytes(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return {true, bytes.size(), hash};
}
