#include "platform/FileFingerprint.h"

#include "core/ContentFile.h"

FileFingerprint FileFingerprint::Of(const std::filesystem::path& file) {
    try {
        return OfBytes(ContentFile::ReadBytes(file));
    } catch (const ContentError&) {
        return {};  // absent, a directory or unreadable
    }
}

FileFingerprint FileFingerprint::OfBytes(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return {true, bytes.size(), hash};
}
