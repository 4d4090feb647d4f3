#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// What a file held when it was looked at: whether it could be read, its size and a
// 64-bit FNV-1a hash of its bytes. Equal fingerprints mean the file is, as far as
// the hash can tell, the same; a file that cannot be read counts as absent.
struct FileFingerprint {
    bool Exists = false;
    std::uintmax_t Size = 0;
    std::uint64_t Hash = 0;

    static FileFingerprint Of(const std::filesystem::path& file);
    static FileFingerprint OfBytes(const std::string& bytes);

    bool operator==(const FileFingerprint&) const = default;
};
